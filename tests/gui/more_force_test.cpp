// The second and third windows of further force and motion exercises (Form8,
// Form9): what only the windows show, message order and focus, labels kept
// after a refused press or a fault, the clears, the design state and the menus.
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "support.h"

using tavek::FormNumber;
using tavek::FormWindow;

namespace {
const QString kMassA = QString::fromUtf8("Massa do bloco A inválida. Ajuste seus dados");
const QString kMassB = QString::fromUtf8("Massa do bloco B inválida. Ajuste seus dados");
const QString kAngle = QString::fromUtf8("Medida do ângulo inválida. Ajuste seus dados");
const QString kKinetic = QString::fromUtf8("Ajuste o valor do Coeficiente de Atrito cinético");
const QString kLength = QString::fromUtf8("Medida do comprimento CA inválida. Ajuste seus dados");

bool allVisible(FormWindow* w, std::initializer_list<const char*> labels)
{
    for (const char* l : labels)
        if (!visible(w, l))
            return false;
    return true;
}

bool noneVisible(FormWindow* w, std::initializer_list<const char*> labels)
{
    for (const char* l : labels)
        if (visible(w, l))
            return false;
    return true;
}

#define FORM8_RESULTS "Label17", "Label18", "Label8", "Label9", "Label10"
#define FORM9_RESULTS_6 "Label17", "Label18", "Label8", "Label9", "Label10", "Label13"
#define FORM9_RESULTS_7                                                                                           \
    "Label24", "Label31", "Label32", "Label33", "Label34", "Label35", "Label36", "Label37", "Label38", "Label39", \
        "Label40", "Label41"

} // namespace

class MoreForceTest : public ProgramTest {
    Q_OBJECT
private slots:
    void designState_data();
    void designState();
    void tabOrders();
    void menus();

    void incline5SeveralMessages();
    void incline5KeepsLabelsWhenRefusedRewritesThemBalanced();
    void clears8();
    void wall6MessagesAndClear();

    void friction6ResultsAndClear();
    void climb7SeveralMessages();
    void climb7KeepsLabelsAfterFaultAndRefusals();
    void climb7ClearKeepsTexts();
    void malformedCellsStopBeforeChecks();
    void lockPaintsEveryResultLabel_data();
    void lockPaintsEveryResultLabel();
};

void MoreForceTest::designState_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QRect>("geometry");

    auto row = [](const char* tag, FormNumber f, const char* name, const char* text, bool shown, QRect g) {
        QTest::newRow(tag) << static_cast<int>(f) << QString::fromLatin1(name) << QString::fromUtf8(text) << shown
                           << g;
    };
    const FormNumber f8 = 8, f9 = 9;
    row("8 notice", f8, "Label14", "Todos os resultados serão dados na unidade SI", true, {304, 8, 271, 13});
    row("8 statement 3", f8, "Label2", " para que lado que o sistema se move, o  pesos dos blocos,", true,
        {8, 144, 341, 13});
    row("8 Edit3", f8, "Edit3", "", true, {144, 328, 57, 21});
    row("8 Button1", f8, "Button1", "Calcular", true, {16, 248, 97, 17});
    row("8 Button4", f8, "Button4", "Limpar Campos", true, {528, 208, 97, 17});
    row("8 Edit5", f8, "Edit5", "", true, {512, 160, 57, 21});
    row("8 Label17", f8, "Label17", "MOVIMENTO DO SISTEMA", false, {8, 370, 160, 13});
    row("8 Label22", f8, "Label22", "PESO A", false, {536, 378, 46, 13});
    row("8 password", f8, "Label34", "SENHA", false, {376, 32, 43, 13});
    row("8 Edit15", f8, "Edit15", "", false, {685, 0, 57, 21});
    row("8 Button8", f8, "Button8", "Redigite Senha", false, {670, 24, 81, 17});
    row("9 statement line 4", f9, "Label20",
        "pelas forças em A  e B, a velocidade com que o corpo A chega ao topo do plano", true, {264, 80, 460, 13});
    row("9 HIP mark", f9, "Label29", "HIP", true, {592, 152, 22, 13});
    row("9 CO mark", f9, "Label28", "CO", true, {760, 192, 18, 13});
    row("9 Edit9", f9, "Edit9", "", true, {704, 264, 57, 21});
    row("9 Button3", f9, "Button3", "Calcular", true, {384, 216, 81, 17});
    row("9 Label13", f9, "Label13", "FAT", false, {8, 426, 25, 13});
    row("9 Label41", f9, "Label41", "VEL e TEMPO", false, {392, 474, 82, 13});
    row("9 password", f9, "Label42", "SENHA", false, {592, 8, 43, 13});
    row("9 Edit14", f9, "Edit14", "", false, {104, 0, 57, 21});
    row("9 Button7", f9, "Button7", "Crie senha", false, {96, 24, 65, 17});
}

