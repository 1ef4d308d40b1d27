// What only the windows show: boxes in a row and where the focus ends, answers
// kept after a refused press, clears, the menu chain.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "support.h"

using tavek::FormNumber;
using tavek::FormWindow;

namespace {
const char* const kForm6Results[] = {"Label12", "Label2", "Label3", "Label4", "Label17", "Label18", "Label16"};
const char* const kForm7Results[] = {"Label4",  "Label15", "Label16", "Label17", "Label18", "Label19",
                                     "Label29", "Label30", "Label31", "Label32", "Label33"};

} // namespace

class ForceTest : public ProgramTest {
    Q_OBJECT
private slots:
    void startsWithAnswersAndLockHidden_data();
    void startsWithAnswersAndLockHidden();
    void tabOrders();

    void form6TensionsAndClear();
    void form6SeveralMessagesFocusLast();
    void form6RefusedPressKeepsAnswers();
    void form6SilentZeroChangesNothing();
    void form6MalformedCellIsRefused();

    void form7RowAndClear();
    void form7HangingBlockAndClear();
    void form7SeveralMessagesFocusLast();
    void form7RefusedPressKeepsAnswers();
    void form7FaultKeepsWhatCameBefore();

    void menuChain();
    void lockCoversEveryAnswer_data();
    void lockCoversEveryAnswer();
};

void ForceTest::startsWithAnswersAndLockHidden_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("hidden");
    QStringList six{"Label19", "Edit14", "Edit15", "Button7", "Button8"};
    for (const char* r : kForm6Results)
        six << r;
    QStringList seven{"Label34", "Edit14", "Edit15", "Button7", "Button8"};
    for (const char* r : kForm7Results)
        seven << r;
    QTest::newRow("Form6") << 6 << six;
    QTest::newRow("Form7") << 7 << seven;
}

void ForceTest::startsWithAnswersAndLockHidden()
{
    QFETCH(int, form);
    QFETCH(QStringList, hidden);
    auto* w = p->open(static_cast<FormNumber>(form));
    for (const QString& name : hidden) {
        QVERIFY2(w->control(name.toLatin1().constData()), qPrintable(name));
        QVERIFY2(!visible(w, name.toLatin1().constData()), qPrintable(name));
    }
    QVERIFY(visible(w, "Label14"));
    QCOMPARE(textOf(w, "Label14"), u("Todos os resultados serão dados na unidade SI"));
    QCOMPARE(textOf(w, "Button7"), u("Crie senha"));
    QCOMPARE(textOf(w, "Button8"), u("Redigite Senha"));
}

void ForceTest::tabOrders()
{
    const QStringList six{"Edit1", "Button1", "Button2", "Edit2", "Edit3", "Edit4",
                          "Button3", "Button4", "Edit14", "Edit15", "Button7", "Button8"};
    QCOMPARE(tabOrder(p->open(6), six), six);
    const QStringList seven{"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Button2", "Edit5", "Edit6",
                            "Edit7", "Edit8", "Button3", "Button4", "Edit14", "Edit15", "Button7", "Button8"};
    QCOMPARE(tabOrder(p->open(7), seven), seven);
}

