// The keyboard reaches what a student needs: the main window's topic links
// with Tab, Enter and Space, every window's menu bar with Alt or F10 and the
// arrow keys, every button with Enter, and an exercise's or a password's
// button with Enter in its cell. The teacher's hidden controls stay
// mouse-only.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
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

// The calculate buttons of a window that were pressed, in order.
struct Presses {
    explicit Presses(tavek::FormWindow* w)
    {
        for (const tavek::Exercise& e : w->exercises())
            for (const tavek::WiredPress& press : e.presses)
                QObject::connect(press.button, &QAbstractButton::clicked,
                                 [this, b = press.button] { names << b->objectName(); });
    }
    QStringList names;
};

tavek::FormWindow* activeForm(Program& p, FormNumber form)
{
    tavek::FormWindow* w = p.open(form);
    w->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(w)); }();
    return w;
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
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Form1 Conversôes de Unidades") << 1 << 1 << QStringList{"Form3"} << Qt::Key_Alt;
        QTest::newRow("Form4 Mais exercícios") << 4 << 2 << QStringList{"Form4", "Form5"} << Qt::Key_Alt;
        QTest::newRow("Form6 Mais exercícios") << 6 << 2 << QStringList{"Form6", "Form7"} << Qt::Key_Alt;
        QTest::newRow("Form9 Conversões de unidades") << 9 << 2 << QStringList{"Form3", "Form9"} << Qt::Key_Alt;
        QTest::newRow("Form2 Fechar Janela") << 2 << 0 << QStringList{} << Qt::Key_Alt;
        QTest::newRow("Form2 F10 Conversões de Unidades") << 2 << 3 << QStringList{"Form2", "Form3"} << Qt::Key_F10;
        QTest::newRow("Form10 F10 Fechar Janela") << 10 << 0 << QStringList{} << Qt::Key_F10;
    }
    void altArrowsAndEnterChooseAMenuItem()
    {
        QFETCH(FormNumber, form);
        QFETCH(int, rights);
        QFETCH(QStringList, shown);
        QFETCH(Qt::Key, key);
        Program p;
        tavek::FormWindow* w = p.open(form);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        press(key);
        for (int i = 0; i < rights; ++i)
            press(Qt::Key_Right);
        press(Qt::Key_Return);
        QCOMPARE(shownExerciseWindows(p), shown);
    }

    // Alt or F10 puts the bar in its keyboard mode on the first title, lit so
    // that the student sees where the keyboard is; Escape gives the keyboard
    // back to where it was.
    void menuKeysLightTheFirstTitle_data()
    {
        QTest::addColumn<FormNumber>("form");
        QTest::addColumn<Qt::Key>("key");
        for (int n = 1; n <= 11; ++n)
            for (const auto& [name, key] : {std::pair{"Alt", Qt::Key_Alt}, {"F10", Qt::Key_F10}})
                QTest::addRow("Form%d %s", n, name) << static_cast<FormNumber>(n) << key;
    }
    void menuKeysLightTheFirstTitle()
    {
        QFETCH(FormNumber, form);
        QFETCH(Qt::Key, key);
        Program p;
        tavek::FormWindow* w = activeForm(p, form);
        QWidget* before = QApplication::focusWidget();
        QMenuBar* bar = w->menuBar();
        QAction* first = bar->actions().first();
        const QRect title = bar->actionGeometry(first);
        const QImage plain = look(bar);
        press(key);
        QCOMPARE(bar->activeAction(), first);
        QVERIFY(bar->hasFocus());
        const QImage lit = look(bar);
        QVERIFY(lit.copy(title) != plain.copy(title));
        QCOMPARE(lit.copy(title.right() + 1, 0, bar->width() - title.right() - 1, bar->height()),
                 plain.copy(title.right() + 1, 0, bar->width() - title.right() - 1, bar->height()));
        press(Qt::Key_Escape);
        QCOMPARE(bar->activeAction(), nullptr);
        QCOMPARE(QApplication::focusWidget(), before);
        QCOMPARE(look(bar), plain);
    }

    // Outside a dialog Qt's push buttons take only Space.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<FormNumber>("form");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Qt::Key>("key");
        const std::pair<FormNumber, const char*> buttons[] = {
            {2, "Button1"}, {2, "Button6"}, {3, "Button5"}, {9, "Button3"}, {11, "Button2"}, {1, "Button1"}};
        for (const auto& [form, button] : buttons)
            for (const auto& [name, key] : {std::pair{"Enter", Qt::Key_Return}, {"keypad Enter", Qt::Key_Enter}})
                QTest::addRow("Form%d %s %s", form, button, name) << form << QString::fromLatin1(button) << key;
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(FormNumber, form);
        QFETCH(QString, button);
        QFETCH(Qt::Key, key);
        Program p;
        tavek::FormWindow* w = activeForm(p, form);
        if (form == 1)
            trigger(w, "FecharTAVEK1"); // "Confirma Senha" shows with the exit lock
        auto* b = w->control<QPushButton>(button.toLatin1().constData());
        QVERIFY(b && b->isVisible());
        b->setFocus(Qt::TabFocusReason);
        QSignalSpy clicks(b, &QAbstractButton::clicked);
        const Qt::KeyboardModifiers keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(b, key, keypad);
        QCOMPARE(clicks.count(), 1);
        // Held down, it does not press again and again.
        QKeyEvent held(QEvent::KeyPress, key, keypad, QString(), true);
        QApplication::sendEvent(b, &held);
        QCOMPARE(clicks.count(), 1);
        // Enter with Ctrl or Alt is some other command.
        QTest::keyClick(b, key, keypad | Qt::ControlModifier);
        QCOMPARE(clicks.count(), 1);
    }

    void enterInACellCalculatesItsExercise_data()
    {
        QTest::addColumn<FormNumber>("form");
        for (int n = 2; n <= 11; ++n)
            QTest::addRow("Form%d", n) << static_cast<FormNumber>(n);
    }
    void enterInACellCalculatesItsExercise()
    {
        QFETCH(FormNumber, form);
        Program p;
        tavek::FormWindow* w = p.open(form);
        Presses presses(w);
        int cells = 0;
        for (const tavek::Exercise& e : w->exercises()) {
            if (e.presses.size() != 1)
                continue; // the conversions: below
            for (QLineEdit* cell : e.inputs) {
                presses.names.clear();
                QTest::keyClick(cell, Qt::Key_Return);
                QTest::keyClick(cell, Qt::Key_Enter, Qt::KeypadModifier);
                const QString button = e.presses.front().button->objectName();
                QVERIFY2(presses.names == QStringList({button, button}),
                         qPrintable(cell->objectName() + ": " + presses.names.join(' ')));
                ++cells;
            }
        }
        QVERIFY(form == 3 || cells > 0);
    }

    // A conversion group has a button per unit: Enter in its cell converts
    // again to the unit chosen last; before any, it leads to the first.
    void enterInAConversionCellRepeatsItsUnit()
    {
        Program p;
        tavek::FormWindow* w = activeForm(p, 3);
        Presses presses(w);
        auto* length = w->control<QLineEdit>("Edit1");
        type(w, "Edit1", QStringLiteral("5"));
        QTest::keyClick(length, Qt::Key_Return);
        QCOMPARE(presses.names, QStringList{});
        QCOMPARE(focused(w), QStringLiteral("Button1")); // "mm -> m"
        click(w, "Button5");                             // "km -> m"
        QTest::keyClick(length, Qt::Key_Return);
        QCOMPARE(presses.names, (QStringList{"Button5", "Button5"}));
        QCOMPARE(textOf(w, "Edit2"), QStringLiteral("5000.00000000 m"));
        // The time group has its own.
        QTest::keyClick(w->control<QLineEdit>("Edit3"), Qt::Key_Return);
        QCOMPARE(presses.names.size(), 2);
        QCOMPARE(focused(w), QStringLiteral("Button7")); // "h -> s"
    }

    void enterInAPasswordCellConfirmsIt_data()
    {
        QTest::addColumn<FormNumber>("form");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("button");
        QTest::newRow("Form1 Confirma Senha") << 1 << "Edit1" << "Button1";
        QTest::newRow("Form1 Confirmar Alteração") << 1 << "Edit2" << "Button2";
        QTest::newRow("Form2 Crie senha") << 2 << "Edit14" << "Button7";
        QTest::newRow("Form2 Redigite Senha") << 2 << "Edit15" << "Button8";
        QTest::newRow("Form11 Redigite Senha") << 11 << "Edit15" << "Button8";
    }
    void enterInAPasswordCellConfirmsIt()
    {
        QFETCH(FormNumber, form);
        QFETCH(QString, cell);
        QFETCH(QString, button);
        Program p;
        tavek::FormWindow* w = p.open(form);
        if (cell == "Edit1") {
            trigger(w, "FecharTAVEK1");
        } else if (form == 1) {
            ::press(w, "Label4", Qt::RightButton); // the password-change panel
            click(w, "RadioButton1");
        } else {
            trigger(w, form == 2 ? "Desabilotarcdulasderesultados1" : "DesabilitarcdulasdeResultados1");
            if (cell == "Edit15") { // a password created first: an empty one is refused
                type(w, "Edit14", QStringLiteral("p"));
                click(w, "Button7");
            }
        }
        auto* c = w->control<QLineEdit>(cell.toLatin1().constData());
        auto* b = w->control<QAbstractButton>(button.toLatin1().constData());
        QVERIFY(c->isVisible() && b->isVisible());
        QSignalSpy clicks(b, &QAbstractButton::clicked);
        QTest::keyClick(c, Qt::Key_Return);
        QCOMPARE(clicks.count(), 1);
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