void MoreForceTest::designState()
{
    QFETCH(int, form);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(bool, shown);
    QFETCH(QRect, geometry);
    FormWindow* w = p->open(static_cast<FormNumber>(form));
    const QByteArray name = control.toLatin1();
    auto* c = w->control<QWidget>(name.constData());
    QVERIFY2(c, name.constData());
    QCOMPARE(c->parentWidget(), w->centralWidget());
    QCOMPARE(textOf(w, name.constData()), text);
    QCOMPARE(visible(w, name.constData()), shown);
    QCOMPARE(c->geometry(), geometry);
}

void MoreForceTest::tabOrders()
{
    const QStringList order8 = {"Edit1", "Edit2", "Edit3", "Button1", "Button2", "Edit4", "Edit5",
                                "Button3", "Button4", "Edit14", "Edit15", "Button7", "Button8"};
    QCOMPARE(tabOrder(p->open(8), order8), order8);
    const QStringList order9 = {"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Button2", "Edit5", "Edit6", "Edit7",
                                "Edit8", "Edit9", "Button3", "Button4", "Edit14", "Edit15", "Button7", "Button8"};
    QCOMPARE(tabOrder(p->open(9), order9), order9);
}

void MoreForceTest::menus()
{
    FormWindow* form8 = p->open(8);
    QCOMPARE(form8->windowTitle(), QString::fromUtf8("TAVEK 1 - Mais Exercicios de Força e Movimento - 2"));
    QCOMPARE(form8->centralWidget()->size(), QSize(755, 489));
    trigger(form8, "MaisexercciosdeForaeMovimento31");
    FormWindow* form9 = p->form(9);
    QVERIFY(form9->isVisible());
    QVERIFY(form8->isVisible());
    QCOMPARE(form9->windowTitle(), QString::fromUtf8("TAVEK 1 - Mais Exercicios de Força e Movimento - 3"));
    QCOMPARE(form9->centralWidget()->size(), QSize(780, 493));
    // The last window of the chain leads nowhere further.
    QVERIFY(!form9->control<QAction>("MaisexercciosdeForaeMovimento31"));
    trigger(form9, "Conversesdeunidades1");
    QVERIFY(p->form(3)->isVisible());
    trigger(form9, "FecharJanela1");
    QVERIFY(!form9->isVisible());
    QVERIFY(form8->isVisible());
}

void MoreForceTest::incline5SeveralMessages()
{
    FormWindow* w = p->open(8);
    typeAll(w, {{"Edit1", "0"}, {"Edit2", "-3"}, {"Edit3", "120"}});
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), (QStringList{kMassA, kMassB, QString::fromUtf8("Ajuste a medida do ângulo")}));
    QCOMPARE(focused(w), QString("Edit3"));
    QVERIFY(noneVisible(w, {FORM8_RESULTS}));

    p->messenger.clear();
    typeAll(w, {{"Edit1", ""}, {"Edit2", "10"}, {"Edit3", "30"}});
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), QStringList{kMassA});
    QCOMPARE(focused(w), QString("Edit1"));
}