void ForceTest::form6TensionsAndClear()
{
    auto* w = p->open(6);
    type(w, "Edit1", "10");
    click(w, "Button1");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(textOf(w, "Label12"), u("Tensão A = 69.50 N"));
    QCOMPARE(textOf(w, "Label2"), u("Tensão B = 89.43 N"));
    QCOMPARE(textOf(w, "Label3"), u("Tensão C = 98.00 N"));
    QCOMPARE(textOf(w, "Label4"), u("Peso do Bloco = 98.00 N"));
    for (const char* l : {"Label12", "Label2", "Label3", "Label4"}) {
        QVERIFY2(visible(w, l), l);
        auto* label = w->control<QLabel>(l);
        QVERIFY2(label->width() >= label->sizeHint().width(), l); // the whole line shows
    }
    QVERIFY(!visible(w, "Label16")); // the other exercise is untouched

    click(w, "Button2");
    for (const char* l : {"Label12", "Label2", "Label3", "Label4"})
        QVERIFY2(!visible(w, l), l);
    QCOMPARE(textOf(w, "Edit1"), QString());
    QCOMPARE(focused(w), u("Edit1"));
    QCOMPARE(textOf(w, "Label4"), u("Peso do Bloco = 98.00 N")); // hidden, not emptied

    type(w, "Edit1", "1");
    click(w, "Button1");
    QVERIFY(visible(w, "Label12"));
    QCOMPARE(textOf(w, "Label12"), u("Tensão A = 6.95 N"));
    QCOMPARE(textOf(w, "Label4"), u("Peso do Bloco = 9.80 N"));

    type(w, "Edit2", "10");
    type(w, "Edit3", "98");
    type(w, "Edit4", "20");
    click(w, "Button3");
    QCOMPARE(textOf(w, "Label16"), u("Aceleração = 0.5765 m/s²"));
    QCOMPARE(textOf(w, "Label17"), u("Componente do vetor F2 em X = 15.7654 N"));
    QCOMPARE(textOf(w, "Label18"), u("Massa do Bloco= 10.00 kg"));
    click(w, "Button4");
    for (const char* l : {"Label16", "Label17", "Label18"})
        QVERIFY2(!visible(w, l), l);
    for (const char* e : {"Edit2", "Edit3", "Edit4"})
        QCOMPARE(textOf(w, e), QString());
    QCOMPARE(focused(w), u("Edit2"));
    QVERIFY(visible(w, "Label12")); // clear 2 leaves exercise 1 alone
}

void ForceTest::form6SeveralMessagesFocusLast()
{
    auto* w = p->open(6);
    for (const char* e : {"Edit2", "Edit3", "Edit4"})
        type(w, e, "-1");
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), QStringList({u("F1 com valor negativo. Ajuste seus dados"),
                                               u("F2 com valor negativo. Ajuste seus dados"),
                                               u("Peso com valor negativo. Ajuste seus dados")}));
    QCOMPARE(focused(w), u("Edit3"));
    for (const char* l : {"Label16", "Label17", "Label18"})
        QVERIFY2(!visible(w, l), l);
    for (const auto& box : p->messenger.boxes) {
        QVERIFY(!box.fault);
        QCOMPARE(box.window, u("Form6"));
    }
}

void ForceTest::form6RefusedPressKeepsAnswers()
{
    auto* w = p->open(6);
    type(w, "Edit1", "10");
    click(w, "Button1");
    type(w, "Edit1", "-1");
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), QStringList({u("Massa com medida negativa. Ajuste seus dados")}));
    QCOMPARE(focused(w), u("Edit1"));
    QVERIFY(visible(w, "Label12"));
    QCOMPARE(textOf(w, "Label12"), u("Tensão A = 69.50 N"));

    type(w, "Edit2", "10");
    type(w, "Edit3", "98");
    type(w, "Edit4", "20");
    click(w, "Button3");
    type(w, "Edit2", "20");
    w->control("Edit4")->setFocus(); // so the move to Edit2 is seen
    click(w, "Button3");
    QCOMPARE(p->messenger.texts().last(), u("F2 < F1 - Ajuste seus dados"));
    QCOMPARE(focused(w), u("Edit2"));
    QVERIFY(visible(w, "Label16"));
    QCOMPARE(textOf(w, "Label16"), u("Aceleração = 0.5765 m/s²"));
    QCOMPARE(textOf(w, "Label18"), u("Massa do Bloco= 10.00 kg"));
}

