// Every way one window shows another, and what showing, closing and ending
// do to the windows and their contents.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <algorithm>

#include "support.h"

using tavek::FormNumber;

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void topicLinksShowTheirWindow_data();
    void topicLinksShowTheirWindow();
    void menuLinksShowTheirWindow_data();
    void menuLinksShowTheirWindow();
    void oneWindowObjectPerLink();
    void everyDeclaredNameStandsInItsWindow();
    void unitConversionsIsOneWindowFromEverywhere();
    void contentsKeptAcrossCloseAndShow_data();
    void contentsKeptAcrossCloseAndShow();
    void disabledTopicLinkIgnoresClicks();
    void onlyLeftClicksFollowALink();
    void closingTheMainWindowEndsTheProgram_data();
    void closingTheMainWindowEndsTheProgram();
};

namespace {

void clickLabel(tavek::FormWindow* w, const char* name, Qt::MouseButton button = Qt::LeftButton)
{
    auto* label = w->control<QLabel>(name);
    QVERIFY2(label, name);
    QTest::mouseClick(label, button, Qt::NoModifier, label->rect().center());
}

// In the order of their names: Qt lists its top-level widgets in no order
// of its own, and each menu popup is one of them.
QList<QWidget*> windows()
{
    QList<QWidget*> r;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("tavek::FormWindow"))
            r << w;
    std::sort(r.begin(), r.end(), [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
    return r;
}

QStringList visibleWindows(const Program& p)
{
    QStringList r;
    for (int i = 1; i <= 11; ++i) {
        auto* w = p.form(static_cast<FormNumber>(i));
        if (w->isVisible())
            r << w->objectName();
    }
    return r;
}

} // namespace

void NavigationTest::topicLinksShowTheirWindow_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<FormNumber>("target");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Movimento Retilíneo") << "Label3" << 2 << QString::fromUtf8("TAVEK 1 - Movimento Retilíneo");
    QTest::newRow("Lançamentos") << "Label5" << 4 << QString::fromUtf8("TAVEK 1 - Lançamentos");
    QTest::newRow("Força e Movimento") << "Label6" << 6 << QString::fromUtf8("TAVEK 1 - Força e Movimento");
    QTest::newRow("Potência") << "Label7" << 10 << QString::fromUtf8("TAVEK 1 - Potência");
}

void NavigationTest::topicLinksShowTheirWindow()
{
    QFETCH(QString, label);
    QFETCH(FormNumber, target);
    QFETCH(QString, caption);
    Program p;
    QCOMPARE(visibleWindows(p), QStringList{"Form1"});
    clickLabel(p.form(1), label.toLatin1().constData());
    auto* shown = p.form(target);
    QCOMPARE(visibleWindows(p), (QStringList{"Form1", shown->objectName()}));
    QCOMPARE(shown->windowTitle(), caption);
}

void NavigationTest::menuLinksShowTheirWindow_data()
{
    QTest::addColumn<FormNumber>("from");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<FormNumber>("target");
    const QString units = QString::fromUtf8("Conversões de unidades");
    QTest::newRow("Form1 units") << 1 << "ConversesdeUnidades1" << QString::fromUtf8("Conversôes de Unidades") << 3;
    QTest::newRow("Form2 units") << 2 << "ConversesdeUnidades1" << QString::fromUtf8("Conversões de Unidades") << 3;
    for (int i = 4; i <= 11; ++i)
        QTest::addRow("Form%d units", i) << static_cast<FormNumber>(i) << "Conversesdeunidades1" << units << 3;
    QTest::newRow("Form4 more") << 4 << "Maisexercciosdelanamentos1"
                                << QString::fromUtf8("Mais exercícios de lançamentos") << 5;
    QTest::newRow("Form6 more") << 6 << "Maisexercciosdelanamentos1"
                                << QString::fromUtf8("Mais exercícios de Força e Movimento - 1") << 7;
    QTest::newRow("Form7 more") << 7 << "MaisexercciosdeForaeMovimento21"
                                << QString::fromUtf8("Mais exercícios de Força e Movimento - 2") << 8;
    QTest::newRow("Form8 more") << 8 << "MaisexercciosdeForaeMovimento31"
                                << QString::fromUtf8("Mais exercícios de Força e Movimento - 3") << 9;
    QTest::newRow("Form10 more") << 10 << "MaisexercciosdePotncia1"
                                 << QString::fromUtf8("Mais exercícios de Potência") << 11;
}

