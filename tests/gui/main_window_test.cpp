// The main window as the student first meets it: captions whole, the exit
// panels hidden, their colours, the status bar, the menu and the keyboard order
// (where each control stands and how it looks: the layout test's drawn-controls table).
#include <QAbstractButton>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QtTest>

#include "kit/frame/picture.h"
#include "support.h"

using tavek::FormNumber;

class MainWindowTest : public ProgramTest {
    Q_OBJECT
private slots:
    void captionsAreNotCut();
    void exitPanelsStartHidden();
    void panelColours();
    void statusBarAlongTheBottom();
    void menuBar();
    void tabOrder();
    void topicLinksAreWindowTextLabels();
};

namespace {
QWidget* child(tavek::FormWindow* w, const char* name)
{
    return w->control<QWidget>(name);
}

} // namespace

void MainWindowTest::captionsAreNotCut()
{
    auto* w = p->form(1);
    for (QLabel* label : w->findChildren<QLabel*>()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(label->contentsRect().width() >= needed, qPrintable(label->objectName()));
    }
}

void MainWindowTest::exitPanelsStartHidden()
{
    auto* w = p->form(1);
    QVERIFY(w->isVisible());
    QVERIFY(!visible(w, "Panel1"));
    QVERIFY(!visible(w, "Panel2"));
    // Inside the panels, only the change entry and its caption start hidden
    // of their own.
    QVERIFY(!w->control<QWidget>("Edit2")->isVisibleTo(w->control<QWidget>("Panel2")));
    QVERIFY(!w->control<QWidget>("Button2")->isVisibleTo(w->control<QWidget>("Panel2")));
    QVERIFY(!w->control<QWidget>("Label10")->isVisibleTo(w->control<QWidget>("Panel2")));
    QVERIFY(w->control<QWidget>("RadioButton1")->isVisibleTo(w->control<QWidget>("Panel2")));
    QVERIFY(w->control<QWidget>("Edit1")->isVisibleTo(w->control<QWidget>("Panel1")));
    QVERIFY(!w->control<QRadioButton>("RadioButton1")->isChecked());
    // Passwords show as dots while typed.
    QCOMPARE(w->control<QLineEdit>("Edit1")->echoMode(), QLineEdit::Password);
    QCOMPARE(w->control<QLineEdit>("Edit2")->echoMode(), QLineEdit::Password);
}

void MainWindowTest::panelColours()
{
    auto* w = p->form(1);
    w->control<QWidget>("Panel1")->show();
    w->control<QWidget>("Panel2")->show();
    const QImage shot = w->grab().toImage();
    auto colourAt = [&](const char* name, QPoint inside) {
        QWidget* c = child(w, name);
        return shot.pixelColor(c->mapTo(w, inside));
    };
    // A point of each panel where none of its controls stands.
    QCOMPARE(colourAt("Panel2", {140, 68}), QColor(255, 0, 0));
    QCOMPARE(colourAt("Panel1", {230, 58}), w->palette().color(QPalette::Button));
    QCOMPARE(colourAt("Edit1", {60, 10}), QColor(255, 255, 0));
}

void MainWindowTest::statusBarAlongTheBottom()
{
    auto* w = p->form(1);
    auto* bar = w->control<QStatusBar>("StatusBar1");
    QVERIFY(bar);
    QVERIFY(!bar->isSizeGripEnabled());
    QVERIFY(bar->currentMessage().isEmpty());
    QCOMPARE(bar->geometry().bottom() + 1, w->centralWidget()->height());
    QCOMPARE(bar->width(), w->centralWidget()->width());
}

void MainWindowTest::menuBar()
{
    auto* w = p->form(1);
    const QList<QAction*> items = w->control<QMenuBar>("MainMenu1")->actions();
    // The teacher's menu of exercise sheets closes the bar.
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->objectName(), QStringLiteral("FecharTAVEK1"));
    QCOMPARE(items[0]->text(), QStringLiteral("Fechar TAVEK"));
    QVERIFY(!items[0]->menu());
    QCOMPARE(items[1]->objectName(), QStringLiteral("ConversesdeUnidades1"));
    QCOMPARE(items[1]->text(), QString::fromUtf8("Conversôes de Unidades"));
    QVERIFY(!items[1]->menu());
    QCOMPARE(items[2]->menu()->objectName(), QStringLiteral("Professor"));
    QCOMPARE(items[2]->text(), QStringLiteral("Professor"));
    const QList<QAction*> teacher = items[2]->menu()->actions();
    QCOMPARE(teacher.size(), 1);
    QCOMPARE(teacher[0]->objectName(), QStringLiteral("ListaDeExercicios"));
    QCOMPARE(teacher[0]->text(), QString::fromUtf8("Lista de exercícios..."));
}

void MainWindowTest::tabOrder()
{
    auto* w = p->form(1);
    const QStringList expected = {"Edit1", "Button1", "Edit2", "Button2", "RadioButton1"};
    QCOMPARE(::tabOrder(w, expected), expected);
}

void MainWindowTest::topicLinksAreWindowTextLabels()
{
    auto* w = p->form(1);
    for (const char* name : {"Label3", "Label5", "Label6", "Label7"}) {
        auto* l = w->control<QLabel>(name);
        QVERIFY2(l && l->isEnabled(), name);
        QCOMPARE(l->styleSheet(), QString());
        QCOMPARE(l->cursor().shape(), Qt::ArrowCursor);
    }
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
