#include <QCheckBox>
#include <QLabel>
#include <QtTest>

#include "kit/core/random.h"
#include "support.h"

using tavek::FormNumber;

namespace {
const QString kHeightNegative = u("Altura com medida negativa, ajuste seus dados");
const QString kSpeedNegative = u("Velocidade com valor negativo, ajuste seus dados");
const QString kAthleteNegative = u("Altura do atleta negativa, ajuste seus dados");
const QString kSpeedNegative4 = u("Velocidade negativa. Ajuste seus dados");
const QString kAngle = u("Ajuste medida do ângulo");

bool ticked(tavek::FormWindow* w, const char* box) { return w->control<QCheckBox>(box)->isChecked(); }

// The named controls in the window's focus chain from `first`, hidden ones
// included, once round.
QStringList focusChain(tavek::FormWindow* w, const char* first)
{
    QStringList names;
    QWidget* start = w->control<QWidget>(first);
    QWidget* it = start;
    do {
        if ((it->focusPolicy() & Qt::TabFocus) && !it->objectName().isEmpty())
            names << it->objectName();
        it = it->nextInFocusChain();
    } while (it && it != start);
    return names;
}

} // namespace

class LaunchesTest : public ProgramTest {
    Q_OBJECT
private slots:
    // Launches window
    void form4StartsWithEverythingHidden();
    void form4TabOrder();
    void missileAnswers();
    void missileMessagesInOrderFocusOnSpeed();
    void missileRefusedPressKeepsTheAnswers_data();
    void missileRefusedPressKeepsTheAnswers();
    void missileOverflowKeepsTheTime();
    void jumpAnswersAndRefusal();
    void clearOneUnticksAndHidesTheNote();
    void clearTwoTouchesOnlyItsExercise();
    void moreExercisesMenuShowsForm5();
    // More launch exercises window
    void form5StartsWithEverythingHidden();
    void form5TabOrder();
    void firstSixAnglesAfterStart();
    void drawsShareTheSeedWithTheRestOfTheProgram();
    void rectilinearHeightDrawChangesTheFirstAngle();
    void speedUsesTheAngleKeptByTheWindow();
    void clearThreeHidesOnly();
    void kickAnswersAndMessages();
    void kickRefusedPressKeepsTheAnswers();
    void clearFourResetsItsExercise();
};

// ---- Launches window ---------------------------------------------------------

void LaunchesTest::form4StartsWithEverythingHidden()
{
    auto* w = p->open(4);
    for (const char* hidden : {"Label8", "Label10", "Label16", "Label17", "Label18", "Label9", "Label14", "Edit14",
                               "Edit15", "Button7", "Button8"})
        QVERIFY2(!visible(w, hidden), hidden);
    for (const char* shown : {"Edit1", "Edit2", "Edit3", "Button1", "Button2", "Button3", "Button4", "CheckBox1"})
        QVERIFY2(visible(w, shown), shown);
    QVERIFY(!ticked(w, "CheckBox1"));
    QCOMPARE(textOf(w, "CheckBox1"), u("Converter para o SI"));
    QCOMPARE(textOf(w, "Label2"), u("velocidade, determine o tempo e a distância que o míssil "));
    QCOMPARE(textOf(w, "Label7"), u("Altura do atleta "));
}

void LaunchesTest::form4TabOrder()
{
    auto* w = p->open(4);
    QCOMPARE(focusChain(w, "Edit1"), (QStringList{"Edit1", "CheckBox1", "Edit2", "Button1", "Button2", "Edit3", "Button3",
                                                "Button4", "Edit14", "Edit15", "Button7", "Button8"}));
}

void LaunchesTest::missileAnswers()
{
    auto* w = p->open(4);
    type(w, "Edit1", "100");
    type(w, "Edit2", "490");
    click(w, "Button1");
    QVERIFY(p->messenger.boxes.empty());
    QVERIFY(visible(w, "Label8"));
    QVERIFY(visible(w, "Label10"));
    QCOMPARE(textOf(w, "Label8"), u("Tempo de chegada do míssil ao seu alvo = 10.0000 s"));
    QCOMPARE(textOf(w, "Label10"), u("Distância percorrida do míssil = 1000.0000m "));
    // A label fits its answer.
    auto* label = w->control<QLabel>("Label10");
    QVERIFY(label->width() >= label->sizeHint().width());
}

