// The menu "Resolução" of the exercise windows and the solution window it
// opens: named as the statements number the exercises, following the last
// press, hidden with the answers by the teacher's lock and with its exercise
// window when that is closed, placed clear of the exercise.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QMenu>
#include <QLineEdit>
#include <QMenuBar>
#include <QTextBrowser>
#include <QtTest>

#include <tuple>

#include "kit/frame/figure_view.h"
#include "kit/frame/form_window.h"
#include "kit/frame/language.h"
#include "kit/core/last_press.h"
#include "topics/force/incline_friction.h"
#include "topics/launches/launches.h"
#include "topics/rectilinear/rectilinear.h"
#include "support.h"

using tavek::FormWindow;

class SolutionTest : public ProgramTest {
    Q_OBJECT
private slots:
    void menuLastOnEveryExerciseWindow_data();
    void menuLastOnEveryExerciseWindow();
    void followsTheLastPress();
    void lockHidesIt();
    void leavesItsExerciseInSight();
    void figureFollowsTheSolution();
    void figureDrawsOnlyInsideItsBox();
    void titlesNameTheWindow();
    void followsItsWindow();
    void qtSpeaksPortuguese();
};

namespace {

QWidget* solutionWindow(FormWindow* w)
{
    return w->findChild<QWidget*>(QStringLiteral("ResolucaoForm%1").arg(w->number()));
}

QString solutionText(FormWindow* w)
{
    QCoreApplication::processEvents(); // a press's solution follows its answers
    QWidget* view = solutionWindow(w);
    auto* text = view ? view->findChild<QTextBrowser*>(QStringLiteral("Texto")) : nullptr;
    return text ? text->toPlainText() : QString();
}

tavek::FigureView* figureOf(FormWindow* w)
{
    QCoreApplication::processEvents();
    QWidget* view = solutionWindow(w);
    return view ? view->findChild<tavek::FigureView*>(QStringLiteral("Figura")) : nullptr;
}

// Form9's first exercise with the statement's own numbers.
void pressRoughIncline(FormWindow* w)
{
    typeAll(w, {{"Edit1", "0.1"}, {"Edit2", "10"}, {"Edit3", "10"}, {"Edit4", "30"}});
    click(w, "Button1");
}

const QString kWorkedLine =
    u("a = (|PX − PB| − Fat) / (mA + mB) = (|48.98 − 98.00| − 8.49) / (10 + 10) = 2.027 m/s² ≈ 2.03 m/s²");

} // namespace

void SolutionTest::menuLastOnEveryExerciseWindow_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("items");
    // window, number of its first and of its last exercise as the statements show them
    for (auto [form, first, last] : {std::tuple{2, 1, 3}, {4, 1, 2}, {5, 3, 4}, {6, 1, 2}, {7, 3, 4}, {8, 5, 6},
                                     {9, 6, 7}, {10, 1, 2}, {11, 3, 3}}) {
        QStringList items;
        for (int n = first; n <= last; ++n)
            items << QStringLiteral("ResolucaoExercicio%1:Exercício %1").arg(n);
        QTest::addRow("Form%d", form) << form << items;
    }
    QTest::newRow("Form3") << 3
                           << u({"ResolucaoConversao1:Unidades de Comprimento", "ResolucaoConversao2:Unidades de Tempo",
                                 "ResolucaoConversao3:Unidades de Massa"});
}

void SolutionTest::menuLastOnEveryExerciseWindow()
{
    QFETCH(int, form);
    QFETCH(QStringList, items);
    FormWindow* w = p->open(form);
    // Last but for the practice that follows it.
    const QList<QAction*> menus = w->menuBar()->actions().mid(0, w->menuBar()->actions().size() - 1);
    QMenu* last = menus.last()->menu();
    QVERIFY(last);
    QCOMPARE(last->objectName(), QStringLiteral("Resolucao"));
    QCOMPARE(last->title(), u("Resolução"));
    // in sight on the bar, not folded away behind its extension button
    QVERIFY(w->menuBar()->actionGeometry(menus.last()).right() < w->menuBar()->width());
    // Each item opens the one solution window, titled after the exercise.
    QStringList shown;
    for (QAction* a : last->actions()) {
        shown << a->objectName() + ":" + a->text();
        a->trigger();
        QWidget* view = solutionWindow(w);
        QVERIFY(view && view->isVisible());
        QVERIFY2(view->windowTitle().startsWith(u("Resolução - ") + a->text()), qPrintable(view->windowTitle()));
        QCOMPARE(solutionText(w), u(tavek::kNothingYet.data()));
    }
    QCOMPARE(shown, items);
    QCOMPARE(w->findChildren<QTextBrowser*>().size(), 1);
}