void ForceTest::form6SilentZeroChangesNothing()
{
    auto* w = p->open(6);
    click(w, "Button1"); // empty mass
    type(w, "Edit2", "0");
    type(w, "Edit3", "98");
    type(w, "Edit4", "20");
    click(w, "Button3");
    QVERIFY(p->messenger.boxes.empty());
    for (const char* l : kForm6Results)
        QVERIFY2(!visible(w, l), l);
}

void ForceTest::form6MalformedCellIsRefused()
{
    auto* w = p->open(6);
    type(w, "Edit1", "1,,5");
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), QStringList({u("Valor inválido. Ajuste seus dados")}));
    QCOMPARE(focused(w), u("Edit1"));
    QVERIFY(!visible(w, "Label12"));
    QCOMPARE(textOf(w, "Edit1"), u("1,,5")); // the cell is left for the student to mend
}

void ForceTest::form7RowAndClear()
{
    auto* w = p->open(7);
    for (const char* e : {"Edit1", "Edit2", "Edit3"})
        type(w, e, "98");
    type(w, "Edit4", "30");
    click(w, "Button1");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(textOf(w, "Label4"), u("Massa do Bloco 1 =10.00 kg"));
    QCOMPARE(textOf(w, "Label15"), u("Massa do Bloco 2 =10.00 kg"));
    QCOMPARE(textOf(w, "Label16"), u("Massa do Bloco 3 =10.00 kg"));
    QCOMPARE(textOf(w, "Label17"), u("Aceleração do Sistema = 1.0000 m/s²"));
    QCOMPARE(textOf(w, "Label18"), u("Tensão 1 = 20.0000 N"));
    QCOMPARE(textOf(w, "Label19"), u("Tensão 2 = 10.0000 N"));
    const char* const row[] = {"Label4", "Label15", "Label16", "Label17", "Label18", "Label19"};
    for (const char* l : row)
        QVERIFY2(visible(w, l), l);

    click(w, "Button2");
    for (const char* l : row)
        QVERIFY2(!visible(w, l), l);
    for (const char* e : {"Edit1", "Edit2", "Edit3", "Edit4"})
        QCOMPARE(textOf(w, e), QString());
    QCOMPARE(focused(w), u("Edit1"));

    for (const char* e : {"Edit1", "Edit2", "Edit3"})
        type(w, e, "9.8");
    type(w, "Edit4", "0");
    click(w, "Button1");
    QCOMPARE(textOf(w, "Label4"), u("Massa do Bloco 1 =1.00 kg"));
    QCOMPARE(textOf(w, "Label17"), u("Aceleração do Sistema = 0.0000 m/s²"));
    QVERIFY(visible(w, "Label19"));
}

void ForceTest::form7HangingBlockAndClear()
{
    auto* w = p->open(7);
    for (const char* e : {"Edit5", "Edit6", "Edit7", "Edit8"})
        type(w, e, "1");
    click(w, "Button3");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(textOf(w, "Label29"), u("Peso do Bloco D = 9.80 N"));
    QCOMPARE(textOf(w, "Label33"), u("Aceleração do sistema = 2.4500 m/s²"));
    QCOMPARE(textOf(w, "Label30"), u("Tensão 1 = 7.3500 N"));
    QCOMPARE(textOf(w, "Label31"), u("Tensão 2 = 4.9000 N"));
    QCOMPARE(textOf(w, "Label32"), u("Tensão 3 = 2.4500 N"));
    const char* const hanging[] = {"Label29", "Label30", "Label31", "Label32", "Label33"};
    for (const char* l : hanging)
        QVERIFY2(visible(w, l), l);

    click(w, "Button4");
    for (const char* l : hanging)
        QVERIFY2(!visible(w, l), l);
    for (const char* e : {"Edit5", "Edit6", "Edit7", "Edit8"})
        QCOMPARE(textOf(w, e), QString());
    QCOMPARE(focused(w), u("Edit5"));

    type(w, "Edit5", "1");
    type(w, "Edit6", "2");
    type(w, "Edit7", "3");
    type(w, "Edit8", "4");
    click(w, "Button3");
    QCOMPARE(textOf(w, "Label29"), u("Peso do Bloco D = 39.20 N"));
    QCOMPARE(textOf(w, "Label31"), u("Tensão 2 = 11.7600 N"));
    QVERIFY(visible(w, "Label32"));
}