void LaunchesTest::missileMessagesInOrderFocusOnSpeed()
{
    auto* w = p->open(4);
    type(w, "Edit1", "-1");
    type(w, "Edit2", "-1");
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), (QStringList{kHeightNegative, kSpeedNegative}));
    QCOMPARE(focused(w), QStringLiteral("Edit1"));
    QVERIFY(!visible(w, "Label8"));

    p->messenger.clear();
    type(w, "Edit1", "100");
    type(w, "Edit2", "-1");
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), QStringList{kHeightNegative});
    QCOMPARE(focused(w), QStringLiteral("Edit2"));

    p->messenger.clear();
    type(w, "Edit1", "1,,5");
    type(w, "Edit2", "-1");
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), QStringList{kInvalid});
    QCOMPARE(focused(w), QStringLiteral("Edit1"));
}

void LaunchesTest::missileRefusedPressKeepsTheAnswers_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("height");
    QTest::addColumn<int>("boxes");
    QTest::newRow("zero speed") << "0" << "490" << 0;
    QTest::newRow("zero height") << "100" << "0" << 0;
    QTest::newRow("empty") << "" << "" << 0;
    QTest::newRow("negative both") << "-1" << "-1" << 2;
    QTest::newRow("malformed") << "abc" << "490" << 1;
}

void LaunchesTest::missileRefusedPressKeepsTheAnswers()
{
    QFETCH(QString, speed);
    QFETCH(QString, height);
    QFETCH(int, boxes);
    auto* w = p->open(4);
    type(w, "Edit1", "200");
    type(w, "Edit2", "4.9");
    click(w, "Button1");
    type(w, "Edit1", speed);
    type(w, "Edit2", height);
    w->control<QWidget>("Edit2")->setFocus();
    click(w, "Button1");
    QCOMPARE(int(p->messenger.boxes.size()), boxes);
    if (boxes == 0)
        QCOMPARE(focused(w), QStringLiteral("Edit2"));
    QVERIFY(visible(w, "Label8"));
    QVERIFY(visible(w, "Label10"));
    QCOMPARE(textOf(w, "Label8"), u("Tempo de chegada do míssil ao seu alvo = 1.0000 s"));
    QCOMPARE(textOf(w, "Label10"), u("Distância percorrida do míssil = 200.0000m "));
}

void LaunchesTest::missileOverflowKeepsTheTime()
{
    auto* w = p->open(4);
    type(w, "Edit1", "1e308");
    type(w, "Edit2", "490");
    click(w, "Button1");
    QCOMPARE(p->messenger.boxes.size(), std::size_t{1});
    QVERIFY(p->messenger.boxes.front().fault);
    QCOMPARE(p->messenger.boxes.front().text, u("Floating point overflow."));
    QVERIFY(visible(w, "Label8"));
    QCOMPARE(textOf(w, "Label8"), u("Tempo de chegada do míssil ao seu alvo = 10.0000 s"));
    QVERIFY(!visible(w, "Label10"));
}

void LaunchesTest::jumpAnswersAndRefusal()
{
    auto* w = p->open(4);
    type(w, "Edit3", "2");
    click(w, "Button3");
    QCOMPARE(textOf(w, "Label16"), u("V0 = 6.6980m/s ->24.1127 km/h"));
    QCOMPARE(textOf(w, "Label17"), u("Tempo de subida = 0.4831s "));
    QCOMPARE(textOf(w, "Label18"), u("Tempo do percurso = 0.9265s "));
    for (const char* label : {"Label16", "Label17", "Label18"})
        QVERIFY2(visible(w, label), label);

    type(w, "Edit3", "-2");
    w->control<QWidget>("Edit1")->setFocus();
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), QStringList{kAthleteNegative});
    QCOMPARE(focused(w), QStringLiteral("Edit3"));
    QCOMPARE(textOf(w, "Label16"), u("V0 = 6.6980m/s ->24.1127 km/h"));
    QVERIFY(visible(w, "Label18"));
}