void NavigationTest::menuLinksShowTheirWindow()
{
    QFETCH(FormNumber, from);
    QFETCH(QString, action);
    QFETCH(QString, caption);
    QFETCH(FormNumber, target);
    Program p;
    auto* source = p.open(from);
    auto* item = source->findChild<QAction*>(action);
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    QVERIFY(!p.form(target)->isVisible());
    item->trigger();
    QVERIFY(p.form(target)->isVisible());
    QVERIFY(source->isVisible());
    QStringList expected{"Form1", source->objectName(), p.form(target)->objectName()};
    expected.removeDuplicates();
    std::sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
        return a.mid(4).toInt() < b.mid(4).toInt();
    });
    QCOMPARE(visibleWindows(p), expected);
}

void NavigationTest::oneWindowObjectPerLink()
{
    Program p;
    const QList<QWidget*> before = windows();
    QCOMPARE(before.size(), 11);
    auto* main = p.form(1);
    clickLabel(main, "Label3");
    QPointer<tavek::FormWindow> first = p.form(2);
    clickLabel(main, "Label3");
    trigger(p.form(2), "FecharJanela1");
    clickLabel(main, "Label3");
    QCOMPARE(p.form(2), first.data());
    QVERIFY(first && first->isVisible());
    for (const char* label : {"Label5", "Label6", "Label7", "Label5"})
        clickLabel(main, label);
    QCOMPARE(windows(), before);
}

// Names kept as strings (links, lock controls) fail silently when mistyped;
// the exercise tables name their controls through the typed forms instead.
void NavigationTest::everyDeclaredNameStandsInItsWindow()
{
    Program p;
    int checked = 0;
    for (std::size_t n = 1; n <= p.registry->count(); ++n) {
        tavek::FormWindow* w = p.form(static_cast<int>(n));
        w->ensureBuilt();
        for (const QString& name : w->declaredNames()) {
            QVERIFY2(w->control<QObject>(name.toLatin1().constData()), qPrintable(w->objectName() + ": " + name));
            ++checked;
        }
        for (const tavek::Exercise& e : w->exercises())
            QVERIFY2(!e.presses.empty() && (e.clear || !e.inputs.empty()), qPrintable(w->objectName()));
    }
    QVERIFY(checked > 30);
}

void NavigationTest::unitConversionsIsOneWindowFromEverywhere()
{
    Program p;
    trigger(p.form(1), "ConversesdeUnidades1");
    auto* conversions = p.form(3);
    QVERIFY(conversions->isVisible());
    trigger(conversions, "FecharJanela1");
    QVERIFY(!conversions->isVisible());
    trigger(p.open(2), "ConversesdeUnidades1");
    QVERIFY(conversions->isVisible());
    trigger(p.open(10), "Conversesdeunidades1");
    QCOMPARE(windows().size(), 11);
    QCOMPARE(windows().count(conversions), 1);
}

void NavigationTest::contentsKeptAcrossCloseAndShow_data()
{
    QTest::addColumn<bool>("byMenu"); // "Fechar Janela", or the close box
    QTest::newRow("Fechar Janela") << true;
    QTest::newRow("close box") << false;
}

