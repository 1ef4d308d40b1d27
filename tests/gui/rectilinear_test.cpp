// The rectilinear motion window: its menus and keys, and what only the window shows
// of its calculators: boxes in order with the focus after them, answers kept
// after a refused press, the clears, and the draw shared with the program.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "support.h"

using tavek::FormNumber;

namespace {
const QString kPlaceholder = QStringLiteral("       Resposta");

} // namespace

class RectilinearTest : public ProgramTest {
    Q_OBJECT
private slots:
    void tabOrder();
    void menuBar();

    void exercise1MessagesInOrderFocusLast_data();
    void exercise1MessagesInOrderFocusLast();
    void exercise1Answers();
    void exercise2Answers();
    void malformedCellStopsThePress();
    void exercise3FirstPressesAfterStart();
    void exercise3RefusedPressKeepsAnswers();
    void exercise3DrawsFromTheProgramSequence();
    void faultShowsErrorBoxAndKeepsEarlierWrites();

    void clearExercise1();
    void clearExercise2();
    void clearExercise3();
    void writtenCellsShowTheirStart();
};

void RectilinearTest::tabOrder()
{
    auto* w = p->open(2);
    const QStringList expected = {"Edit1",   "Edit2",   "Edit3",   "Edit4",     "Button1", "Button2",
                                  "Edit5",   "Edit6",   "Edit7",   "Edit8",     "Edit9",   "Edit10",
                                  "Button3", "Button4", "Edit11",  "Edit12",    "Edit13",  "Button5",
                                  "Button6", "CheckBox1", "Edit14", "Edit15",   "Button7", "Button8"};
    QCOMPARE(::tabOrder(w, expected), expected);
}

void RectilinearTest::menuBar()
{
    auto* w = p->open(2);
    QStringList items;
    for (QAction* a : w->control<QMenuBar>("MainMenu1")->actions()) {
        QString line = (a->menu() ? a->menu()->objectName() : a->objectName()) + ":" + a->text();
        if (a->menu())
            for (QAction* sub : a->menu()->actions())
                line += " [" + sub->objectName() + ":" + sub->text() + "]";
        items << line;
    }
    QCOMPARE(items, (QStringList{
                        u("FecharJanela1:Fechar Janela"),
                        u("OpesparaProfessores1:Opções para Professores"
                          " [Desabilotarcdulasderesultados1:Desabilitar cédulas de  Resultados]"
                          " [ReabilitarcdulasdeResultados1:Reabilitar cédulas de Resultados]"),
                        u("ConversodevelocidadeparaoSI1:Conversão de velocidade para o SI"
                          " [kmhms1:km/h -> m/s] [mihms1:mi/h -> m/s] [cmsms1:cm/s -> m/s]"),
                        u("ConversesdeUnidades1:Conversões de Unidades"),
                        u("Resolucao:Resolução [ResolucaoExercicio1:Exercício 1] [ResolucaoExercicio2:Exercício 2]"
                          " [ResolucaoExercicio3:Exercício 3]"),
                        u("Treino:Treino [TreinoExercicio1:Exercício 1] [TreinoExercicio2:Exercício 2]"
                          " [TreinoExercicio3:Exercício 3]"),
                    }));
}

void RectilinearTest::exercise1MessagesInOrderFocusLast_data()
{
    QTest::addColumn<QStringList>("cells"); // Xo, X, to, t
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("focus");
    const QString xo = "Xo com valor negativo, ajuste seu valor", x = "X com valor negativo, ajuste seu valor",
                  to = "To com valor negativo, ajuste seu valor", t = "T com valor negativo, ajuste seu valor";
    QTest::newRow("Xo and t") << QStringList{"-1", "10", "0", "-2"} << QStringList{xo, t} << "Edit4";
    QTest::newRow("all four") << QStringList{"-1", "-1", "-1", "-1"} << QStringList{xo, x, to, t} << "Edit4";
    QTest::newRow("X and to") << QStringList{"1", "-1", "-1", "1"} << QStringList{x, to} << "Edit3";
    QTest::newRow("empty") << QStringList{"", "", "", ""} << QStringList{u("Divisão por zero, ajuste seu valores")}
                           << "Edit3";
    QTest::newRow("malformed") << QStringList{"-1", "2,5.0", "0", "x"} << QStringList{kInvalid, kInvalid} << "Edit4";
}

void RectilinearTest::exercise1MessagesInOrderFocusLast()
{
    QFETCH(QStringList, cells);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);
    auto* w = p->open(2);
    // An earlier good press: its answers must survive the refused one.
    type(w, "Edit1", "0");
    type(w, "Edit2", "10");
    type(w, "Edit3", "0");
    type(w, "Edit4", "2");
    click(w, "Button1");
    w->control<QWidget>("Button1")->setFocus();
    const char* names[] = {"Edit1", "Edit2", "Edit3", "Edit4"};
    for (int i = 0; i < 4; ++i)
        type(w, names[i], cells[i]);
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), messages);
    for (const auto& box : p->messenger.boxes) {
        QVERIFY(!box.fault);
        QCOMPARE(box.window, QStringLiteral("Form2"));
    }
    QCOMPARE(focused(w), focus);
    QCOMPARE(textOf(w, "Edit5"), QStringLiteral("5.0000 m/s"));
    QCOMPARE(textOf(w, "Edit6"), u("5.0000 m/s²"));
    QCOMPARE(textOf(w, "Edit11"), kPlaceholder);
}