void MoreForceTest::incline5KeepsLabelsWhenRefusedRewritesThemBalanced()
{
    FormWindow* w = p->open(8);
    typeAll(w, {{"Edit1", "10"}, {"Edit2", "10"}, {"Edit3", "30"}});
    click(w, "Button1");
    QVERIFY(p->messenger.boxes.empty());
    QVERIFY(allVisible(w, {FORM8_RESULTS}));
    const QStringList first = texts(w, {FORM8_RESULTS});
    QCOMPARE(first.at(0), QString::fromUtf8("|PB > PA | - Sistema se move da esquerda para direita"));
    QCOMPARE(first.at(4), QString::fromUtf8("Tensão da corda = 73.4887 N"));
    // A written label fits its text.
    auto* direction = w->control<QLabel>("Label17");
    QVERIFY(direction->width() >= direction->sizeHint().width());

    typeAll(w, {{"Edit3", "0"}});
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), QStringList{kAngle});
    QCOMPARE(texts(w, {FORM8_RESULTS}), first);
    QVERIFY(allVisible(w, {FORM8_RESULTS}));

    // Equal pulls: a balance, every label rewritten; none keeps the direction
    // and tension of the first press (as the design left them).
    typeAll(w, {{"Edit1", "1"}, {"Edit2", "0.4997701026431024"}, {"Edit3", "30"}});
    click(w, "Button1");
    QCOMPARE(textOf(w, "Label9"), QString::fromUtf8("Aceleração do sistema = 0.0000 m/s²"));
    QCOMPARE(textOf(w, "Label18"), QString::fromUtf8("PX do Bloco A = 4.90 N"));
    QCOMPARE(textOf(w, "Label17"), QString::fromUtf8("|PA = PB | - Sistema em equilíbrio"));
    QCOMPARE(textOf(w, "Label10"), QString::fromUtf8("Tensão da corda = 4.8977 N"));
}

void MoreForceTest::clears8()
{
    FormWindow* w = p->open(8);
    typeAll(w, {{"Edit1", "20"}, {"Edit2", "5"}, {"Edit3", "60"}, {"Edit4", "0.5"}, {"Edit5", "10"}});
    click(w, "Button1");
    click(w, "Button3");
    const QStringList before = texts(w, {FORM8_RESULTS, "Label21", "Label22"});

    click(w, "Button2");
    QVERIFY(noneVisible(w, {FORM8_RESULTS}));
    QVERIFY(allVisible(w, {"Label21", "Label22"}));
    QCOMPARE(texts(w, {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}),
             (QStringList{"", "", "", "0.5", "10"}));
    QCOMPARE(focused(w), QString("Edit1"));

    click(w, "Button4");
    QVERIFY(noneVisible(w, {"Label21", "Label22"}));
    QCOMPARE(texts(w, {"Edit4", "Edit5"}), (QStringList{"", ""}));
    QCOMPARE(focused(w), QString("Edit4"));
    // Hidden, not emptied.
    QCOMPARE(texts(w, {FORM8_RESULTS, "Label21", "Label22"}), before);
}

void MoreForceTest::wall6MessagesAndClear()
{
    FormWindow* w = p->open(8);
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(),
             (QStringList{QString::fromUtf8("Massa inválida. Ajuste seus dados"),
                          QString::fromUtf8("Ajuste o valor do coeficiente de atrito estático.")}));
    QCOMPARE(focused(w), QString("Edit4"));
    QVERIFY(noneVisible(w, {"Label21", "Label22"}));

    typeAll(w, {{"Edit4", "0.5"}, {"Edit5", "10"}});
    click(w, "Button3");
    QCOMPARE(textOf(w, "Label21"), QString::fromUtf8("Força miníma que deve ser exercida = 196.0000 N"));
    QCOMPARE(textOf(w, "Label22"), QString::fromUtf8("Peso do Bloco = 98.00 N"));
    QVERIFY(allVisible(w, {"Label21", "Label22"}));
}

