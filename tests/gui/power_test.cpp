#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QtTest>

#include "support.h"

using tavek::FormNumber;
using tavek::FormWindow;

namespace {
QStringList linesOf(FormWindow* w)
{
    QStringList r;
    auto* list = w->control<QListView>("ListBox1");
    if (!list || !list->model())
        return r;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        r << list->model()->index(i, 0).data().toString();
    return r;
}

bool ticked(FormWindow* w) { return w->control<QCheckBox>("CheckBox1")->isChecked(); }

const char* const kExercise1Labels[] = {"Label18", "Label8", "Label6"};
const char* const kExercise2Labels[] = {"Label20", "Label22", "Label23", "Label24", "Label19"};

void fillElevator(FormWindow* w, const char* m, const char* t, const char* h)
{
    type(w, "Edit1", u(m));
    type(w, "Edit2", u(t));
    type(w, "Edit3", u(h));
}

void fillIncline(FormWindow* w, const char* v, const char* mu, const char* m, const char* co, const char* ca)
{
    type(w, "Edit8", u(v));
    type(w, "Edit4", u(mu));
    type(w, "Edit5", u(m));
    type(w, "Edit6", u(co));
    type(w, "Edit7", u(ca));
}

void fillPerSecond(FormWindow* w, const char* v, const char* f1, const char* alpha, const char* t)
{
    type(w, "Edit1", u(v));
    type(w, "Edit2", u(f1));
    type(w, "Edit3", u(alpha));
    type(w, "Edit4", u(t));
}

} // namespace

class PowerTest : public ProgramTest {
    Q_OBJECT
private slots:
    void form10StartsWithResultsAndLockHidden();
    void tabOrder_data();
    void tabOrder();
    void elevatorWorkedExampleThenClear();
    void elevatorRefusedPressKeepsEarlierLabels();
    void elevatorEmptyCellsMessagesInOrder();
    void inclineWorkedExampleThenClear();
    void inclineInvalidVelocityShowsNoPower();
    void moreExercisesMenuShowsForm11();

    void form11ListLook();
    void perSecondWorkedExample();
    void perSecondEveryPressEmptiesAndHidesTheList_data();
    void perSecondEveryPressEmptiesAndHidesTheList();
    void perSecondHalfSecondShowsEmptyList();
    void perSecondClearHidesButKeepsLines();
    void perSecondFaultKeepsLinesShown();
    void perSecondLongListHasUniformRows();
    void perSecondLineEndsReachable_data();
    void perSecondLineEndsReachable();
};

void PowerTest::form10StartsWithResultsAndLockHidden()
{
    auto* w = p->open(10);
    for (const char* name : {"Label18", "Label8", "Label6", "Label19", "Label20", "Label22", "Label23", "Label24",
                             "Label27", "Label34", "Edit14", "Edit15", "Button7", "Button8"})
        QVERIFY2(!visible(w, name), name);
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"}) {
        QVERIFY2(visible(w, name), name);
        QCOMPARE(textOf(w, name), QString());
    }
    QVERIFY(!ticked(w));
    QCOMPARE(textOf(w, "Label14"), u("Todos os resultados serão dados na unidade SI"));
    QCOMPARE(textOf(w, "Button1"), u("Calcular Potência"));
    QCOMPARE(textOf(w, "Button4"), u("Limpar Campos"));
    QCOMPARE(w->control<QLabel>("Label18")->styleSheet(), u("color: #ff0000;"));
    QVERIFY(w->control<QLabel>("Label18")->font().bold());
    QVERIFY(w->control<QLabel>("Label15")->font().underline());
}

void PowerTest::tabOrder_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("listShown");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Form10") << 10 << false
                            << u({"Edit1", "Edit2", "Edit3", "Button1", "Button2", "Edit8", "CheckBox1", "Edit4",
                                  "Edit5", "Edit6", "Edit7", "Button3", "Button4"});
    QTest::newRow("Form11") << 11 << false
                            << u({"Edit1", "CheckBox1", "Edit4", "Edit2", "Edit3", "Button1", "Button2"});
    QTest::newRow("Form11 with its list") << 11 << true
                                          << u({"Edit1", "CheckBox1", "Edit4", "Edit2", "Edit3", "Button1",
                                                "Button2", "ListBox1"});
}