void RectilinearTest::exercise1Answers()
{
    auto* w = p->open(2);
    type(w, "Edit1", "0");
    type(w, "Edit2", "10");
    type(w, "Edit3", "3");
    type(w, "Edit4", "1");
    click(w, "Button1");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(textOf(w, "Edit5"), QStringLiteral("-5.0000 m/s"));
    QCOMPARE(textOf(w, "Edit6"), u("5.0000 m/s²"));
    QVERIFY(visible(w, "Edit5") && visible(w, "Edit6"));
}

void RectilinearTest::exercise2Answers()
{
    auto* w = p->open(2);
    click(w, "Button3");
    QCOMPARE(textOf(w, "Edit11"), QStringLiteral("0.0000 m/s"));
    QCOMPARE(textOf(w, "Edit12"), u("0.0000 m/s²"));
    type(w, "Edit7", "99");
    type(w, "Edit8", "2");
    type(w, "Edit9", "1");
    type(w, "Edit10", "2");
    click(w, "Button3");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(textOf(w, "Edit11"), QStringLiteral("14.0000 m/s"));
    QCOMPARE(textOf(w, "Edit12"), u("12.0000 m/s²"));
    QCOMPARE(textOf(w, "Edit5"), kPlaceholder);
}

void RectilinearTest::malformedCellStopsThePress()
{
    auto* w = p->open(2);
    type(w, "Edit8", "2");
    type(w, "Edit9", "1");
    type(w, "Edit10", "2");
    click(w, "Button3");
    type(w, "Edit9", "1,,5");
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), QStringList{kInvalid});
    QCOMPARE(focused(w), QStringLiteral("Edit9"));
    QCOMPARE(textOf(w, "Edit11"), QStringLiteral("14.0000 m/s"));
}

void RectilinearTest::exercise3FirstPressesAfterStart()
{
    // the fresh program: nothing drawn yet in any window
    auto* main = p->form(1);
    QTest::mouseClick(main->control<QLabel>("Label3"), Qt::LeftButton);
    auto* w = p->form(2);
    QVERIFY(w->isVisible());
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    QVERIFY(p->messenger.boxes.empty());
    const struct {
        const char* label;
        const char* first;
        const char* second;
    } rows[] = {
        {"Label34", "Tempo de chegada =2.0000 s", "Tempo de chegada =2.0000 s"},
        {"Label33", "Altura máxima =19.6000 m", "Altura máxima =19.6000 m"},
        {"Label32", "Altura gerada =14.3080 m", "Altura gerada =10.5840 m"},
        {"Label35", "Tempo de Subida =0.9608 s", "Tempo de Subida =0.6435 s"},
        {"Label36", "Tempo de descida =3.0392 s", "Tempo de descida =3.3565 s"},
        {"Label37", "Tempo Total =4.0000 s", "Tempo Total =4.0000 s"},
    };
    for (const auto& r : rows) {
        QCOMPARE(textOf(w, r.label), u(r.first));
        QVERIFY2(visible(w, r.label), r.label);
        auto* l = w->control<QLabel>(r.label);
        QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()), r.label);
    }
    click(w, "Button5");
    for (const auto& r : rows)
        QCOMPARE(textOf(w, r.label), u(r.second));
    QVERIFY(!visible(w, "Label38"));
}

void RectilinearTest::exercise3RefusedPressKeepsAnswers()
{
    auto* w = p->open(2);
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    type(w, "Edit13", "-3");
    w->control<QWidget>("Edit1")->setFocus();
    click(w, "Button5");
    QCOMPARE(p->messenger.texts(), QStringList{u("Velocidade inicial com valor negativo, ajuste seus dados")});
    QCOMPARE(focused(w), QStringLiteral("Edit13"));
    QCOMPARE(textOf(w, "Label32"), QStringLiteral("Altura gerada =14.3080 m"));
    QVERIFY(visible(w, "Label32") && visible(w, "Label37"));
    // The refused press drew nothing: the next good one is the second draw.
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    QCOMPARE(textOf(w, "Label32"), QStringLiteral("Altura gerada =10.5840 m"));
}

void RectilinearTest::exercise3DrawsFromTheProgramSequence()
{
    // The draw belongs to the program, not the window: a draw made elsewhere
    // moves the next height on.
    p->registry->random().percentage(); // 73, as another window would draw it
    auto* w = p->open(2);
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    QCOMPARE(textOf(w, "Label32"), QStringLiteral("Altura gerada =10.5840 m"));
}