void NavigationTest::contentsKeptAcrossCloseAndShow()
{
    QFETCH(bool, byMenu);
    Program p;
    auto* main = p.form(1);
    clickLabel(main, "Label3");
    auto* w = p.form(2);
    type(w, "Edit1", "0");
    type(w, "Edit2", "10");
    type(w, "Edit4", "2");
    click(w, "Button1");
    type(w, "Edit13", "19.6");
    click(w, "Button5");
    const QString generated = textOf(w, "Label32");
    type(w, "Edit7", "typed, not pressed");
    if (byMenu)
        trigger(w, "FecharJanela1");
    else
        QVERIFY(w->close());
    QVERIFY(!w->isVisible());
    clickLabel(main, "Label3");
    QVERIFY(w->isVisible());
    QCOMPARE(textOf(w, "Edit2"), QStringLiteral("10"));
    QCOMPARE(textOf(w, "Edit5"), QStringLiteral("5.0000 m/s"));
    QCOMPARE(textOf(w, "Edit6"), QString::fromUtf8("5.0000 m/s²"));
    QCOMPARE(textOf(w, "Edit7"), QStringLiteral("typed, not pressed"));
    QCOMPARE(textOf(w, "Label32"), generated);
    QVERIFY(visible(w, "Label37"));
    // Closing hid the window; it drew nothing anew.
    QCOMPARE(textOf(w, "Label32"), QStringLiteral("Altura gerada =14.3080 m"));
}

void NavigationTest::disabledTopicLinkIgnoresClicks()
{
    Program p;
    auto* main = p.form(1);
    for (const char* name : {"Label3", "Label5", "Label6", "Label7"})
        main->control<QLabel>(name)->setEnabled(false);
    for (const char* name : {"Label3", "Label5", "Label6", "Label7"})
        clickLabel(main, name);
    QCOMPARE(visibleWindows(p), QStringList{"Form1"});
    // The menu bar stays usable meanwhile.
    trigger(main, "ConversesdeUnidades1");
    QCOMPARE(visibleWindows(p), (QStringList{"Form1", "Form3"}));
    main->control<QLabel>("Label6")->setEnabled(true);
    clickLabel(main, "Label6");
    QCOMPARE(visibleWindows(p), (QStringList{"Form1", "Form3", "Form6"}));
}

void NavigationTest::onlyLeftClicksFollowALink()
{
    Program p;
    auto* main = p.form(1);
    clickLabel(main, "Label7", Qt::RightButton);
    clickLabel(main, "Label7", Qt::MiddleButton);
    QCOMPARE(visibleWindows(p), QStringList{"Form1"});
    clickLabel(main, "Label7");
    QCOMPARE(visibleWindows(p), (QStringList{"Form1", "Form10"}));
}

void NavigationTest::closingTheMainWindowEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close()") << "widget";
    QTest::newRow("window system") << "window";
}

// The program's end is the end of its event loop: run the real loop, close the
// main window from inside it, and see the loop return on its own (a watchdog
// ends a loop that would otherwise run forever, and the test then fails).
void NavigationTest::closingTheMainWindowEndsTheProgram()
{
    QFETCH(QString, how);
    auto p = std::make_unique<Program>();
    auto* main = p->form(1);
    QPointer<QWidget> form2 = p->open(2);
    QPointer<QWidget> form3 = p->open(3);
    QPointer<QWidget> form11 = p->open(11);
    QVERIFY(form2->isVisible() && form3->isVisible() && form11->isVisible());

    bool watchdog = false;
    QTimer::singleShot(0, main, [&] {
        if (how == QLatin1String("window"))
            main->windowHandle()->close(); // as the window manager asks it
        else
            main->close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [&] {
        watchdog = true;
        QCoreApplication::exit(99);
    });
    guard.start(5000);
    const int rc = QCoreApplication::exec();
    guard.stop();
    QVERIFY2(!watchdog, "the event loop kept running after the main window closed");
    QCOMPARE(rc, 0);
    QVERIFY(!main->isVisible());
    // No window outlives the main one on screen...
    QVERIFY(!form2->isVisible());
    QVERIFY(!form3->isVisible());
    QVERIFY(!form11->isVisible());
    // ...nor in memory once the program lets go of it.
    p.reset();
    QVERIFY(!form2 && !form3 && !form11);
}

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