void LaunchesTest::clearOneUnticksAndHidesTheNote()
{
    auto* w = p->open(4);
    type(w, "Edit1", "100");
    type(w, "Edit2", "490");
    type(w, "Edit3", "2");
    click(w, "Button1");
    click(w, "Button3");
    w->control<QCheckBox>("CheckBox1")->setChecked(true);
    w->control<QLabel>("Label9")->show(); // as a speed conversion leaves it
    click(w, "Button2");
    QCOMPARE(textOf(w, "Edit1"), QString());
    QCOMPARE(textOf(w, "Edit2"), QString());
    QVERIFY(!ticked(w, "CheckBox1"));
    for (const char* hidden : {"Label8", "Label10", "Label9"})
        QVERIFY2(!visible(w, hidden), hidden);
    QCOMPARE(focused(w), QStringLiteral("Edit1"));
    // Exercise 2 is untouched.
    QCOMPARE(textOf(w, "Edit3"), QStringLiteral("2"));
    QVERIFY(visible(w, "Label16"));
    // Hidden, not emptied: the caption waits for the next answer.
    QCOMPARE(textOf(w, "Label8"), u("Tempo de chegada do míssil ao seu alvo = 10.0000 s"));
}

void LaunchesTest::clearTwoTouchesOnlyItsExercise()
{
    auto* w = p->open(4);
    type(w, "Edit1", "100");
    type(w, "Edit2", "490");
    type(w, "Edit3", "2");
    click(w, "Button1");
    click(w, "Button3");
    w->control<QCheckBox>("CheckBox1")->setChecked(true);
    w->control<QLabel>("Label9")->show();
    click(w, "Button4");
    QCOMPARE(textOf(w, "Edit3"), QString());
    for (const char* hidden : {"Label16", "Label17", "Label18"})
        QVERIFY2(!visible(w, hidden), hidden);
    QCOMPARE(focused(w), QStringLiteral("Edit3"));
    QVERIFY(ticked(w, "CheckBox1"));
    QVERIFY(visible(w, "Label9"));
    QVERIFY(visible(w, "Label8"));
    QCOMPARE(textOf(w, "Edit1"), QStringLiteral("100"));
}

void LaunchesTest::moreExercisesMenuShowsForm5()
{
    auto* w = p->open(4);
    trigger(w, "Maisexercciosdelanamentos1");
    QVERIFY(p->form(5)->isVisible());
    QVERIFY(w->isVisible());
}

// ---- More launch exercises window --------------------------------------------

void LaunchesTest::form5StartsWithEverythingHidden()
{
    auto* w = p->open(5);
    for (const char* hidden : {"Button2", "Label10", "Label8", "Label12", "Label16", "Label17", "Label7", "Label18",
                               "Edit14", "Edit15", "Button7", "Button8"})
        QVERIFY2(!visible(w, hidden), hidden);
    QVERIFY(!ticked(w, "CheckBox1"));
    QCOMPARE(textOf(w, "Button1"), u("Gerar ângulo"));
    QCOMPARE(textOf(w, "Label2"), u("lançar a bola, num ângulo gerado aleatoriamente pelo programa, "));
    QCOMPARE(w->windowTitle(), u("TAVEK 1 -Mais Exercícios de Lançamentos"));
}

void LaunchesTest::form5TabOrder()
{
    auto* w = p->open(5);
    QCOMPARE(focusChain(w, "Button1"), (QStringList{"Button1", "Button2", "Button3", "Edit1", "CheckBox1", "Edit2",
                                                  "Button4", "Button5", "Edit14", "Edit15", "Button7", "Button8"}));
}

