// Work left until after a window's first paint: not before the window is on
// the screen, once the paint is finished, and only once.
#include <QEvent>
#include <QPainter>
#include <QtTest>

#include "kit/frame/first_paint.h"
#include "support.h"

namespace {

// Counts its paints, and whether one is under way.
class Painted : public QWidget {
public:
    int paints = 0;
    bool painting = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        painting = true;
        QPainter(this).fillRect(rect(), Qt::white);
        ++paints;
        painting = false;
    }
};

} // namespace

class FirstPaintTest : public QObject {
    Q_OBJECT
private slots:
    void runsOnceAfterTheFirstPaint();
    void theMainWindowIsPaintedFirst();
};

void FirstPaintTest::runsOnceAfterTheFirstPaint()
{
    Painted window;
    window.resize(120, 80);
    int runs = 0;
    int paintsSeen = -1;
    tavek::afterFirstPaint(&window, [&] {
        ++runs;
        paintsSeen = window.paints;
        QVERIFY(!window.painting);
    });
    QCoreApplication::processEvents();
    QCOMPARE(runs, 0); // hidden, never painted

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(runs, 1);
    QVERIFY(paintsSeen >= 1);

    window.repaint();
    window.hide();
    window.show();
    QTest::qWait(20);
    QCOMPARE(runs, 1);
}

void FirstPaintTest::theMainWindowIsPaintedFirst()
{
    // The program's own use: its main window, as main() shows it.
    Program program;
    tavek::FormWindow* window = program.form(1);
    bool builtThen = false;
    bool visibleThen = false;
    int runs = 0;
    tavek::afterFirstPaint(window, [&] {
        ++runs;
        builtThen = window->isBuilt();
        visibleThen = window->isVisible();
    });
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_COMPARE(runs, 1);
    QVERIFY(builtThen);
    QVERIFY(visibleThen);
}

QTEST_MAIN(FirstPaintTest)
#include "first_paint_test.moc"
