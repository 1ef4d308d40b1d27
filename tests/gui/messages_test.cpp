// The program's boxes: which icon each kind of message wears, and the window
// a box came from getting the keyboard back once it is dismissed.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

#include "support.h"

using tavek::FormWindow;

namespace {

// The box the program has open, read and dismissed from inside its own loop.
struct SeenBox {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
};

std::shared_ptr<SeenBox> dismissNextBox(const std::function<void()>& thenElsewhere = {})
{
    auto seen = std::make_shared<SeenBox>();
    QTimer::singleShot(0, [seen, thenElsewhere] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen->icon = box->icon();
        seen->text = box->text();
        box->accept();
        if (thenElsewhere)
            thenElsewhere();
    });
    return seen; // filled by the time the box that follows returns
}

} // namespace

class MessagesTest : public ProgramTest {
    Q_OBJECT
private slots:
    void problemsWarnNoticesInform_data();
    void problemsWarnNoticesInform();
    void boxesWearTheirIcons();
    void theWindowGetsTheKeyboardBack();
};

void MessagesTest::problemsWarnNoticesInform_data()
{
    QTest::addColumn<std::function<void(Program&)>>("act");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("notice");
    QTest::newRow("a cell that is not a number") << std::function<void(Program&)>([](Program& p) {
        FormWindow* w = p.open(2);
        type(w, "Edit2", QStringLiteral("cem"));
        click(w, "Button1");
    }) << kInvalid << false;
    QTest::newRow("the lock asked twice") << std::function<void(Program&)>([](Program& p) {
        FormWindow* w = p.open(4);
        trigger(w, "DesabilitarcdulasdeResultados1");
        trigger(w, "DesabilitarcdulasdeResultados1");
    }) << u("Cédulas Já Desabilitadas") << true;
    QTest::newRow("the lock opened when open") << std::function<void(Program&)>([](Program& p) {
        trigger(p.open(6), "ReabilitarcdulasdeResultados1");
    }) << u("Cédulas Já Abilitadas") << true;
    QTest::newRow("the lock's password mistyped") << std::function<void(Program&)>([](Program& p) {
        FormWindow* w = p.open(10);
        trigger(w, "DesabilitarcdulasdeResultados1");
        type(w, "Edit14", QStringLiteral("abc"));
        click(w, "Button7");
        type(w, "Edit15", QStringLiteral("abd"));
        click(w, "Button8");
    }) << u("Senha Incorreta") << false;
    QTest::newRow("the exit password mistyped") << std::function<void(Program&)>([](Program& p) {
        FormWindow* m = p.form(1);
        trigger(m, "FecharTAVEK1");
        type(m, "Edit1", QStringLiteral("Zorp"));
        click(m, "Button1");
    }) << u("Senha Incorreta") << false;
    QTest::newRow("the farewell") << std::function<void(Program&)>([](Program& p) {
        FormWindow* m = p.form(1);
        trigger(m, "FecharTAVEK1");
        type(m, "Edit1", QStringLiteral("zorp"));
        click(m, "Button1");
    }) << u("Obrigado por Usar este Programa - Visite | www.tavek.example | ") << true;
}

void MessagesTest::problemsWarnNoticesInform()
{
    QFETCH(std::function<void(Program&)>, act);
    QFETCH(QString, text);
    QFETCH(bool, notice);
    act(*p);
    QCOMPARE(p->messenger.texts(), QStringList{text});
    QCOMPARE(p->messenger.boxes.front().notice, notice);
}

void MessagesTest::boxesWearTheirIcons()
{
    tavek::BoxMessenger boxes;
    FormWindow* w = p->open(2);
    const std::tuple<std::function<void()>, QMessageBox::Icon> cases[] = {
        {[&] { boxes.inform(w, kInvalid); }, QMessageBox::Warning},
        {[&] { boxes.notice(w, u("Cédulas Já Abilitadas")); }, QMessageBox::Information},
        {[&] { boxes.fault(w, QStringLiteral("Floating point division by zero.")); }, QMessageBox::Critical},
    };
    for (const auto& [show, icon] : cases) {
        const auto seen = dismissNextBox();
        show();
        QCOMPARE(seen->icon, icon);
    }
}

// A window manager hands the keyboard elsewhere when a box goes (openbox: to
// the main window); the window the box came from takes it back.
void MessagesTest::theWindowGetsTheKeyboardBack()
{
    tavek::BoxMessenger boxes;
    FormWindow* main = p->form(1);
    FormWindow* w = p->open(2);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    const auto seen = dismissNextBox([main] { main->activateWindow(); });
    boxes.inform(w->control("Edit2"), kInvalid);
    QCOMPARE(seen->text, kInvalid);
    QTRY_VERIFY(w->isActiveWindow());
}

QTEST_MAIN(MessagesTest)
#include "messages_test.moc"
