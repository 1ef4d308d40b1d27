// The way out of the program: "Fechar TAVEK", the exit password, and the
// hidden panel on "Mecânica" that replaces it.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSessionManager>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "app/main_window.h"
#include "support.h"

using tavek::FormNumber;
using tavek::FormWindow;

namespace {

const QString kFarewell = QStringLiteral("Obrigado por Usar este Programa - Visite | www.tavek.example | ");
const QString kWrong = QStringLiteral("Senha Incorreta");
const QString kEmpty = QString::fromUtf8("Cédula vazia. Ajuste Senha");
const QString kAskCurrent = QStringLiteral("Senha atual:");
const QString kAskNew = QStringLiteral("Nova senha:");
const char* const kLinks[] = {"Label3", "Label5", "Label6", "Label7"};

int enabledLinks(FormWindow* w)
{
    int n = 0;
    for (const char* link : kLinks)
        if (auto* l = w->control<QLabel>(link); l && l->isEnabled())
            ++n;
    return n;
}

// Runs the steps inside the event loop; true when the program ended by
// itself (the loop returned before the safety timeout).
bool endsProgram(const std::function<void()>& steps)
{
    bool timedOut = false;
    QTimer::singleShot(0, steps);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    guard.start(3000);
    QCoreApplication::exec();
    return !timedOut;
}

// Alt+F4 or a task bar's "Close": the close request reaches the window from
// the window system, as a spontaneous event. (QWindow::close() called by the
// program itself is not spontaneous.)
bool closeFromWindowManager(QWidget* w)
{
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    QCoreApplication::sendEvent(w->windowHandle(), &request);
    return request.isAccepted();
}

// The exit lock as "Fechar TAVEK" leaves it.
void expectLockOpen(FormWindow* m)
{
    QVERIFY(m->isVisible());
    QVERIFY(visible(m, "Panel1"));
    QCOMPARE(enabledLinks(m), 0);
    QCOMPARE(textOf(m, "Edit1"), QString());
    QCOMPARE(focused(m), QStringLiteral("Edit1"));
}

void tryPassword(FormWindow* main, const QString& typed)
{
    trigger(main, "FecharTAVEK1");
    type(main, "Edit1", typed);
    click(main, "Button1");
}

// The exit lock refuses one password ("Senha Incorreta") and ends the
// program with the other.
void expectExitPassword(Program& p, FormWindow* main, const QString& refused, const QString& accepted)
{
    tryPassword(main, refused);
    QCOMPARE(p.messenger.texts().back(), kWrong);
    QVERIFY(endsProgram([&] { tryPassword(main, accepted); }));
    QCOMPARE(p.messenger.texts().back(), kFarewell);
}

// Right press on "Mecânica", the switch, the current password confirmed,
// then the new one.
void changePassword(FormWindow* main, const QString& current, const QString& password)
{
    press(main, "Label4", Qt::RightButton);
    if (!main->control<QRadioButton>("RadioButton1")->isChecked())
        click(main, "RadioButton1");
    type(main, "Edit2", current);
    click(main, "Button2");
    type(main, "Edit2", password);
    click(main, "Button2");
}

} // namespace

class ExitLockTest : public QObject {
    Q_OBJECT
private slots:
    void designState();
    void openingTheLock();
    void wrongPasswordsReopenTheLinks();
    void linksIgnoreClicksWhileOpen();
    void conversionsWorkWhileOpen();
    void zorpFromStartEndsTheProgram();
    void farewellClosesEveryWindow();
    void mecanicaPresses();
    void switchRevealsTheEntry();
    void emptyNewPasswordRefused();
    void newPasswordReplacesZorp();
    void switchBeforeFecharKeepsZorp();
    void fecharWithoutSwitchRestoresZorp();
    void windowManagerCloseOpensTheLock();
    void sessionSaveKeepsTheLock();
    void sessionEndClosesWithoutAsking();
    void passwordsShowAsDots();
    void changeAsksForTheCurrentPassword();
    void theAcceptedStepEnds_data();
    void theAcceptedStepEnds();
    void keysKeepTheAcceptedStep();
    void exerciseWindowsHideOnWindowManagerClose();
};