void LaunchesTest::firstSixAnglesAfterStart()
{
    auto* w = p->open(5);
    QStringList angles;
    for (int i = 0; i < 6; ++i) {
        click(w, "Button1");
        QVERIFY(visible(w, "Label10"));
        QVERIFY(visible(w, "Button2"));
        angles << textOf(w, "Label10");
    }
    QCOMPARE(angles, (QStringList{"45", "61", "71", "67", "38", "72"}));
    QVERIFY(p->messenger.boxes.empty());
}

void LaunchesTest::drawsShareTheSeedWithTheRestOfTheProgram()
{
    // A percentage draw elsewhere in the program (the rectilinear window's
    // generated height) moves the one seed on, so the first angle changes.
    tavek::RandomDraw replay;
    p->registry->random().percentage();
    replay.percentage();
    auto* w = p->open(5);
    click(w, "Button1");
    const int expected = replay.angle();
    QVERIFY(expected != 45);
    QCOMPARE(textOf(w, "Label10"), QString::number(expected));

    // And the angle draw moves it on for the others.
    tavek::RandomDraw after;
    after.percentage();
    after.angle();
    QCOMPARE(p->registry->random().seed(), after.seed());
}

void LaunchesTest::rectilinearHeightDrawChangesTheFirstAngle()
{
    // The same through the windows: exercise 3 of the rectilinear window draws
    // its generated height (73 %) before the first angle is drawn here.
    auto* form2 = p->open(2);
    type(form2, "Edit13", "10");
    click(form2, "Button5");
    QVERIFY(visible(form2, "Label32"));
    auto* w = p->open(5);
    click(w, "Button1");
    tavek::RandomDraw replay;
    QCOMPARE(replay.percentage(), 73);
    const QString first = textOf(w, "Label10");
    QCOMPARE(first, QString::number(replay.angle()));
    QVERIFY(first != QLatin1String("45"));

    // And an angle drawn here changes the next generated height there.
    click(form2, "Button5");
    tavek::RandomDraw without;
    without.percentage();
    QVERIFY(replay.percentage() != without.percentage());
    QCOMPARE(p->registry->random().seed(), replay.seed());
}

void LaunchesTest::speedUsesTheAngleKeptByTheWindow()
{
    auto* w = p->open(5);
    click(w, "Button1"); // 45
    click(w, "Button2");
    const QString at45 = u("Velocidade Inicial = 7.33 m/s -> 26.39 km/h");
    QCOMPARE(textOf(w, "Label8"), at45);
    QVERIFY(visible(w, "Label8"));
    click(w, "Button2");
    QCOMPARE(textOf(w, "Label8"), at45);

    // A new draw leaves the old speed on screen until it is asked for again.
    click(w, "Button1"); // 61
    QCOMPARE(textOf(w, "Label8"), at45);
    click(w, "Button2");
    QCOMPARE(textOf(w, "Label8"), u("Velocidade Inicial = 5.93 m/s -> 21.34 km/h"));

    // Closing and showing again keeps the drawn angle.
    trigger(w, "FecharJanela1");
    p->open(5);
    QCOMPARE(textOf(w, "Label10"), QStringLiteral("61"));
    click(w, "Button2");
    QCOMPARE(textOf(w, "Label8"), u("Velocidade Inicial = 5.93 m/s -> 21.34 km/h"));
    QVERIFY(p->messenger.boxes.empty());
}

void LaunchesTest::clearThreeHidesOnly()
{
    auto* w = p->open(5);
    type(w, "Edit1", "20");
    type(w, "Edit2", "45");
    w->control<QCheckBox>("CheckBox1")->setChecked(true);
    click(w, "Button1");
    click(w, "Button2");
    w->control<QWidget>("Edit2")->setFocus();
    click(w, "Button3");
    for (const char* hidden : {"Button2", "Label10", "Label8"})
        QVERIFY2(!visible(w, hidden), hidden);
    QCOMPARE(focused(w), QStringLiteral("Edit2"));
    QCOMPARE(textOf(w, "Edit1"), QStringLiteral("20"));
    QCOMPARE(textOf(w, "Edit2"), QStringLiteral("45"));
    QVERIFY(ticked(w, "CheckBox1"));
    // The drawn angle stays: the next draw continues the sequence.
    click(w, "Button1");
    QCOMPARE(textOf(w, "Label10"), QStringLiteral("61"));
    QVERIFY(visible(w, "Button2"));
    QVERIFY(!visible(w, "Label8"));
}