void MoreForceTest::friction6ResultsAndClear()
{
    FormWindow* w = p->open(9);
    typeAll(w, {{"Edit1", "0.2"}, {"Edit2", "20"}, {"Edit3", "5"}, {"Edit4", "60"}});
    click(w, "Button1");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(texts(w, {FORM9_RESULTS_6}),
             (QStringList{QString::fromUtf8("|PA > PB | - Sistema se move da direita para esquerda"),
                          QString::fromUtf8("PX do bloco A = 169.69 N    PY do bloco A =98.09 N"),
                          QString::fromUtf8("Peso do bloco B = 49.00 N"),
                          QString::fromUtf8("Aceleração do sistema = 4.04 m/s²"),
                          QString::fromUtf8("Tensão da corda = 69.21 N"),
                          QString::fromUtf8("Força de Atrito = 19.62 N")}));
    QVERIFY(allVisible(w, {FORM9_RESULTS_6}));

    click(w, "Button2");
    QVERIFY(noneVisible(w, {FORM9_RESULTS_6}));
    QCOMPARE(texts(w, {"Edit1", "Edit2", "Edit3", "Edit4"}), (QStringList{"", "", "", ""}));
    QCOMPARE(focused(w), QString("Edit1"));

    // Empty cells: all four checks speak, the focus ends on the angle.
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), (QStringList{kKinetic, kMassA, kMassB, kAngle}));
    QCOMPARE(focused(w), QString("Edit4"));
    QVERIFY(noneVisible(w, {FORM9_RESULTS_6}));
}

void MoreForceTest::climb7SeveralMessages()
{
    FormWindow* w = p->open(9);
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), (QStringList{kKinetic, kMassA, kMassB, kAngle, kLength}));
    QCOMPARE(focused(w), QString("Edit9"));
    QVERIFY(noneVisible(w, {FORM9_RESULTS_7}));
}

void MoreForceTest::climb7KeepsLabelsAfterFaultAndRefusals()
{
    FormWindow* w = p->open(9);
    typeAll(w, {{"Edit5", "0.1"}, {"Edit6", "10"}, {"Edit7", "10"}, {"Edit8", "30"}, {"Edit9", "10"}});
    click(w, "Button3");
    QVERIFY(p->messenger.boxes.empty());
    QVERIFY(allVisible(w, {FORM9_RESULTS_7}));
    const QStringList first = texts(w, {FORM9_RESULTS_7});
    QCOMPARE(first.at(10), QString::fromUtf8("WTENSÃO =897.44 J"));
    QCOMPARE(first.at(11), QString::fromUtf8("Velocidade de A =6.84 m/s | Tempo de chegada =3.38 s"));

    // Friction holds A: a message on the friction cell, and not one line changes.
    const QStringList holds{QString::fromUtf8("PA + FAT ≥ PB - Não há movimentação do sistema")};
    type(w, "Edit5", "1");
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), holds);
    QVERIFY(!p->messenger.boxes.front().fault);
    QCOMPARE(focused(w), QString("Edit5"));
    QCOMPARE(texts(w, {FORM9_RESULTS_7}), first);
    QVERIFY(allVisible(w, {FORM9_RESULTS_7}));

    // Friction takes up the difference exactly: the same.
    p->messenger.clear();
    typeAll(w, {{"Edit5", "0.1"}, {"Edit7", "5.863859120836486"}});
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), holds);
    QCOMPARE(texts(w, {FORM9_RESULTS_7}), first);

    p->messenger.clear();
    typeAll(w, {{"Edit7", "10"}, {"Edit8", "90"}});
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), QStringList{QString::fromUtf8("Divisão por zero. Ajuste seus dados")});
    QVERIFY(!p->messenger.boxes.front().fault);
    QCOMPARE(focused(w), QString("Edit8"));
    QCOMPARE(texts(w, {FORM9_RESULTS_7}), first);

    p->messenger.clear();
    typeAll(w, {{"Edit6", "20"}, {"Edit7", "5"}, {"Edit8", "60"}});
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), QStringList{QString::fromUtf8("PA > PB + FAT - O bloco A desce o plano")});
    QCOMPARE(focused(w), QString("Edit5"));
    QCOMPARE(texts(w, {FORM9_RESULTS_7}), first);
    QVERIFY(allVisible(w, {FORM9_RESULTS_7}));
}