void PowerTest::tabOrder()
{
    QFETCH(int, form);
    QFETCH(bool, listShown);
    QFETCH(QStringList, order);
    auto* w = p->open(static_cast<FormNumber>(form));
    if (listShown) {
        fillPerSecond(w, "2", "10", "60", "3");
        click(w, "Button1");
    }
    // Walk the focus chain as Tab does, skipping what cannot take focus now.
    QStringList walked;
    QWidget* start = w->control<QWidget>("Edit1");
    QWidget* at = start;
    do {
        if (at->isVisibleTo(w) && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus))
            walked << at->objectName();
        at = at->nextInFocusChain();
    } while (at != start && walked.size() < 40);
    QCOMPARE(walked, order);
}

void PowerTest::elevatorWorkedExampleThenClear()
{
    auto* w = p->open(10);
    fillElevator(w, "100", "5", "10");
    click(w, "Button1");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(textOf(w, "Label18"), u("Peso do elevador =980.00 N"));
    QCOMPARE(textOf(w, "Label8"), u("Trabalho realizado =9800.00 J"));
    QCOMPARE(textOf(w, "Label6"), u("Potência Média =1960.00 W"));
    for (const char* name : kExercise1Labels)
        QVERIFY2(visible(w, name), name);
    // The label grows to its answer rather than cutting it.
    auto* power = w->control<QLabel>("Label6");
    QVERIFY(power->width() >= power->sizeHint().width());

    fillIncline(w, "2", "0.5", "10", "3", "4");
    click(w, "Button3");
    click(w, "Button2");
    for (const char* name : kExercise1Labels)
        QVERIFY2(!visible(w, name), name);
    for (const char* name : {"Edit1", "Edit2", "Edit3"})
        QCOMPARE(textOf(w, name), QString());
    QCOMPARE(focused(w), u("Edit1"));
    // Exercise 2 is left alone.
    QCOMPARE(textOf(w, "Edit8"), u("2"));
    for (const char* name : kExercise2Labels)
        QVERIFY2(visible(w, name), name);
}

void PowerTest::elevatorRefusedPressKeepsEarlierLabels()
{
    auto* w = p->open(10);
    fillElevator(w, "100", "5", "10");
    click(w, "Button1");
    type(w, "Edit2", u("0"));
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), u({"Tempo inválido. Ajuste seus dados"}));
    QCOMPARE(focused(w), u("Edit2"));
    QVERIFY(visible(w, "Label6"));
    QCOMPARE(textOf(w, "Label6"), u("Potência Média =1960.00 W"));
}

void PowerTest::elevatorEmptyCellsMessagesInOrder()
{
    auto* w = p->open(10);
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), u({"Massa inválida. Ajuste seus dados", "Tempo inválido. Ajuste seus dados",
                                     "Altura de deslocamento inválida. Ajuste seus dados"}));
    for (const auto& box : p->messenger.boxes)
        QCOMPARE(box.window, u("Form10"));
    QCOMPARE(focused(w), u("Edit3"));
    for (const char* name : kExercise1Labels)
        QVERIFY2(!visible(w, name), name);
}

void PowerTest::inclineWorkedExampleThenClear()
{
    auto* w = p->open(10);
    fillIncline(w, "2", "0.5", "10", "3", "4");
    click(w, "Button3");
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(textOf(w, "Label20"), u("Peso PX do bloco =78.40 N"));
    QCOMPARE(textOf(w, "Label22"), u("Peso PY do bloco =58.80 N"));
    QCOMPARE(textOf(w, "Label23"), u("Força de Atrito =39.2000 N"));
    QCOMPARE(textOf(w, "Label24"), u("Potência do aparelho =196.0000 W"));
    QCOMPARE(textOf(w, "Label19"), u("Angulo de inclinação =36.89°"));
    for (const char* name : kExercise2Labels)
        QVERIFY2(visible(w, name), name);

    fillElevator(w, "1", "1", "1");
    w->control<QCheckBox>("CheckBox1")->setChecked(true);
    w->control<QLabel>("Label27")->show();
    click(w, "Button4");
    for (const char* name : {"Edit4", "Edit5", "Edit6", "Edit7", "Edit8"})
        QCOMPARE(textOf(w, name), QString());
    for (const char* name : kExercise2Labels)
        QVERIFY2(!visible(w, name), name);
    QVERIFY(!visible(w, "Label27"));
    QVERIFY(!ticked(w));
    QCOMPARE(focused(w), u("Edit8"));
    QCOMPARE(textOf(w, "Edit1"), u("1"));
}

