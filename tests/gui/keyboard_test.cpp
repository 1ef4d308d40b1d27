// The keyboard reaches what a student needs: the main window's topic links
// with Tab, Enter and Space, and every window's menu bar with Alt and the
// arrow keys. The teacher's hidden controls stay mouse-only.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

#include "kit/frame/link_label.h"
#include "support.h"

using tavek::FormNumber;
Q_DECLARE_METATYPE(tavek::FormNumber)
Q_DECLARE_METATYPE(Qt::Key)

namespace {

const char* const kLinks[] = {"Label3", "Label5", "Label6", "Label7"};
const FormNumber kTargets[] = {2, 4, 6, 10};

// A key pressed where the keyboard focus is, as a real key press would go.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

tavek::FormWindow* activeMain(Program& p)
{
    tavek::FormWindow* main = p.form(1);
    main->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(main)); }();
    return main;
}

QStringList shownExerciseWindows(const Program& p)
{
    QStringList r;
    for (int i = 2; i <= 11; ++i)
        if (p.form(static_cast<FormNumber>(i))->isVisible())
            r << QStringLiteral("Form%1").arg(i);
    return r;
}

QImage look(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void tabWalksTheTopicLinksOnly()
    {
        Program p;
        tavek::FormWindow* main = activeMain(p);
        // No link holds the focus (nor wears its mark) before Tab is pressed.
        QVERIFY(!qobject_cast<LinkLabel*>(QApplication::focusWidget()));
        QStringList forward;
        for (int i = 0; i < 5; ++i) {
            press(Qt::Key_Tab);
            forward << focused(main);
        }
        QCOMPARE(forward, (QStringList{"Label3", "Label5", "Label6", "Label7", "Label3"}));
        QStringList back;
        for (int i = 0; i < 2; ++i) {
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            back << focused(main);
        }
        QCOMPARE(back, (QStringList{"Label7", "Label6"}));
        QCOMPARE(shownExerciseWindows(p), QStringList{}); // moving the focus opens nothing
    }

    void teachersControlsStayMouseOnly()
    {
        Program p;
        tavek::FormWindow* main = p.form(1);
        QCOMPARE(main->control<QLabel>("Label4")->focusPolicy(), Qt::NoFocus);
        QVERIFY(!qobject_cast<LinkLabel*>(main->control<QLabel>("Label4")));
        // The press on "Mecânica" that reveals the password-change panel is
        // not reachable by Tab: the walk stays among the links.
        activeMain(p);
        for (int i = 0; i < 6; ++i) {
            press(Qt::Key_Tab);
            QVERIFY2(qobject_cast<LinkLabel*>(QApplication::focusWidget()), qPrintable(focused(main)));
        }
        QVERIFY(!visible(main, "Panel2"));
    }

    void keysOpenTheFocusedLink_data()
    {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<FormNumber>("target");
        const std::pair<const char*, Qt::Key> keys[] = {
            {"Enter", Qt::Key_Return}, {"keypad Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}};
        for (int i = 0; i < 4; ++i)
            for (const auto& [name, key] : keys)
                QTest::addRow("%s %s", kLinks[i], name) << i + 1 << key << kTargets[i];
    }
    void keysOpenTheFocusedLink()
    {
        QFETCH(int, tabs);
        QFETCH(Qt::Key, key);
        QFETCH(FormNumber, target);
        Program p;
        activeMain(p);
        for (int i = 0; i < tabs; ++i)
            press(Qt::Key_Tab);
        press(key);
        QCOMPARE(shownExerciseWindows(p), QStringList{p.form(target)->objectName()});
    }

    void otherKeysOpenNothing()
    {
        Program p;
        activeMain(p);
        press(Qt::Key_Tab);
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Down, Qt::Key_F1})
            press(key);
        QCOMPARE(shownExerciseWindows(p), QStringList{});
    }

    void lockedLinksIgnoreTheKeyboard()
    {
        Program p;
        tavek::FormWindow* main = activeMain(p);
        press(Qt::Key_Tab);
        QCOMPARE(focused(main), QStringLiteral("Label3"));
        trigger(main, "FecharTAVEK1"); // the exit lock disables the links
        QCOMPARE(focused(main), QStringLiteral("Edit1"));
        auto* link = main->control<LinkLabel>("Label3");
        QTest::keyClick(link, Qt::Key_Return);
        for (int i = 0; i < 4; ++i) {
            press(Qt::Key_Tab);
            QVERIFY2(!qobject_cast<LinkLabel*>(QApplication::focusWidget()), qPrintable(focused(main)));
        }
        QCOMPARE(shownExerciseWindows(p), QStringList{});
    }

    void focusMarkOnlyWhileFocused()
    {
        Program p;
        tavek::FormWindow* main = activeMain(p);
        auto* link = main->control<LinkLabel>("Label5");
        const QImage plain = look(link);
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focused(main), QStringLiteral("Label5"));
        const QImage marked = look(link);
        QVERIFY(marked != plain);
        // The mark is a dotted frame at the edge; the text inside is untouched.
        const QRect inside = link->rect().adjusted(1, 1, -1, -1);
        QCOMPARE(marked.copy(inside), plain.copy(inside));
        press(Qt::Key_Tab);
        QCOMPARE(look(link), plain);
        // A click opens the link without taking the focus, so it leaves no mark.
        auto* other = main->control<LinkLabel>("Label7");
        const QImage before = look(other);
        QTest::mouseClick(other, Qt::LeftButton, Qt::NoModifier, other->rect().center());
        QVERIFY(p.form(10)->isVisible());
        QVERIFY(!other->hasFocus());
        QCOMPARE(look(other), before);
    }

    void linksAreLinksForAssistiveTechnology_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<FormNumber>("target");
        for (int i = 0; i < 4; ++i)
            QTest::newRow(kLinks[i]) << QString::fromLatin1(kLinks[i]) << kTargets[i];
    }
    void linksAreLinksForAssistiveTechnology()
    {
        QFETCH(QString, name);
        QFETCH(FormNumber, target);
        Program p;
        auto* link = p.form(1)->control<QLabel>(name.toLatin1().constData());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(link);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::Link);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Abrir ") + link->text());
        QVERIFY(a->state().focusable);
        QAccessibleActionInterface* actions = a->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(shownExerciseWindows(p), QStringList{p.form(target)->objectName()});
        // The heading beside them is plain text.
        QCOMPARE(QAccessible::queryAccessibleInterface(p.form(1)->control<QLabel>("Label4"))->role(),
                 QAccessible::StaticText);
    }

    void altReachesEveryMenuBar_data()
    {
        QTest::addColumn<FormNumber>("form");
        for (int n = 1; n <= 11; ++n)
            QTest::addRow("Form%d", n) << static_cast<FormNumber>(n);
    }
    void altReachesEveryMenuBar()
    {
        QFETCH(FormNumber, form);
        Program p;
        tavek::FormWindow* w = p.open(form);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QMenuBar* bar = w->menuBar();
        const QList<QAction*> items = bar->actions();
        QVERIFY(!items.isEmpty());
        QStringList texts;
        for (QAction* a : items)
            texts << a->text();
        QCOMPARE(bar->activeAction(), nullptr);
        press(Qt::Key_Alt);
        QCOMPARE(bar->activeAction(), items.first());
        QVERIFY(bar->hasFocus());
        if (items.size() > 1) {
            press(Qt::Key_Right);
            QCOMPARE(bar->activeAction(), items.at(1));
            press(Qt::Key_Left);
        }
        QCOMPARE(bar->activeAction(), items.first());
        press(Qt::Key_Escape);
        QCOMPARE(bar->activeAction(), nullptr);
        QVERIFY(!bar->hasFocus());
        QStringList after; // no "&" added for a mnemonic, nothing renamed
        for (QAction* a : bar->actions())
            after << a->text();
        QCOMPARE(after, texts);
        QCOMPARE(p.messenger.boxes.size(), std::size_t{0});
    }

    void altArrowsAndEnterChooseAMenuItem_data()
    {
        QTest::addColumn<FormNumber>("form");
        QTest::addColumn<int>("rights");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("Form1 Conversôes de Unidades") << 1 << 1 << QStringList{"Form3"};
        QTest::newRow("Form4 Mais exercícios") << 4 << 2 << QStringList{"Form4", "Form5"};
        QTest::newRow("Form6 Mais exercícios") << 6 << 2 << QStringList{"Form6", "Form7"};
        QTest::newRow("Form9 Conversões de unidades") << 9 << 2 << QStringList{"Form3", "Form9"};
        QTest::newRow("Form2 Fechar Janela") << 2 << 0 << QStringList{};
    }
    void altArrowsAndEnterChooseAMenuItem()
    {
        QFETCH(FormNumber, form);
        QFETCH(int, rights);
        QFETCH(QStringList, shown);
        Program p;
        tavek::FormWindow* w = p.open(form);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        press(Qt::Key_Alt);
        for (int i = 0; i < rights; ++i)
            press(Qt::Key_Right);
        press(Qt::Key_Return);
        QCOMPARE(shownExerciseWindows(p), shown);
    }

    void shownWindowComesBackFromMinimised()
    {
        Program p;
        tavek::FormWindow* w = p.open(4);
        type(w, "Edit1", "200");
        w->showMinimized();
        QTRY_VERIFY(w->isMinimized());
        p.registry->show(4);
        QVERIFY(!w->isMinimized());
        QVERIFY(w->isVisible());
        QTRY_VERIFY(w->isActiveWindow());
        QCOMPARE(textOf(w, "Edit1"), QStringLiteral("200"));
    }

    void windowsOpenAtTheirDesignedPlace()
    {
        // Left, Top as the window's position (with a window manager that is
        // the outer frame's: the desktop test checks that), designed width.
        Program p;
        const std::tuple<FormNumber, int, int, int> places[] = {
            {1, 61, 22, 694}, {2, 19, 9, 753}, {9, 7, 3, 780},
            {11, 61, 17, 705}};
        for (const auto& [id, left, top, width] : places) {
            tavek::FormWindow* w = p.open(id);
            QCOMPARE(w->pos(), QPoint(left, top));
            QCOMPARE(w->width(), width);
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