void ExitLockTest::designState()
{
    Program p;
    FormWindow* m = p.form(1);
    QVERIFY(!visible(m, "Panel1"));
    QVERIFY(!visible(m, "Panel2"));
    QCOMPARE(enabledLinks(m), 4);
    QVERIFY(!m->control<QRadioButton>("RadioButton1")->isChecked());
    QVERIFY(m->control<QWidget>("Edit2")->isHidden());
    QVERIFY(m->control<QWidget>("Button2")->isHidden());
}

void ExitLockTest::openingTheLock()
{
    Program p;
    FormWindow* m = p.form(1);
    trigger(m, "FecharTAVEK1");
    QVERIFY(visible(m, "Panel1"));
    QCOMPARE(enabledLinks(m), 0);
    QCOMPARE(textOf(m, "Edit1"), QString());
    QCOMPARE(focused(m), QStringLiteral("Edit1"));
    QVERIFY(m->isVisible());
    // chosen again while open: the entry is emptied again
    type(m, "Edit1", QStringLiteral("zo"));
    trigger(m, "FecharTAVEK1");
    QCOMPARE(textOf(m, "Edit1"), QString());
    QVERIFY(visible(m, "Panel1"));
    QVERIFY(p.messenger.texts().isEmpty());
}

void ExitLockTest::wrongPasswordsReopenTheLinks()
{
    Program p;
    FormWindow* m = p.form(1);
    const QString wrong[] = {QStringLiteral("ZORP"), QStringLiteral("zorp "), QStringLiteral(" zorp"),
                             QStringLiteral("Zorp"), QString()};
    int boxes = 0;
    for (const QString& typed : wrong) {
        tryPassword(m, typed);
        ++boxes;
        QCOMPARE(p.messenger.texts().size(), boxes);
        QCOMPARE(p.messenger.texts().back(), kWrong);
        QVERIFY(!visible(m, "Panel1"));
        QCOMPARE(enabledLinks(m), 4);
        QCOMPARE(textOf(m, "Edit1"), typed); // kept until the next opening
        QVERIFY(m->isVisible());
    }
    // the links work again
    QTest::mouseClick(m->control<QLabel>("Label5"), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QVERIFY(p.form(4)->isVisible());
}

void ExitLockTest::linksIgnoreClicksWhileOpen()
{
    Program p;
    FormWindow* m = p.form(1);
    trigger(m, "FecharTAVEK1");
    const std::pair<const char*, FormNumber> links[] = {
        {"Label3", 2}, {"Label5", 4}, {"Label6", 6}, {"Label7", 10}};
    for (const auto& [label, form] : links) {
        QTest::mouseClick(m->control<QLabel>(label), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY2(!p.form(form)->isVisible(), label);
    }
}

void ExitLockTest::conversionsWorkWhileOpen()
{
    Program p;
    FormWindow* m = p.form(1);
    FormWindow* form2 = p.open(2);
    trigger(m, "FecharTAVEK1");
    trigger(m, "ConversesdeUnidades1");
    QVERIFY(p.form(3)->isVisible());
    // an exercise window already open stays usable, and so does its own link
    trigger(form2, "FecharJanela1");
    QVERIFY(!form2->isVisible());
    QVERIFY(visible(m, "Panel1"));
    QCOMPARE(enabledLinks(m), 0);
}

void ExitLockTest::zorpFromStartEndsTheProgram()
{
    Program p;
    FormWindow* m = p.form(1);
    QVERIFY(endsProgram([&] { tryPassword(m, QStringLiteral("zorp")); }));
    QCOMPARE(p.messenger.texts(), QStringList{kFarewell});
    QCOMPARE(p.messenger.boxes.front().window, QStringLiteral("Form1"));
    QVERIFY(!m->isVisible());
}

void ExitLockTest::farewellClosesEveryWindow()
{
    Program p;
    FormWindow* m = p.form(1);
    p.open(4);
    p.open(3);
    // a wrong try first: the lock can be opened again and then succeed
    tryPassword(m, QStringLiteral("senha"));
    QVERIFY(endsProgram([&] { tryPassword(m, QStringLiteral("zorp")); }));
    QCOMPARE(p.messenger.texts(), (QStringList{kWrong, kFarewell}));
    for (int id = 1; id <= 11; ++id)
        QVERIFY2(!p.form(static_cast<FormNumber>(id))->isVisible(), qPrintable(QString::number(id)));
}

void ExitLockTest::mecanicaPresses()
{
    Program p;
    FormWindow* m = p.form(1);
    const struct {
        Qt::MouseButton button;
        bool panelAfter;
    } presses[] = {
        {Qt::MiddleButton, false}, {Qt::LeftButton, false}, {Qt::RightButton, true}, {Qt::MiddleButton, true},
        {Qt::RightButton, true},   {Qt::LeftButton, false}, {Qt::MiddleButton, false},
    };
    for (const auto& row : presses) {
        press(m, "Label4", row.button);
        QCOMPARE(visible(m, "Panel2"), row.panelAfter);
    }
    // the panel opens whether or not the exit lock is open, and the
    // heading has no click action of its own
    trigger(m, "FecharTAVEK1");
    press(m, "Label4", Qt::RightButton);
    QVERIFY(visible(m, "Panel2"));
    QVERIFY(visible(m, "Panel1"));
    QVERIFY(visible(m, "RadioButton1"));
    QVERIFY(!visible(m, "Edit2") && !visible(m, "Button2"));
    QVERIFY(p.messenger.texts().isEmpty());
}

void ExitLockTest::switchRevealsTheEntry()
{
    Program p;
    FormWindow* m = p.form(1);
    press(m, "Label4", Qt::RightButton);
    click(m, "RadioButton1");
    QVERIFY(m->control<QRadioButton>("RadioButton1")->isChecked());
    QVERIFY(visible(m, "Edit2") && visible(m, "Button2"));
    QCOMPARE(focused(m), QStringLiteral("Edit2"));
    // a second click leaves it checked
    click(m, "RadioButton1");
    QVERIFY(m->control<QRadioButton>("RadioButton1")->isChecked());
    // hidden and shown again: the entry stays with the switch
    press(m, "Label4", Qt::LeftButton);
    press(m, "Label4", Qt::RightButton);
    QVERIFY(visible(m, "Edit2") && visible(m, "Button2") && visible(m, "RadioButton1"));
}

void ExitLockTest::emptyNewPasswordRefused()
{
    Program p;
    FormWindow* m = p.form(1);
    changePassword(m, QStringLiteral("zorp"), QString());
    QCOMPARE(p.messenger.texts(), QStringList{kEmpty});
    QVERIFY(visible(m, "Panel2"));
    QCOMPARE(textOf(m, "Label10"), kAskNew); // still asking for the new one
    QCOMPARE(focused(m), QStringLiteral("Edit2"));
    // the password stays the default
    expectExitPassword(p, m, QString(), QStringLiteral("zorp"));
}

void ExitLockTest::newPasswordReplacesZorp()
{
    Program p;
    FormWindow* m = p.form(1);
    trigger(m, "FecharTAVEK1");
    changePassword(m, QStringLiteral("zorp"), QStringLiteral("Prof 2"));
    QVERIFY(!visible(m, "Panel2"));
    QVERIFY(p.messenger.texts().isEmpty());
    // shown again, the entry holds nothing of the new password and asks for
    // the current one
    press(m, "Label4", Qt::RightButton);
    QCOMPARE(textOf(m, "Edit2"), QString());
    QCOMPARE(textOf(m, "Label10"), kAskCurrent);
    press(m, "Label4", Qt::LeftButton);

    for (const char* typed : {"zorp", "prof 2", "Prof 2 ", ""}) {
        tryPassword(m, QString::fromLatin1(typed));
        QCOMPARE(p.messenger.texts().back(), kWrong);
    }
    // a blank is a password like any other
    changePassword(m, QStringLiteral("Prof 2"), QStringLiteral(" "));
    tryPassword(m, QStringLiteral("Prof 2"));
    QCOMPARE(p.messenger.texts().back(), kWrong);
    QVERIFY(endsProgram([&] { tryPassword(m, QStringLiteral(" ")); }));
    QCOMPARE(p.messenger.texts().back(), kFarewell);
    QCOMPARE(p.messenger.texts().size(), 6);
}

void ExitLockTest::switchBeforeFecharKeepsZorp()
{
    Program p;
    FormWindow* m = p.form(1);
    press(m, "Label4", Qt::RightButton);
    click(m, "RadioButton1");
    press(m, "Label4", Qt::LeftButton);
    // an empty entry must not end the program
    tryPassword(m, QString());
    QCOMPARE(p.messenger.texts(), QStringList{kWrong});
    QVERIFY(m->isVisible());
    QVERIFY(endsProgram([&] { tryPassword(m, QStringLiteral("zorp")); }));
    QCOMPARE(p.messenger.texts(), (QStringList{kWrong, kFarewell}));
}

void ExitLockTest::fecharWithoutSwitchRestoresZorp()
{
    // The new-password button cannot be reached without the switch, and the
    // switch once on stays on: so a password set stays set. Without the
    // switch, each opening puts the default back.
    Program p;
    FormWindow* m = p.form(1);
    for (int i = 0; i < 3; ++i) {
        tryPassword(m, QStringLiteral("ZORP"));
        QCOMPARE(p.messenger.texts().back(), kWrong);
    }
    QVERIFY(endsProgram([&] { tryPassword(m, QStringLiteral("zorp")); }));
    QCOMPARE(p.messenger.texts().size(), 4);
}

void ExitLockTest::windowManagerCloseOpensTheLock()
{
    Program p;
    FormWindow* m = p.form(1);
    FormWindow* form4 = p.open(4);
    for (const char* halfTyped : {"", "zo"}) { // asked again: emptied again, like the menu
        type(m, "Edit1", QString::fromLatin1(halfTyped));
        QVERIFY(!closeFromWindowManager(m));
        expectLockOpen(m);
        QVERIFY(form4->isVisible());
    }
    tryPassword(m, QStringLiteral("ZORP"));
    QCOMPARE(p.messenger.texts(), QStringList{kWrong});
    QCOMPARE(enabledLinks(m), 4);
    // the right password after the window manager's close ends the program
    QVERIFY(endsProgram([&] {
        closeFromWindowManager(m);
        type(m, "Edit1", QStringLiteral("zorp"));
        click(m, "Button1");
    }));
    QCOMPARE(p.messenger.texts(), (QStringList{kWrong, kFarewell}));
    QVERIFY(!m->isVisible() && !form4->isVisible());
}

// A session save, or a log-out the user cancels, asks the program to save
// and then nothing ends: the window manager's close opens the lock as ever.
void ExitLockTest::sessionSaveKeepsTheLock()
{
    Program p;
    FormWindow* m = p.form(1);
    auto* session = qApp->findChild<QSessionManager*>();
    QVERIFY(session);
    for (int save = 0; save < 2; ++save) {
        emit qApp->commitDataRequest(*session);
        emit qApp->saveStateRequest(*session);
        QVERIFY(!closeFromWindowManager(m));
        expectLockOpen(m);
        tryPassword(m, QStringLiteral("aluno"));
    }
    QCOMPARE(p.messenger.texts(), (QStringList{kWrong, kWrong}));
    QVERIFY(m->isVisible());
}

// The end of the session: the session manager tells the application to
// quit, which closes its windows itself. Nothing is asked.
void ExitLockTest::sessionEndClosesWithoutAsking()
{
    Program p;
    FormWindow* m = p.form(1);
    auto* session = qApp->findChild<QSessionManager*>();
    QVERIFY(session);
    QVERIFY(endsProgram([&] {
        emit qApp->commitDataRequest(*session);
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(qApp, &quit);
    }));
    QVERIFY(p.messenger.texts().isEmpty());
    QVERIFY(!visible(m, "Panel1"));
    QVERIFY(!m->isVisible());
}

// A projector shows the teacher's screen: what is typed into the exit
// panels is drawn as dots, and cannot be copied out.
void ExitLockTest::passwordsShowAsDots()
{
    Program p;
    FormWindow* m = p.form(1);
    trigger(m, "FecharTAVEK1");
    press(m, "Label4", Qt::RightButton);
    click(m, "RadioButton1");
    for (const char* cell : {"Edit1", "Edit2"}) {
        auto* edit = m->control<QLineEdit>(cell);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("zorp"));
        QCOMPARE(edit->text(), QStringLiteral("zorp"));
        QVERIFY2(!edit->displayText().contains(QLatin1Char('z')), cell);
        QCOMPARE(edit->displayText().size(), 4);
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
    }
}

// A student who right-presses "Mecânica" and ticks the switch cannot replace
// the exit password without knowing it.
void ExitLockTest::changeAsksForTheCurrentPassword()
{
    Program p;
    FormWindow* m = p.form(1);
    press(m, "Label4", Qt::RightButton);
    QVERIFY(!visible(m, "Label10"));
    click(m, "RadioButton1");
    QVERIFY(visible(m, "Label10"));
    QCOMPARE(textOf(m, "Label10"), kAskCurrent);
    for (const char* wrong : {"aluno", "ZORP", ""}) {
        press(m, "Label4", Qt::RightButton);
        type(m, "Edit2", QString::fromLatin1(wrong));
        click(m, "Button2");
        QCOMPARE(p.messenger.texts().back(), kWrong);
        QVERIFY(!visible(m, "Panel2"));
        QCOMPARE(textOf(m, "Edit2"), QString());
        QCOMPARE(textOf(m, "Label10"), kAskCurrent);
    }
    QCOMPARE(p.messenger.texts().size(), 3);
    // the right one: the same entry, emptied, now takes the new password
    press(m, "Label4", Qt::RightButton);
    type(m, "Edit2", QStringLiteral("zorp"));
    click(m, "Button2");
    QCOMPARE(p.messenger.texts().size(), 3);
    QVERIFY(visible(m, "Panel2"));
    QCOMPARE(textOf(m, "Edit2"), QString());
    QCOMPARE(textOf(m, "Label10"), kAskNew);
    QCOMPARE(focused(m), QStringLiteral("Edit2"));
    QCOMPARE(m->control<QLineEdit>("Edit2")->accessibleName(), QString::fromUtf8("Nova senha de saída"));
    type(m, "Edit2", QStringLiteral("aula"));
    click(m, "Button2");
    QVERIFY(!visible(m, "Panel2"));
    QCOMPARE(textOf(m, "Edit2"), QString());
    QCOMPARE(textOf(m, "Label10"), kAskCurrent);
    QCOMPARE(m->control<QLineEdit>("Edit2")->accessibleName(), QString::fromUtf8("Senha de saída atual"));
    expectExitPassword(p, m, QStringLiteral("aluno"), QStringLiteral("aula"));
}

// Between the two steps the teacher hides the panel (a left press on
// "Mecânica"), opens the exit lock, goes to another window or leaves the
// panel without a key: the panel starts over at the current password, and
// whoever comes next cannot set a new one.
void ExitLockTest::theAcceptedStepEnds_data()
{
    QTest::addColumn<QString>("how");
    for (const char* how : {"hidden", "exit lock", "other window", "idle"})
        QTest::newRow(how) << QString::fromLatin1(how);
}

void ExitLockTest::theAcceptedStepEnds()
{
    QFETCH(QString, how);
    Program p;
    auto* m = static_cast<tavek::MainWindow*>(p.open(1));
    m->setChangeIdle(how == QLatin1String("idle") ? std::chrono::milliseconds(100) : std::chrono::minutes(10));
    press(m, "Label4", Qt::RightButton);
    click(m, "RadioButton1");
    type(m, "Edit2", QStringLiteral("zorp"));
    click(m, "Button2");
    QCOMPARE(textOf(m, "Label10"), kAskNew);
    type(m, "Edit2", QStringLiteral("meio"));
    if (how == QLatin1String("hidden")) {
        press(m, "Label4", Qt::LeftButton);
        press(m, "Label4", Qt::RightButton);
    } else if (how == QLatin1String("exit lock")) {
        trigger(m, "FecharTAVEK1");
    } else if (how == QLatin1String("other window")) {
        FormWindow* other = p.open(4);
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other));
    }
    QTRY_COMPARE_WITH_TIMEOUT(textOf(m, "Label10"), kAskCurrent, 5000);
    QCOMPARE(textOf(m, "Edit2"), QString());
    QVERIFY(visible(m, "Panel2"));
    type(m, "Edit2", QStringLiteral("aluno"));
    click(m, "Button2");
    QCOMPARE(p.messenger.texts(), QStringList{kWrong});
    if (how == QLatin1String("exit lock"))
        click(m, "Button1"); // an empty entry: "Senha Incorreta", the lock closed again
    expectExitPassword(p, m, QStringLiteral("meio"), QStringLiteral("zorp"));
}