void RectilinearTest::faultShowsErrorBoxAndKeepsEarlierWrites()
{
    auto* w = p->open(2);
    type(w, "Edit13", "1e200");
    click(w, "Button5");
    QCOMPARE(p->messenger.boxes.size(), std::size_t(1));
    QVERIFY(p->messenger.boxes[0].fault);
    QCOMPARE(p->messenger.boxes[0].text, QStringLiteral("Floating point overflow."));
    QVERIFY(visible(w, "Label34"));
    QVERIFY(textOf(w, "Label34").startsWith(QStringLiteral("Tempo de chegada =")));
    QVERIFY(!visible(w, "Label33"));
    QVERIFY(!visible(w, "Label32"));
}

void RectilinearTest::clearExercise1()
{
    auto* w = p->open(2);
    for (const char* e : {"Edit1", "Edit2", "Edit4", "Edit7", "Edit13"})
        type(w, e, "4");
    click(w, "Button1");
    click(w, "Button3");
    w->control<QWidget>("Button5")->setFocus();
    click(w, "Button2");
    for (const char* e : {"Edit1", "Edit2", "Edit3", "Edit4"})
        QCOMPARE(textOf(w, e), QString());
    QCOMPARE(textOf(w, "Edit5"), kPlaceholder);
    QCOMPARE(textOf(w, "Edit6"), kPlaceholder);
    QCOMPARE(focused(w), QStringLiteral("Edit1"));
    // The other exercises keep what they hold.
    QCOMPARE(textOf(w, "Edit7"), QStringLiteral("4"));
    QCOMPARE(textOf(w, "Edit11"), QStringLiteral("0.0000 m/s"));
    QCOMPARE(textOf(w, "Edit13"), QStringLiteral("4"));
    QVERIFY(p->messenger.boxes.empty());
}

void RectilinearTest::clearExercise2()
{
    auto* w = p->open(2);
    for (const char* e : {"Edit2", "Edit4", "Edit7", "Edit8", "Edit9", "Edit10"})
        type(w, e, "2");
    click(w, "Button1");
    click(w, "Button3");
    click(w, "Button4");
    for (const char* e : {"Edit7", "Edit8", "Edit9", "Edit10"})
        QCOMPARE(textOf(w, e), QString());
    QCOMPARE(textOf(w, "Edit11"), kPlaceholder);
    QCOMPARE(textOf(w, "Edit12"), kPlaceholder);
    QCOMPARE(focused(w), QStringLiteral("Edit7"));
    QCOMPARE(textOf(w, "Edit5"), QStringLiteral("1.0000 m/s"));
    QCOMPARE(textOf(w, "Edit2"), QStringLiteral("2"));
}

void RectilinearTest::clearExercise3()
{
    auto* w = p->open(2);
    type(w, "Edit1", "7");
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    w->control<QCheckBox>("CheckBox1")->setChecked(true);
    w->control<QWidget>("Label38")->show();
    click(w, "Button6");
    QVERIFY(!w->control<QCheckBox>("CheckBox1")->isChecked());
    for (const char* l : {"Label32", "Label33", "Label34", "Label35", "Label36", "Label37", "Label38"})
        QVERIFY2(!visible(w, l), l);
    // Hidden, not emptied: the next press overwrites them.
    QCOMPARE(textOf(w, "Label32"), QStringLiteral("Altura gerada =14.3080 m"));
    QCOMPARE(textOf(w, "Edit13"), QString());
    QCOMPARE(focused(w), QStringLiteral("Edit13"));
    QCOMPARE(textOf(w, "Edit1"), QStringLiteral("7"));
    // And the clear drew nothing either.
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    QCOMPARE(textOf(w, "Label32"), QStringLiteral("Altura gerada =10.5840 m"));
    QVERIFY(visible(w, "Label32"));
}

void RectilinearTest::writtenCellsShowTheirStart()
{
    auto* w = p->open(2);
    auto cursor = [w](const char* name) { return w->control<QLineEdit>(name)->cursorPosition(); };
    // Typing keeps the cursor behind the last character typed.
    QTest::keyClicks(w->control<QLineEdit>("Edit1"), QStringLiteral("12000000"));
    QCOMPARE(cursor("Edit1"), 8);
    for (const auto& [cell, text] : {std::pair{"Edit2", "0"}, {"Edit3", "0"}, {"Edit4", "1"}})
        type(w, cell, QString::fromLatin1(text));
    // Every cell the program writes shows the sign and first digits of a long answer.
    click(w, "Button1");
    QCOMPARE(textOf(w, "Edit6"), u("-24000000.0000 m/s²"));
    QCOMPARE(cursor("Edit5"), 0);
    QCOMPARE(cursor("Edit6"), 0);
    QTest::keyClicks(w->control<QLineEdit>("Edit13"), QStringLiteral("123456789012"));
    QCOMPARE(cursor("Edit13"), 12);
    w->control<QCheckBox>("CheckBox1")->setChecked(true);
    trigger(w, "kmhms1");
    QCOMPARE(textOf(w, "Edit13"), QStringLiteral("34197530556.3240"));
    QCOMPARE(cursor("Edit13"), 0);
    click(w, "Button2");
    QCOMPARE(textOf(w, "Edit5"), kPlaceholder);
    QCOMPARE(cursor("Edit5"), 0);
    QCOMPARE(cursor("Edit6"), 0);
}

QTEST_MAIN(RectilinearTest)
#include "rectilinear_test.moc"