void LaunchesTest::kickAnswersAndMessages()
{
    auto* w = p->open(5);
    type(w, "Edit1", "20");
    type(w, "Edit2", "45");
    click(w, "Button4");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(textOf(w, "Label12"), u("Altura máxima atingida pela bola = 10.20 m"));
    QCOMPARE(textOf(w, "Label17"), u("Tempo do Percurso = 2.89 s"));
    QCOMPARE(textOf(w, "Label16"), u("Alcance horizontal = 40.82 m"));
    for (const char* label : {"Label12", "Label17", "Label16"})
        QVERIFY2(visible(w, label), label);

    type(w, "Edit1", "-1");
    type(w, "Edit2", "100");
    click(w, "Button4");
    QCOMPARE(p->messenger.texts(), (QStringList{kSpeedNegative4, kAngle}));
    QCOMPARE(focused(w), QStringLiteral("Edit2"));

    p->messenger.clear();
    type(w, "Edit1", "-1");
    type(w, "Edit2", "90");
    click(w, "Button4");
    QCOMPARE(p->messenger.texts(), QStringList{kSpeedNegative4});
    QCOMPARE(focused(w), QStringLiteral("Edit1"));
}

void LaunchesTest::kickRefusedPressKeepsTheAnswers()
{
    auto* w = p->open(5);
    type(w, "Edit1", "10");
    type(w, "Edit2", "90");
    click(w, "Button4");
    const QString range = u("Alcance horizontal = 0.02 m");
    QCOMPARE(textOf(w, "Label16"), range);
    for (const char* speed : {"0", "", "-5"}) {
        type(w, "Edit1", speed);
        type(w, "Edit2", "90.5");
        click(w, "Button4");
        QCOMPARE(textOf(w, "Label16"), range);
        QCOMPARE(textOf(w, "Label12"), u("Altura máxima atingida pela bola = 5.10 m"));
        QVERIFY(visible(w, "Label17"));
    }
    QCOMPARE(p->messenger.texts(), (QStringList{kAngle, kAngle, kSpeedNegative4, kAngle}));

    // An overflow part-way (the range, at 10 degrees) keeps what was written before it.
    p->messenger.clear();
    type(w, "Edit1", "8e154");
    type(w, "Edit2", "10");
    click(w, "Button4");
    QCOMPARE(p->messenger.texts(), QStringList{u("Floating point overflow.")});
    QVERIFY(textOf(w, "Label12") != u("Altura máxima atingida pela bola = 5.10 m"));
    QCOMPARE(textOf(w, "Label16"), range);
}

void LaunchesTest::clearFourResetsItsExercise()
{
    auto* w = p->open(5);
    click(w, "Button1");
    type(w, "Edit1", "20");
    type(w, "Edit2", "45");
    click(w, "Button4");
    w->control<QCheckBox>("CheckBox1")->setChecked(true);
    w->control<QLabel>("Label7")->show(); // as a speed conversion leaves it
    click(w, "Button5");
    for (const char* hidden : {"Label12", "Label17", "Label7", "Label16"})
        QVERIFY2(!visible(w, hidden), hidden);
    QVERIFY(!ticked(w, "CheckBox1"));
    QCOMPARE(textOf(w, "Edit1"), QString());
    QCOMPARE(textOf(w, "Edit2"), QString());
    QCOMPARE(focused(w), QStringLiteral("Edit1"));
    // Exercise 3 is untouched.
    QVERIFY(visible(w, "Label10"));
    QVERIFY(visible(w, "Button2"));
}

QTEST_MAIN(LaunchesTest)
#include "launches_test.moc"