// Keys in the panel keep the accepted step for as long as they come; the
// wait counts from the last one.
void ExitLockTest::keysKeepTheAcceptedStep()
{
    Program p;
    auto* m = static_cast<tavek::MainWindow*>(p.open(1));
    constexpr int idle = 600;
    m->setChangeIdle(std::chrono::milliseconds(idle));
    press(m, "Label4", Qt::RightButton);
    click(m, "RadioButton1");
    type(m, "Edit2", QStringLiteral("zorp"));
    QElapsedTimer sinceKey;
    sinceKey.start();
    click(m, "Button2");
    auto* edit = m->control<QLineEdit>("Edit2");
    qint64 longestGap = 0;
    for (int i = 0; i < 6; ++i) { // twice the wait in all
        QTest::qWait(idle / 3);
        longestGap = std::max(longestGap, sinceKey.restart());
        QTest::keyClick(edit, Qt::Key_A);
    }
    if (longestGap < idle - 50) // a machine busy elsewhere may sleep longer than asked
        QCOMPARE(textOf(m, "Label10"), kAskNew);
    else
        qWarning("keys %lld ms apart: too slow a machine to tell", static_cast<long long>(longestGap));
    QTRY_COMPARE_WITH_TIMEOUT(textOf(m, "Label10"), kAskCurrent, 5000);
    QVERIFY(sinceKey.elapsed() >= idle - 50);
    QCOMPARE(textOf(m, "Edit2"), QString());
}

void ExitLockTest::exerciseWindowsHideOnWindowManagerClose()
{
    Program p;
    FormWindow* m = p.form(1);
    for (FormNumber id : {3, 4, 11}) {
        FormWindow* w = p.open(id);
        type(w, "Edit1", QStringLiteral("12"));
        QVERIFY(closeFromWindowManager(w));
        QVERIFY(!w->isVisible());
        QCOMPARE(p.open(id), w);
        QCOMPARE(textOf(w, "Edit1"), QStringLiteral("12"));
    }
    QVERIFY(m->isVisible());
    QVERIFY(!visible(m, "Panel1"));
}

QTEST_MAIN(ExitLockTest)
#include "exit_lock_test.moc"
