// Answers shown without asking the X server where the pointer is: shown and
// painted as show() would, in a window on the screen or not yet.
#include <QEvent>
#include <QLabel>
#include <QtTest>

#include "kit/frame/quiet_show.h"

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class QuietShowTest : public QObject {
    Q_OBJECT
private slots:
    void showsAndPaintsInAWindowOnScreen();
    void waitsForAHiddenWindow();
};

void QuietShowTest::showsAndPaintsInAWindowOnScreen()
{
    QWidget window;
    window.resize(200, 100);
    auto* client = new QWidget(&window);
    client->setGeometry(0, 0, 200, 100);
    auto* answer = new QLabel(QStringLiteral("v = 3,2 m/s"), client);
    auto* other = new QLabel(QStringLiteral("t = 2 s"), client);
    answer->hide();
    other->hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PaintCounter counter;
    answer->installEventFilter(&counter);

    tavek::showQuietly(answer);
    QVERIFY(answer->isVisible());
    QTRY_VERIFY(counter.paints > 0);

    // The client is left as it was: a plain show of its other child, and
    // hiding and showing the client itself, behave as ever.
    other->show();
    QVERIFY(other->isVisible());
    client->hide();
    QVERIFY(!answer->isVisible());
    client->show();
    QVERIFY(answer->isVisible() && other->isVisible());
    tavek::showQuietly(answer); // already showing: nothing changes
    QVERIFY(answer->isVisible());
}

void QuietShowTest::waitsForAHiddenWindow()
{
    QWidget window;
    auto* answer = new QLabel(QStringLiteral("F = 10 N"), &window);
    answer->hide();
    tavek::showQuietly(answer);
    QVERIFY(!answer->isHidden());
    QVERIFY(!answer->isVisible());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(answer->isVisible());
}

QTEST_MAIN(QuietShowTest)
#include "quiet_show_test.moc"