void ForceTest::form7SeveralMessagesFocusLast()
{
    auto* w = p->open(7);
    click(w, "Button1"); // all four empty: the force reads 0 and passes
    QCOMPARE(p->messenger.texts(), QStringList(3, u("Peso inválido. Ajuste seus dados")));
    QCOMPARE(focused(w), u("Edit3"));

    p->messenger.clear();
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), QStringList({u("Massa A inválida. Ajuste seus dados"),
                                               u("Massa B inválida. Ajuste seus dados"),
                                               u("Massa C inválida. Ajuste seus dados"),
                                               u("Massa D inválida. Ajuste seus dados")}));
    QCOMPARE(focused(w), u("Edit8"));

    p->messenger.clear();
    type(w, "Edit1", "abc");
    type(w, "Edit4", "-1 ");
    type(w, "Edit2", "1");
    type(w, "Edit3", "-1,5.0");
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), QStringList(2, u("Valor inválido. Ajuste seus dados")));
    QCOMPARE(focused(w), u("Edit3"));
    for (const char* l : kForm7Results)
        QVERIFY2(!visible(w, l), l);
}

void ForceTest::form7RefusedPressKeepsAnswers()
{
    auto* w = p->open(7);
    for (const char* e : {"Edit5", "Edit6", "Edit7", "Edit8"})
        type(w, e, "1");
    click(w, "Button3");
    type(w, "Edit6", "0");
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), QStringList({u("Massa B inválida. Ajuste seus dados")}));
    QCOMPARE(focused(w), u("Edit6"));
    QVERIFY(visible(w, "Label30"));
    QCOMPARE(textOf(w, "Label30"), u("Tensão 1 = 7.3500 N"));
    QCOMPARE(textOf(w, "Label29"), u("Peso do Bloco D = 9.80 N"));
}

void ForceTest::form7FaultKeepsWhatCameBefore()
{
    auto* w = p->open(7);
    for (const char* e : {"Edit1", "Edit2", "Edit3"})
        type(w, e, "5e-324"); // masses too small to be told from zero
    type(w, "Edit4", "1");
    click(w, "Button1");
    QCOMPARE(p->messenger.boxes.size(), size_t(1));
    QVERIFY(p->messenger.boxes[0].fault);
    QCOMPARE(p->messenger.boxes[0].text, u("Floating point division by zero."));
    QVERIFY(visible(w, "Label4"));
    QCOMPARE(textOf(w, "Label4"), u("Massa do Bloco 1 =0.00 kg"));
    QVERIFY(!visible(w, "Label17"));
    QVERIFY(!visible(w, "Label18"));
}