void PowerTest::inclineInvalidVelocityShowsNoPower()
{
    auto* w = p->open(10);
    fillIncline(w, "", "0.5", "10", "3", "4");
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(), u({"Velocidade inválida. Ajuste seus dados"}));
    QCOMPARE(focused(w), u("Edit8"));
    for (const char* name : kExercise2Labels)
        QVERIFY2(!visible(w, name), name);

    p->messenger.clear();
    fillIncline(w, "", "", "", "", "");
    click(w, "Button3");
    QCOMPARE(p->messenger.texts(),
             u({"Coeficiente de atrito cinético inválido. Ajuste seus dados", "Velocidade inválida. Ajuste seus dados",
                "Massa inválida. Ajuste seus dados", "Comprimento CO inválido. Ajuste seus dados",
                "Comprimento CA inválido. Ajuste seus dados"}));
    QCOMPARE(focused(w), u("Edit7"));
}

void PowerTest::moreExercisesMenuShowsForm11()
{
    auto* w = p->open(10);
    trigger(w, "MaisexercciosdePotncia1");
    QVERIFY(p->form(11)->isVisible());
    QCOMPARE(p->form(11)->windowTitle(), u("TAVEK 1- Mais exercícios de Potência"));
}

void PowerTest::form11ListLook()
{
    auto* w = p->open(11);
    auto* list = w->control<QListView>("ListBox1");
    QVERIFY(list);
    QVERIFY(!list->isVisible());
    QVERIFY(list->uniformItemSizes());
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(list->font().bold());
    QVERIFY(list->styleSheet().contains(u("color: #ffffff;")));
    QVERIFY(list->styleSheet().contains(u("background-color: #0000ff;")));
    QCOMPARE(list->geometry(), QRect(8, 264, 681, 177));
    for (const char* name : {"Label27", "Label42", "Edit14", "Edit15", "Button7", "Button8"})
        QVERIFY2(!visible(w, name), name);
    QCOMPARE(textOf(w, "Label2"), u(" em um intervalo de tempo definido e a potencia média em cavalos"));
    QCOMPARE(textOf(w, "Label8"), u("Intervalo de 1 até "));
}

void PowerTest::perSecondWorkedExample()
{
    auto* w = p->open(11);
    fillPerSecond(w, "2", "10", "60", "3");
    click(w, "Button1");
    QVERIFY(p->messenger.boxes.empty());
    QVERIFY(visible(w, "ListBox1"));
    QCOMPARE(linesOf(w),
             u({"Tempo =1s | Trabalho realizado =10.009194J | Potência = 10.009194 W  -> 0.013422 hp",
                "Tempo =2s | Trabalho realizado =20.018388J | Potência = 10.009194 W  -> 0.013422 hp",
                "Tempo =3s | Trabalho realizado =30.027581J | Potência = 10.009194 W  -> 0.013422 hp"}));
    // A second press replaces the lines instead of adding to them.
    type(w, "Edit4", u("2"));
    click(w, "Button1");
    QCOMPARE(linesOf(w).size(), 2);
}

void PowerTest::perSecondEveryPressEmptiesAndHidesTheList_data()
{
    QTest::addColumn<QString>("v");
    QTest::addColumn<QString>("f1");
    QTest::addColumn<QString>("alpha");
    QTest::addColumn<QString>("t");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("focus");

    QTest::newRow("all empty") << QString() << QString() << QString() << QString()
                               << u({"Velocidade inválida. Ajuste seus dados", "Tempo inválido. Ajuste seus dados",
                                     "Força inválida. Ajuste seus dados", "Ânngulo inválido. Ajuste seus dados"})
                               << u("Edit3");
    QTest::newRow("angle 90.5") << u("2") << u("10") << u("90.5") << u("3")
                                << u({"Ânngulo inválido. Ajuste seus dados"}) << u("Edit3");
    QTest::newRow("time 32001") << u("2") << u("10") << u("60") << u("32001")
                                << u({"Memória insuficiente. Ajuste outra valor para o tempo"}) << u("Edit4");
    QTest::newRow("malformed force") << u("2") << u("1,,5") << u("60") << u("3")
                                     << u({"Valor inválido. Ajuste seus dados"}) << u("Edit2");
}

void PowerTest::perSecondEveryPressEmptiesAndHidesTheList()
{
    QFETCH(QString, v);
    QFETCH(QString, f1);
    QFETCH(QString, alpha);
    QFETCH(QString, t);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);

    auto* w = p->open(11);
    fillPerSecond(w, "2", "10", "60", "3");
    click(w, "Button1");
    QCOMPARE(linesOf(w).size(), 3);

    type(w, "Edit1", v);
    type(w, "Edit2", f1);
    type(w, "Edit3", alpha);
    type(w, "Edit4", t);
    click(w, "Button1");
    QCOMPARE(p->messenger.texts(), messages);
    QCOMPARE(focused(w), focus);
    QVERIFY(!visible(w, "ListBox1"));
    QVERIFY(linesOf(w).isEmpty());
}