void MoreForceTest::climb7ClearKeepsTexts()
{
    FormWindow* w = p->open(9);
    typeAll(w, {{"Edit1", "0.1"}, {"Edit2", "10"}, {"Edit3", "10"}, {"Edit4", "30"}});
    typeAll(w, {{"Edit5", "0.1"}, {"Edit6", "10"}, {"Edit7", "10"}, {"Edit8", "30"}, {"Edit9", "10"}});
    click(w, "Button1");
    click(w, "Button3");
    const QStringList before = texts(w, {FORM9_RESULTS_7});

    click(w, "Button4");
    QVERIFY(noneVisible(w, {FORM9_RESULTS_7}));
    QCOMPARE(texts(w, {FORM9_RESULTS_7}), before);
    QCOMPARE(texts(w, {"Edit5", "Edit6", "Edit7", "Edit8", "Edit9"}), (QStringList{"", "", "", "", ""}));
    QCOMPARE(focused(w), QString("Edit5"));
    // The other exercise is untouched.
    QVERIFY(allVisible(w, {FORM9_RESULTS_6}));
    QCOMPARE(textOf(w, "Edit1"), QString("0.1"));
}

void MoreForceTest::malformedCellsStopBeforeChecks()
{
    FormWindow* w = p->open(9);
    typeAll(w, {{"Edit5", "0,,1"}, {"Edit6", ""}, {"Edit7", "10 kg"}, {"Edit8", "30"}, {"Edit9", ""}});
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), (QStringList{kInvalid, kInvalid}));
    QCOMPARE(focused(w), QString("Edit7"));
    QVERIFY(noneVisible(w, {FORM9_RESULTS_7}));
}

void MoreForceTest::lockPaintsEveryResultLabel_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("reveal");
    QTest::addColumn<QString>("password");
    QTest::newRow("Form8") << static_cast<int>(8)
                           << QStringList{FORM8_RESULTS, "Label21", "Label22"} << QString("Label13")
                           << QString("Label34");
    QTest::newRow("Form9") << static_cast<int>(9) << QStringList{FORM9_RESULTS_6, FORM9_RESULTS_7}
                           << QString("Label25") << QString("Label42");
}

void MoreForceTest::lockPaintsEveryResultLabel()
{
    QFETCH(int, form);
    QFETCH(QStringList, labels);
    QFETCH(QString, reveal);
    QFETCH(QString, password);
    FormWindow* w = p->open(static_cast<FormNumber>(form));
    FormWindow* other = p->open(form == static_cast<int>(8) ? 9 : 8);
    trigger(w, "DesabilitarcdulasdeResultados1");
    type(w, "Edit14", "prof");
    click(w, "Button7");
    type(w, "Edit15", "prof");
    click(w, "Button8");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(focused(w), QString("Edit1"));
    for (const QString& l : labels) {
        auto* label = w->control<QLabel>(l.toLatin1().constData());
        QVERIFY2(label, qPrintable(l));
        QVERIFY2(label->styleSheet().contains("background-color: #ff0000;"), qPrintable(l));
        // The other window keeps its answers readable.
        if (auto* twin = other->control<QLabel>(l.toLatin1().constData()))
            QVERIFY2(!twin->styleSheet().contains("background-color"), qPrintable(l));
    }
    // A right press on the exercise number shows the password only once the
    // answers are readable again.
    auto* number = w->control<QLabel>(reveal.toLatin1().constData());
    QTest::mouseClick(number, Qt::RightButton);
    QVERIFY(!visible(w, password.toLatin1().constData()));
    unlock(w, "prof");
    QTest::mouseClick(number, Qt::RightButton);
    QVERIFY(visible(w, password.toLatin1().constData()));
    QCOMPARE(textOf(w, password.toLatin1().constData()), QString("Senha : prof"));
}

QTEST_MAIN(MoreForceTest)
#include "more_force_test.moc"