void SolutionTest::followsTheLastPress()
{
    FormWindow* w = p->open(9);
    trigger(w, "ResolucaoExercicio6");
    pressRoughIncline(w);
    QVERIFY2(solutionText(w).contains(kWorkedLine), qPrintable(solutionText(w)));
    QVERIFY(solutionText(w).contains(u("μ = 0.1")));
    // A screen reader reads what the student sees.
    auto* text = solutionWindow(w)->findChild<QTextBrowser*>();
    QVERIFY(QAccessible::queryAccessibleInterface(text)->text(QAccessible::Value).contains(kWorkedLine));
    // ... and copies it
    text->selectAll();
    text->copy();
    QVERIFY(QGuiApplication::clipboard()->text().contains(kWorkedLine));

    // The other exercise's press leaves it; a refused press of its own replaces it.
    typeAll(w, {{"Edit5", "0.1"}, {"Edit6", "5"}, {"Edit7", "10"}, {"Edit8", "30"}, {"Edit9", "10"}});
    click(w, "Button3");
    QVERIFY(solutionText(w).contains(kWorkedLine));
    type(w, "Edit2", "0");
    click(w, "Button1");
    QCOMPARE(solutionText(w), u("Massa do bloco A inválida. Ajuste seus dados\n") + u(tavek::kNoAnswer.data()));

    // The other exercise's solution is there when asked for; the clear forgets it.
    trigger(w, "ResolucaoExercicio7");
    QVERIFY(solutionText(w).contains(u("WPB = PB × HIP = 98.00 × 11.54524 = 1131.43 J")));
    click(w, "Button4");
    QCOMPARE(solutionText(w), u(tavek::kNothingYet.data()));
}

void SolutionTest::lockHidesIt()
{
    FormWindow* w = p->open(9);
    pressRoughIncline(w);
    trigger(w, "ResolucaoExercicio6");
    QWidget* view = solutionWindow(w);
    QVERIFY(view->isVisible());

    lock(w, "DesabilitarcdulasdeResultados1", QStringLiteral("abc"));
    QVERIFY(!view->isVisible());
    QVERIFY(solutionText(w).isEmpty());
    for (const char* item : {"ResolucaoExercicio6", "ResolucaoExercicio7"}) {
        QVERIFY(!w->control<QAction>(item)->isEnabled());
        trigger(w, item);
    }
    QVERIFY(!view->isVisible());
    pressRoughIncline(w); // a press while locked does not bring it back
    QVERIFY(!view->isVisible());

    unlock(w, QStringLiteral("abc"));
    QVERIFY(view->isVisible());
    QVERIFY(w->control<QAction>("ResolucaoExercicio7")->isEnabled());
    QVERIFY(solutionText(w).contains(kWorkedLine));
}

// Here the screen is narrower than Form9 and a solution window together: it
// stands over the window, clear of the chosen exercise's cells and buttons.
void SolutionTest::leavesItsExerciseInSight()
{
    FormWindow* w = p->open(9);
    for (const auto& [item, cells] : {std::pair{"ResolucaoExercicio6", u({"Edit1", "Edit4", "Button1", "Button2"})},
                                      {"ResolucaoExercicio7", u({"Edit5", "Edit9", "Button3", "Button4"})}}) {
        trigger(w, item);
        QWidget* view = solutionWindow(w);
        for (const QString& cell : cells) {
            auto* c = w->findChild<QWidget*>(cell);
            QVERIFY2(!view->frameGeometry().intersects(QRect(c->mapToGlobal(QPoint(0, 0)), c->size())),
                     qPrintable(QLatin1String(item) + QLatin1Char(' ') + cell));
        }
        view->close();
    }
}

void SolutionTest::figureFollowsTheSolution()
{
    FormWindow* w = p->open(9);
    trigger(w, "ResolucaoExercicio6");
    tavek::FigureView* figure = figureOf(w);
    QVERIFY(figure && !figure->isVisible() && figure->figure().empty()); // before a press
    pressRoughIncline(w);
    QVERIFY(figureOf(w)->isVisible());
    QVERIFY(figure->accessibleDescription().startsWith(u("Forças no bloco A: PX = 48.98 N")));
    // Under the text, both in sight at once.
    auto* text = solutionWindow(w)->findChild<QTextBrowser*>();
    QVERIFY(figure->geometry().top() >= text->geometry().bottom());
    QVERIFY(text->height() >= 200 && figure->height() >= figure->sizeHint().height());

    type(w, "Edit2", "0"); // refused
    click(w, "Button1");
    QVERIFY(!figureOf(w)->isVisible() && figure->accessibleDescription().isEmpty());
    type(w, "Edit2", "1e308"); // a fault
    click(w, "Button1");
    QCOMPARE(p->messenger.boxes.back().fault, true);
    QVERIFY(!figureOf(w)->isVisible());

    type(w, "Edit2", "10");
    click(w, "Button1");
    QVERIFY(figureOf(w)->isVisible());
    lock(w, "DesabilitarcdulasdeResultados1", QStringLiteral("abc"));
    QVERIFY(!figureOf(w)->isVisible());
    QVERIFY(figure->figure().empty() && figure->accessibleDescription().isEmpty());
    unlock(w, QStringLiteral("abc"));
    QVERIFY(figureOf(w)->isVisible() && !figure->figure().empty());
    click(w, "Button2"); // the data it was drawn from are gone
    QVERIFY(!figureOf(w)->isVisible());
}