void PowerTest::perSecondHalfSecondShowsEmptyList()
{
    auto* w = p->open(11);
    fillPerSecond(w, "2", "10", "60", "2.5");
    click(w, "Button1");
    QCOMPARE(linesOf(w).size(), 2);
    type(w, "Edit4", u("0.5"));
    click(w, "Button1");
    QVERIFY(p->messenger.boxes.empty());
    QVERIFY(visible(w, "ListBox1"));
    QVERIFY(linesOf(w).isEmpty());
}

void PowerTest::perSecondClearHidesButKeepsLines()
{
    auto* w = p->open(11);
    fillPerSecond(w, "2", "10", "60", "3");
    click(w, "Button1");
    w->control<QCheckBox>("CheckBox1")->setChecked(true);
    w->control<QLabel>("Label27")->show();
    click(w, "Button2");
    QVERIFY(!visible(w, "ListBox1"));
    QCOMPARE(linesOf(w).size(), 3);
    QVERIFY(!visible(w, "Label27"));
    QVERIFY(!ticked(w));
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"})
        QCOMPARE(textOf(w, name), QString());
    QCOMPARE(focused(w), u("Edit1"));
}

void PowerTest::perSecondFaultKeepsLinesShown()
{
    auto* w = p->open(11);
    fillPerSecond(w, "1e307", "10", "60", "10");
    click(w, "Button1");
    QCOMPARE(p->messenger.boxes.size(), std::size_t(1));
    QVERIFY(p->messenger.boxes[0].fault);
    QCOMPARE(p->messenger.boxes[0].text, u("Floating point overflow."));
    QVERIFY(visible(w, "ListBox1"));
    QCOMPARE(linesOf(w).size(), 3);
}

void PowerTest::perSecondLongListHasUniformRows()
{
    auto* w = p->open(11);
    fillPerSecond(w, "2", "10", "60", "32000.9");
    click(w, "Button1");
    auto* list = w->control<QListView>("ListBox1");
    const QStringList lines = linesOf(w);
    QCOMPARE(lines.size(), 32001);
    QCOMPARE(lines.last(),
             u("Tempo =32001s | Trabalho realizado =320304.210159J | Potência = 10.009194 W  -> 0.013422 hp"));
    QCOMPARE(list->visualRect(list->model()->index(0, 0)).height(), 13);
    list->scrollToBottom();
    QCOMPARE(list->visualRect(list->model()->index(32000, 0)).height(), 13);
    // No widget per line: the view's only children are its own parts.
    QVERIFY(list->viewport()->findChildren<QWidget*>().isEmpty());
}

void PowerTest::perSecondLineEndsReachable_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<bool>("tooWide");
    QTest::newRow("three short lines") << "2" << "3" << false;
    QTest::newRow("many lines, the later ones longer and too wide") << "100000" << "2000" << true;
}

// The end of every line can be scrolled into view (never under the vertical
// scroll bar); the horizontal scroll bar shows only when a line is too wide.
void PowerTest::perSecondLineEndsReachable()
{
    QFETCH(QString, speed);
    QFETCH(QString, seconds);
    QFETCH(bool, tooWide);
    auto* w = p->open(11);
    fillPerSecond(w, "1", "100000", "60", "1");
    click(w, "Button1"); // a short list first: the view keeps nothing of it
    QApplication::processEvents();
    type(w, "Edit1", speed);
    type(w, "Edit4", seconds);
    click(w, "Button1");
    auto* list = w->control<QListView>("ListBox1");
    QApplication::processEvents();
    int widest = 0;
    for (const QString& line : linesOf(w))
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(line));
    if (tooWide) // the lines grow: the first one is no measure for the others
        QVERIFY(list->fontMetrics().horizontalAdvance(linesOf(w).first()) < widest);
    QScrollBar* across = list->horizontalScrollBar();
    QCOMPARE(across->isVisible(), tooWide);
    QCOMPARE(list->verticalScrollBar()->isVisible(), tooWide);
    QVERIFY2(widest <= list->viewport()->width() + across->maximum(),
             qPrintable(QStringLiteral("%1 > %2 + %3").arg(widest).arg(list->viewport()->width()).arg(across->maximum())));
}

QTEST_MAIN(PowerTest)
#include "power_test.moc"