void ForceTest::menuChain()
{
    auto* f6 = p->open(6);
    auto* more1 = f6->control<QAction>("Maisexercciosdelanamentos1");
    QVERIFY(more1);
    QCOMPARE(more1->text(), u("Mais exercícios de Força e Movimento - 1"));
    QVERIFY(!p->form(7)->isVisible());
    trigger(f6, "Maisexercciosdelanamentos1");
    auto* f7 = p->form(7);
    QVERIFY(f7->isVisible());
    QVERIFY(f6->isVisible()); // the first window stays open
    QCOMPARE(f7->windowTitle(), u("TAVEK 1 - Mais Exercicios de Força e Movimento - 1"));

    auto* more2 = f7->control<QAction>("MaisexercciosdeForaeMovimento21");
    QVERIFY(more2);
    QCOMPARE(more2->text(), u("Mais exercícios de Força e Movimento - 2"));
    trigger(f7, "MaisexercciosdeForaeMovimento21");
    QVERIFY(p->form(8)->isVisible());
    QVERIFY(f7->isVisible());

    // The windows keep what they hold across being closed and shown again.
    type(f7, "Edit5", "1");
    trigger(f7, "FecharJanela1");
    QVERIFY(!f7->isVisible());
    trigger(f6, "Maisexercciosdelanamentos1");
    QVERIFY(f7->isVisible());
    QCOMPARE(textOf(f7, "Edit5"), u("1"));

    trigger(f6, "Conversesdeunidades1");
    QVERIFY(p->form(3)->isVisible());
    for (FormWindow* w : {f6, f7}) {
        auto* teacher = w->control<QMenu>("OpesparaProfessores1");
        QVERIFY(teacher);
        QCOMPARE(teacher->title(), u("Opções para Professores"));
        QCOMPARE(w->control<QAction>("DesabilitarcdulasdeResultados1")->text(),
                 u("Desabilitar cédulas de  Resultados"));
        QCOMPARE(w->control<QAction>("ReabilitarcdulasdeResultados1")->text(), u("Reabilitar cédulas de Resultados"));
    }
}

void ForceTest::lockCoversEveryAnswer_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("reveal");
    QTest::addColumn<QString>("password");
    QStringList six, seven;
    for (const char* r : kForm6Results)
        six << r;
    for (const char* r : kForm7Results)
        seven << r;
    QTest::newRow("Form6") << 6 << QStringList{"Edit1", "Edit2", "Edit3", "Edit4"}
                           << QStringList{"Button1", "Button3"} << six << "Label5" << "Label19";
    QTest::newRow("Form7") << 7 << QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"}
                           << QStringList{"Button1", "Button3"} << seven << "Label21" << "Label34";
}

// The window hands all its answer labels to the teacher's lock, and its
// exercise number reveals the password.
void ForceTest::lockCoversEveryAnswer()
{
    QFETCH(int, form);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, answers);
    QFETCH(QString, reveal);
    QFETCH(QString, password);
    auto* w = p->open(static_cast<FormNumber>(form));
    trigger(w, "DesabilitarcdulasdeResultados1");
    type(w, "Edit14", u("prof"));
    click(w, "Button7");
    type(w, "Edit15", u("prof"));
    click(w, "Button8");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(focused(w), u("Edit1"));

    // Inputs every calculator of both windows accepts.
    for (const QString& cell : cells)
        type(w, cell.toLatin1().constData(), cell == u("Edit2") && form == 6 ? u("1") : u("98"));
    for (const QString& button : buttons)
        click(w, button.toLatin1().constData());
    QVERIFY(p->messenger.boxes.empty());
    for (const QString& name : answers) {
        QVERIFY2(visible(w, name.toLatin1().constData()), qPrintable(name));
        QVERIFY2(isRedBox(w, name.toLatin1().constData()), qPrintable(name));
    }

    // Locked, the reveal shows nothing: its password would unlock them.
    QVERIFY(!visible(w, password.toLatin1().constData()));
    press(w, reveal.toLatin1().constData(), Qt::RightButton);
    QVERIFY(!visible(w, password.toLatin1().constData()));

    trigger(w, "ReabilitarcdulasdeResultados1");
    type(w, "Edit15", u("prof"));
    click(w, "Button8");
    for (const QString& name : answers)
        QVERIFY2(!isRedBox(w, name.toLatin1().constData()), qPrintable(name));
    press(w, reveal.toLatin1().constData(), Qt::RightButton);
    QVERIFY(visible(w, password.toLatin1().constData()));
    QCOMPARE(textOf(w, password.toLatin1().constData()), u("Senha : prof"));
    press(w, reveal.toLatin1().constData(), Qt::LeftButton);
    QVERIFY(!visible(w, password.toLatin1().constData()));
}

QTEST_MAIN(ForceTest)
#include "force_test.moc"