// Whatever the numbers and however small the box, nothing is drawn beyond it.
void SolutionTest::figureDrawsOnlyInsideItsBox()
{
    const tavek::Cells huge{{"Edit1", "1e150"}, {"Edit2", "30"}}, flat{{"Edit1", "20"}, {"Edit2", "0"}};
    const tavek::Cells atRest{{"Edit1", "1"}, {"Edit2", "10"}, {"Edit3", "10"}, {"Edit4", "30"}};
    for (const tavek::Outcome& out : {pressed("form5.4", huge), pressed("form5.4", flat),
                                      pressed("form2.2", {{"Edit9", "1e307"}, {"Edit10", "2"}}),
                                      pressed("form9.6", atRest)}) {
        for (const QSize box : {QSize(440, 330), QSize(120, 90), QSize(30, 20)}) {
            QImage image(box + QSize(40, 40), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            tavek::paintFigure(painter, QRectF(QPointF(20, 20), box), out.figure);
            painter.end();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (!QRect(QPoint(20, 20), box).contains(x, y))
                        QCOMPARE(image.pixel(x, y), QColor(Qt::white).rgb());
        }
    }
}

// Form8 and Form9 both have an "Exercício 6": no two solution windows share a title.
void SolutionTest::titlesNameTheWindow()
{
    QStringList titles;
    for (int form = 2; form <= 11; ++form) {
        FormWindow* w = p->open(form);
        for (QAction* a : w->control<QMenu>("Resolucao")->actions()) {
            a->trigger();
            titles << solutionWindow(w)->windowTitle();
        }
        w->close();
    }
    QCOMPARE(QSet<QString>(titles.begin(), titles.end()).size(), titles.size());
    for (const char* title : {"Resolução - Exercício 1 - Movimento Retilíneo", "Resolução - Exercício 3 - Lançamentos",
                              "Resolução - Exercício 6 - Força e Movimento 2", "Resolução - Exercício 6 - Força e Movimento 3",
                              "Resolução - Exercício 3 - Potência", "Resolução - Unidades de Tempo"})
        QVERIFY2(titles.contains(u(title)), title);
}

void SolutionTest::followsItsWindow()
{
    FormWindow* w = p->open(5);
    trigger(w, "ResolucaoExercicio4");
    QWidget* view = solutionWindow(w);
    const QPoint place = view->pos();
    w->close(); // "Fechar Janela", its close box, Alt+F4
    QVERIFY(!view->isVisible());
    p->open(5);
    QVERIFY(view->isVisible());
    QCOMPARE(view->pos(), place);
    QVERIFY(view->windowTitle().startsWith(u("Resolução - Exercício 4")));

    // One the student closed stays closed.
    view->close();
    w->close();
    p->open(5);
    QVERIFY(!view->isVisible());

    // Locked, it stays hidden when the window comes back; unlocked, it returns.
    trigger(w, "ResolucaoExercicio3");
    lock(w, "DesabilitarcdulasdeResultados1", QStringLiteral("x"));
    w->close();
    p->open(5);
    QVERIFY(!view->isVisible());
    unlock(w, QStringLiteral("x"));
    QVERIFY(view->isVisible());
}

// Qt's own texts: the context menus of a cell and of the solution text.
void SolutionTest::qtSpeaksPortuguese()
{
    QVERIFY(tavek::speakPortuguese());
    FormWindow* w = p->open(2);
    const std::unique_ptr<QMenu> cellMenu(w->control<QLineEdit>("Edit1")->createStandardContextMenu());
    trigger(w, "ResolucaoExercicio1");
    auto* text = solutionWindow(w)->findChild<QTextBrowser*>(QStringLiteral("Texto"));
    const std::unique_ptr<QMenu> textMenu(text->createStandardContextMenu());
    auto entries = [](const QMenu* menu) {
        QStringList r;
        for (const QAction* a : menu->actions())
            r << QString(a->text()).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        return r;
    };
    for (const char* entry : {"Desfazer", "Colar", "Selecionar tudo"})
        QVERIFY2(entries(cellMenu.get()).contains(u(entry)), qPrintable(entries(cellMenu.get()).join('|')));
    for (const char* entry : {"Copiar", "Selecionar tudo"})
        QVERIFY2(entries(textMenu.get()).contains(u(entry)), qPrintable(entries(textMenu.get()).join('|')));
}

QTEST_MAIN(SolutionTest)
#include "solution_test.moc"
