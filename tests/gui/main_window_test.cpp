// The main window as the student first meets it: every control in its place,
// with its text, font, colour and visibility, and the keyboard order.
#include <QAbstractButton>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QtTest>

#include "kit/picture.h"
#include "support.h"

using tavek::FormNumber;

class MainWindowTest : public ProgramTest {
    Q_OBJECT
private slots:
    void controlsStandWhereDrawn_data();
    void controlsStandWhereDrawn();
    void captionsAndLook_data();
    void captionsAndLook();
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

void MainWindowTest::controlsStandWhereDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("rect");
    // Pictures, panels and the controls inside the panels have a fixed size;
    // labels may grow to their text but never move.
    const struct {
        const char* name;
        const char* parent;
        QRect rect;
    } rows[] = {
        {"Image1", "centralwidget", {8, 8, 505, 57}},
        {"Image2", "centralwidget", {194, 104, 305, 305}},
        {"Image3", "centralwidget", {592, 0, 97, 89}},
        {"Label1", "centralwidget", {600, 88, 75, 13}},
        {"Label2", "centralwidget", {592, 104, 96, 13}},
        {"Image4", "centralwidget", {24, 128, 33, 41}},
        {"Label3", "centralwidget", {56, 144, 148, 16}},
        {"Label4", "centralwidget", {72, 112, 68, 16}},
        {"Image5", "centralwidget", {24, 176, 33, 41}},
        {"Label5", "centralwidget", {56, 192, 98, 16}},
        {"Image6", "centralwidget", {24, 224, 33, 41}},
        {"Label6", "centralwidget", {56, 240, 139, 16}},
        {"Label9", "centralwidget", {416, 352, 76, 13}},
        {"Image7", "centralwidget", {8, 408, 161, 33}},
        {"Image8", "centralwidget", {24, 272, 33, 41}},
        {"Label7", "centralwidget", {56, 288, 63, 16}},
        {"Panel1", "centralwidget", {448, 376, 241, 65}},
        {"Panel2", "centralwidget", {544, 136, 145, 73}},
        {"StatusBar1", "centralwidget", {0, 444, 694, 19}},
        {"Label8", "Panel1", {8, 16, 145, 13}},
        {"Edit1", "Panel1", {160, 8, 73, 21}},
        {"Button1", "Panel1", {48, 40, 139, 17}},
        {"Edit2", "Panel2", {8, 24, 121, 21}},
        {"Button2", "Panel2", {8, 48, 121, 17}},
        {"RadioButton1", "Panel2", {8, 8, 137, 17}},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << QString::fromLatin1(r.name) << QString::fromLatin1(r.parent) << r.rect;
}

void MainWindowTest::controlsStandWhereDrawn()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, rect);
    auto* w = p->form(1);
    auto* c = w->findChild<QWidget*>(name);
    QVERIFY(c);
    QCOMPARE(c->parentWidget()->objectName(), parent);
    QCOMPARE(c->pos(), rect.topLeft());
    if (qobject_cast<QLabel*>(c)) {
        QVERIFY(c->width() >= rect.width());
        QVERIFY(c->height() >= rect.height());
    } else {
        QCOMPARE(c->size(), rect.size());
    }
}

void MainWindowTest::captionsAndLook_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QString>("style");
    const struct {
        const char* name;
        const char* text;
        const char* family;
        int points;
        bool bold;
        bool underline;
        const char* style;
    } rows[] = {
        {"Label1", "Matemática", "Verdana", 8, true, false, ""},
        {"Label2", "Computacional", "Verdana", 8, true, false, ""},
        {"Label3", "Movimento Retilíneo", "Verdana", 10, true, false, ""},
        {"Label4", "Mecânica", "Verdana", 10, true, true, "color: #0000ff;"},
        {"Label5", "Lançamentos", "Verdana", 10, true, false, ""},
        {"Label6", "Força e Movimento", "Verdana", 10, true, false, ""},
        {"Label7", "Potência", "Verdana", 10, true, false, ""},
        {"Label9", "Versão BETA", "MS Sans Serif", 8, true, false, "color: #c0c0c0;"},
        {"Label8", "Digite a senha de saída :", "MS Sans Serif", 8, true, false, "color: #0000ff;"},
        {"Edit1", "", "MS Sans Serif", 8, true, false, "background-color: #ffff00;"},
        {"Button1", "Confirma Senha", "MS Sans Serif", 8, false, false, ""},
        {"Edit2", "", "MS Sans Serif", 8, true, false, ""},
        {"Button2", "Confirmar Alteração", "MS Sans Serif", 8, false, false, ""},
        {"RadioButton1", "Confirmar Alteração ", "MS Sans Serif", 8, true, false, ""}, // white by its palette
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << QString::fromLatin1(r.name) << QString::fromUtf8(r.text)
                              << QString::fromLatin1(r.family) << r.points << r.bold << r.underline
                              << QString::fromLatin1(r.style);
}

void MainWindowTest::captionsAndLook()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QString, style);
    auto* w = p->form(1);
    const QByteArray n = name.toLatin1();
    QCOMPARE(textOf(w, n.constData()), text);
    auto* c = w->findChild<QWidget*>(name);
    QVERIFY(c);
    QCOMPARE(c->font().family(), family);
    QCOMPARE(c->font().pointSize(), points);
    QCOMPARE(c->font().bold(), bold);
    QCOMPARE(c->font().underline(), underline);
    QCOMPARE(c->styleSheet(), style);
}

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
    // Inside the panels, only the change entry starts hidden of its own.
    QVERIFY(!w->control<QWidget>("Edit2")->isVisibleTo(w->control<QWidget>("Panel2")));
    QVERIFY(!w->control<QWidget>("Button2")->isVisibleTo(w->control<QWidget>("Panel2")));
    QVERIFY(w->control<QWidget>("RadioButton1")->isVisibleTo(w->control<QWidget>("Panel2")));
    QVERIFY(w->control<QWidget>("Edit1")->isVisibleTo(w->control<QWidget>("Panel1")));
    QVERIFY(!w->control<QRadioButton>("RadioButton1")->isChecked());
    QCOMPARE(w->control<QLineEdit>("Edit1")->echoMode(), QLineEdit::Normal);
    QCOMPARE(w->control<QLineEdit>("Edit2")->echoMode(), QLineEdit::Normal);
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
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->objectName(), QStringLiteral("FecharTAVEK1"));
    QCOMPARE(items[0]->text(), QStringLiteral("Fechar TAVEK"));
    QVERIFY(!items[0]->menu());
    QCOMPARE(items[1]->objectName(), QStringLiteral("ConversesdeUnidades1"));
    QCOMPARE(items[1]->text(), QString::fromUtf8("Conversôes de Unidades"));
    QVERIFY(!items[1]->menu());
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
