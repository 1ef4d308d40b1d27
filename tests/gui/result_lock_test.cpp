// The teacher's result-cell lock as the windows show it: red boxes, hidden
// result cells, the reveal, and each window's lock on its own.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStringListModel>
#include <QtTest>

#include "kit/frame/form_window.h"
#include "support.h"

using tavek::FormNumber;
using tavek::FormWindow;

namespace {
// A small window declaring the lock and the quick conversion the way the
// exercise windows do, so the mechanism is checked apart from any one layout.
class SampleForm : public FormWindow {
public:
    explicit SampleForm(const tavek::Context& context) : FormWindow(4, context, nullptr) {}

    // Stands for a calculator: writes an answer line into a result label.
    void writeAnswer(const char* label, const char* text)
    {
        tavek::Outcome out;
        out.write(label, text);
        apply(out);
    }
    void writeCell(const char* cell, const char* text)
    {
        tavek::Outcome out;
        out.write(cell, text);
        apply(out);
    }
    void clearLabels()
    {
        for (const char* name : {"Label8", "Label10"})
            control(name)->hide();
    }

protected:
    void build() override
    {
        auto* client = new QWidget(this);
        client->setObjectName(QStringLiteral("centralwidget"));
        setCentralWidget(client);
        auto* bar = new QMenuBar(this);
        setMenuBar(bar);
        for (const char* name : {"DesabilitarcdulasdeResultados1", "ReabilitarcdulasdeResultados1", "kmhms1",
                                 "mihms1", "cmsms1"}) {
            auto* a = new QAction(QString::fromLatin1(name), this);
            a->setObjectName(QString::fromLatin1(name));
            bar->addAction(a);
        }
        auto edit = [&](const char* name, int x, int y) {
            auto* e = new QLineEdit(client);
            e->setObjectName(QString::fromLatin1(name));
            e->setGeometry(x, y, 57, 21);
            return e;
        };
        auto label = [&](const char* name, const char* text, int x, int y) {
            auto* l = new QLabel(QString::fromUtf8(text), client);
            l->setObjectName(QString::fromLatin1(name));
            l->move(x, y);
            l->adjustSize();
            return l;
        };
        auto button = [&](const char* name, const char* text, int x, int y) {
            auto* b = new QPushButton(QString::fromUtf8(text), client);
            b->setObjectName(QString::fromLatin1(name));
            b->setGeometry(x, y, 81, 17);
            return b;
        };
        edit("Edit1", 80, 192);
        edit("Edit2", 80, 220);
        edit("Edit5", 200, 220)->setText(QStringLiteral("       Resposta"));
        for (const char* name : {"Label8", "Label10"}) {
            QLabel* l = label(name, "TEMPO", 80, name[5] == '8' ? 260 : 300);
            QFont f(QStringLiteral("Verdana"));
            f.setPointSize(8);
            f.setBold(true);
            l->setFont(f);
            l->setStyleSheet(QStringLiteral("color: #ff0000;"));
            l->hide();
        }
        label("Label3", "1)", 8, 100);
        label("Label14", "SENHA", 288, 72)->hide();
        for (const char* name : {"Edit14", "Edit15"})
            edit(name, name[5] == '4' ? 576 : 664, 0)->hide();
        button("Button7", "Crie senha", 568, 24)->hide();
        button("Button8", "Redigite Senha", 645, 24)->hide();
        auto* box = new QCheckBox(QStringLiteral("Converter para o SI"), client);
        box->setObjectName(QStringLiteral("CheckBox1"));
        box->setGeometry(168, 192, 113, 17);
        QLabel* note = label("Label9", "VEL", 80, 176);
        note->hide();

        setResultLock({.cells = {control<QLineEdit>("Edit5")},
                       .labels = {control("Label8"), control("Label10")},
                       .revealLabel = "Label3",
                       .passwordLabel = "Label14",
                       .firstCell = control("Edit1")});
        setQuickSi({control<QLineEdit>("Edit1"), note, box, control<QAction>("kmhms1"), control<QAction>("mihms1"),
                    control<QAction>("cmsms1")});
        resize(734, 467);
    }
};

// The distinct colours a control shows where it stands in its window.
QSet<QRgb> coloursOf(QWidget* w)
{
    QWidget* parent = w->parentWidget();
    const QImage image = parent->grab(w->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xffffffu);
    return colours;
}

constexpr QRgb kRed = 0xff0000;
constexpr QRgb kWhite = 0xffffff;

// Readable: a white background with the red text on it.
bool isReadable(FormWindow* w, const char* label)
{
    auto* l = w->control<QLabel>(label);
    if (!l)
        return false;
    const QSet<QRgb> c = coloursOf(l);
    return c.contains(kWhite) && c.contains(kRed);
}

// The list's colour where no line is drawn.
QRgb listBackground(FormWindow* w)
{
    auto* list = w->control<QListView>("ListBox1");
    QWidget* view = list->viewport();
    const QImage image = view->grab().toImage();
    return image.pixel(view->width() - 3, view->height() - 3) & 0xffffffu;
}

// Everything assistive technology can read of a control or a list line.
QString spoken(QAccessibleInterface* a)
{
    QStringList r;
    for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
        r << a->text(t);
    if (QAccessibleTextInterface* text = a->textInterface())
        r << text->text(0, text->characterCount());
    return r.join(QLatin1Char('|'));
}
QString spoken(QObject* o) { return spoken(QAccessible::queryAccessibleInterface(o)); }

const QString kHidden = QStringLiteral("Resposta oculta pelo professor");
const QString kUntouched = QStringLiteral("(nada copiado)");

// What the clipboard holds after Ctrl+A, Ctrl+C on `w`.
QString copiedFrom(QWidget* w)
{
    QGuiApplication::clipboard()->setText(kUntouched);
    QTest::keySequence(w, QKeySequence::SelectAll);
    QTest::keySequence(w, QKeySequence::Copy);
    return QGuiApplication::clipboard()->text();
}

// Form11's result list after one calculation of three lines.
QListView* filledList(FormWindow* w)
{
    const char* const values[] = {"2", "10", "60", "3"};
    const char* const cells[] = {"Edit1", "Edit2", "Edit3", "Edit4"};
    for (int i = 0; i < 4; ++i)
        type(w, cells[i], QString::fromLatin1(values[i]));
    click(w, "Button1");
    return w->control<QListView>("ListBox1");
}

const QString kAlready = QString::fromUtf8("Cédulas Já Desabilitadas");
const QString kNotYet = QString::fromUtf8("Cédulas Já Abilitadas");
const QString kWrong = QStringLiteral("Senha Incorreta");
const QString kEmpty = QString::fromUtf8("Cédula vazia. Ajuste Senha");

} // namespace

class ResultLockTest : public ProgramTest {
    Q_OBJECT
private slots:
    void sampleWalksThroughTheLock();
    void sampleMessagesAndFocus();
    void samplePaintSurvivesWritesAndClears();
    void sampleReveal();
    void sampleQuickSi();
    void everyWindowLocksAndUnlocks();
    void form2HiddenCellsReceiveTexts();
    void form4RedBoxesAndReveal();
    void form11ListColours();
    void lockingOneWindowLeavesTheOthers();
    void lockedAnswersAreSilentToAssistiveTechnology();
    void form2HiddenCellsCopyNothing();
    void form11ListLockedAndUnlocked();
    void revealShowsThePasswordAsTyped();
    void answersHeardByScreenReader();
    void form4LockedBoxKeepsItsSize();
    void form11LockedListShowsNoScrollRange();
    void emptyPasswordRefused();
};

void ResultLockTest::sampleWalksThroughTheLock()
{
    SampleForm w({p->registry.get(), &p->registry->random(), &p->messenger});
    w.show();
    w.writeAnswer("Label8", "Tempo =1.0204 s");
    w.writeCell("Edit5", "3.0000 m");
    QVERIFY(isReadable(&w, "Label8"));

    trigger(&w, "DesabilitarcdulasdeResultados1");
    QVERIFY(visible(&w, "Edit14") && visible(&w, "Button7"));
    QVERIFY(!visible(&w, "Edit15") && !visible(&w, "Button8"));
    QCOMPARE(focused(&w), QStringLiteral("Edit14"));

    type(&w, "Edit14", QStringLiteral("abc"));
    click(&w, "Button7");
    QCOMPARE(textOf(&w, "Edit14"), QString());
    QVERIFY(!visible(&w, "Edit14") && !visible(&w, "Button7"));
    QVERIFY(visible(&w, "Edit15") && visible(&w, "Button8"));
    QCOMPARE(focused(&w), QStringLiteral("Edit15"));
    QVERIFY(isReadable(&w, "Label8"));
    QVERIFY(visible(&w, "Edit5"));

    type(&w, "Edit15", QStringLiteral("abc"));
    click(&w, "Button8");
    QVERIFY(!visible(&w, "Edit15") && !visible(&w, "Button8"));
    QCOMPARE(focused(&w), QStringLiteral("Edit1"));
    QVERIFY(isRedBox(&w, "Label8"));
    QVERIFY(!visible(&w, "Edit5"));
    QCOMPARE(textOf(&w, "Label8"), QStringLiteral("Tempo =1.0204 s"));
    QVERIFY(p->messenger.texts().isEmpty());

    // the hidden cell still receives its answer, seen after re-enabling
    w.writeCell("Edit5", "4.0000 m");
    QVERIFY(!visible(&w, "Edit5"));

    unlock(&w, QStringLiteral("abc"));
    QVERIFY(visible(&w, "Edit5"));
    QCOMPARE(textOf(&w, "Edit5"), QStringLiteral("4.0000 m"));
    QVERIFY(isReadable(&w, "Label8"));
    QVERIFY(!visible(&w, "Edit15") && !visible(&w, "Edit14"));
    QCOMPARE(focused(&w), QStringLiteral("Edit1"));
    QVERIFY(p->messenger.texts().isEmpty());
}

void ResultLockTest::sampleMessagesAndFocus()
{
    SampleForm w({p->registry.get(), &p->registry->random(), &p->messenger});
    w.show();
    // never disabled
    trigger(&w, "ReabilitarcdulasdeResultados1");
    QCOMPARE(p->messenger.texts(), QStringList{kNotYet});
    QVERIFY(!visible(&w, "Edit15"));

    // a second request before any password exists
    trigger(&w, "DesabilitarcdulasdeResultados1");
    trigger(&w, "DesabilitarcdulasdeResultados1");
    QCOMPARE(p->messenger.texts(), (QStringList{kNotYet, kAlready}));
    QCOMPARE(p->messenger.boxes.back().window, w.objectName());

    type(&w, "Edit14", QStringLiteral("Segredo"));
    click(&w, "Button7");
    for (const char* other : {"segredo", "Segredo ", ""}) {
        type(&w, "Edit15", QString::fromLatin1(other));
        click(&w, "Button8");
        QCOMPARE(p->messenger.texts().back(), *other ? kWrong : kEmpty);
        QCOMPARE(textOf(&w, "Edit15"), QString());
        QCOMPARE(focused(&w), QStringLiteral("Edit15"));
        QVERIFY(visible(&w, "Edit15") && visible(&w, "Button8"));
    }
    QCOMPARE(p->messenger.texts().size(), 5);
    type(&w, "Edit15", QStringLiteral("Segredo"));
    click(&w, "Button8");
    QCOMPARE(p->messenger.texts().size(), 5);
    QVERIFY(!visible(&w, "Edit15"));
}

void ResultLockTest::samplePaintSurvivesWritesAndClears()
{
    SampleForm w({p->registry.get(), &p->registry->random(), &p->messenger});
    w.show();
    auto* label10 = w.control<QLabel>("Label10");
    const QSize atLock = label10->size();
    lock(&w, "DesabilitarcdulasdeResultados1", QStringLiteral("x"));
    // a label written for the first time while locked is a red box at once
    w.writeAnswer("Label10", "Tempo do percurso =12.5000 s");
    QVERIFY(visible(&w, "Label10"));
    QVERIFY(isRedBox(&w, "Label10"));
    // rewritten with a longer line: still a red box, of the size it had when
    // locked, so the box tells nothing of the answer's length
    const QString longer = QStringLiteral("Tempo do percurso =123456.5000 s (segunda resposta)");
    w.writeAnswer("Label10", longer.toUtf8().constData());
    QVERIFY(isRedBox(&w, "Label10"));
    QCOMPARE(label10->size(), atLock);
    // a clear hides it and the next answer shows it red again
    w.clearLabels();
    QVERIFY(!visible(&w, "Label10"));
    w.writeAnswer("Label10", "Tempo =1.0000 s");
    QVERIFY(visible(&w, "Label10"));
    QVERIFY(isRedBox(&w, "Label10"));

    w.clearLabels();
    w.writeAnswer("Label10", longer.toUtf8().constData());
    QCOMPARE(label10->size(), atLock);

    // readable again, it is as wide as the answer it now holds
    unlock(&w, QStringLiteral("x"));
    QVERIFY(isReadable(&w, "Label10"));
    QVERIFY(label10->width() >= label10->fontMetrics().horizontalAdvance(longer));
    w.clearLabels();
    w.writeAnswer("Label10", "Tempo =2.0000 s");
    QVERIFY(isReadable(&w, "Label10"));
    QCOMPARE(w.control<QLabel>("Label10")->styleSheet(),
             QStringLiteral("color: #ff0000; background-color: #ffffff;"));
    QVERIFY(p->messenger.texts().isEmpty());
}

void ResultLockTest::sampleReveal()
{
    SampleForm w({p->registry.get(), &p->registry->random(), &p->messenger});
    w.show();
    // nothing to reveal before a password is created
    press(&w, "Label3", Qt::RightButton);
    QVERIFY(!visible(&w, "Label14"));

    // confirming the lock: the teacher may still look at what he typed
    trigger(&w, "DesabilitarcdulasdeResultados1");
    type(&w, "Edit14", QStringLiteral("prof 1"));
    click(&w, "Button7");
    press(&w, "Label3", Qt::RightButton);
    QVERIFY(visible(&w, "Label14"));
    QCOMPARE(textOf(&w, "Label14"), QStringLiteral("Senha : prof 1"));
    // locked: the label shown goes, and a right press shows nothing
    type(&w, "Edit15", QStringLiteral("prof 1"));
    click(&w, "Button8");
    QVERIFY(!visible(&w, "Label14"));
    press(&w, "Label3", Qt::RightButton);
    QVERIFY(!visible(&w, "Label14"));
    // asked to unlock: still nothing
    trigger(&w, "ReabilitarcdulasdeResultados1");
    press(&w, "Label3", Qt::RightButton);
    QVERIFY(!visible(&w, "Label14"));
    type(&w, "Edit15", QStringLiteral("prof 1"));
    click(&w, "Button8");
    press(&w, "Label3", Qt::RightButton);
    QVERIFY(visible(&w, "Label14"));
    press(&w, "Label3", Qt::MiddleButton);
    QVERIFY(visible(&w, "Label14"));
    press(&w, "Label3", Qt::LeftButton);
    QVERIFY(!visible(&w, "Label14"));
    press(&w, "Label3", Qt::MiddleButton);
    QVERIFY(!visible(&w, "Label14"));

    // the created password survives the re-enabling
    press(&w, "Label3", Qt::RightButton);
    QCOMPARE(textOf(&w, "Label14"), QStringLiteral("Senha : prof 1"));
    QVERIFY(visible(&w, "Label14"));

    // an empty password locks nothing, and the one before stays
    press(&w, "Label3", Qt::LeftButton);
    trigger(&w, "DesabilitarcdulasdeResultados1");
    click(&w, "Button7");
    QVERIFY(visible(&w, "Edit5") && visible(&w, "Edit14") && !visible(&w, "Edit15"));
    QCOMPARE(p->messenger.texts(), QStringList{kEmpty});
    press(&w, "Label3", Qt::RightButton);
    QCOMPARE(textOf(&w, "Label14"), QStringLiteral("Senha : prof 1"));
}

void ResultLockTest::sampleQuickSi()
{
    SampleForm w({p->registry.get(), &p->registry->random(), &p->messenger});
    w.show();
    type(&w, "Edit1", QStringLiteral("100"));
    for (const char* item : {"kmhms1", "mihms1", "cmsms1"})
        trigger(&w, item);
    QCOMPARE(textOf(&w, "Edit1"), QStringLiteral("100"));
    QVERIFY(!visible(&w, "Label9"));

    w.control<QCheckBox>("CheckBox1")->setChecked(true);
    const struct {
        const char* item;
        const char* after;
        const char* note;
    } rows[] = {
        {"kmhms1", "27.7000", "100 km/h -> m/s"},
        {"kmhms1", "7.6729", "27.7000 km/h -> m/s"},
        {"mihms1", "3.4301", "7.6729 mi/h -> m/s"},
        {"cmsms1", "0.0343", "3.4301 cm/s -> m/s"},
    };
    for (const auto& row : rows) {
        trigger(&w, row.item);
        QCOMPARE(textOf(&w, "Edit1"), QString::fromLatin1(row.after));
        QCOMPARE(textOf(&w, "Label9"), QString::fromLatin1(row.note));
        QVERIFY(visible(&w, "Label9"));
        QVERIFY(w.control<QCheckBox>("CheckBox1")->isChecked());
    }
    QVERIFY(p->messenger.texts().isEmpty());

    type(&w, "Edit1", QStringLiteral("1,,5"));
    w.control<QLineEdit>("Edit2")->setFocus();
    trigger(&w, "kmhms1");
    QCOMPARE(p->messenger.texts(), QStringList{QString::fromUtf8("Valor inválido. Ajuste seus dados")});
    QCOMPARE(focused(&w), QStringLiteral("Edit1"));
    QCOMPARE(textOf(&w, "Edit1"), QStringLiteral("1,,5"));
    QCOMPARE(textOf(&w, "Label9"), QStringLiteral("3.4301 cm/s -> m/s"));
}

// The lock of every topic window: its own reveal and password labels, the
// focus on its own Edit1, nothing asked of any other window.
void ResultLockTest::everyWindowLocksAndUnlocks()
{
    const struct {
        FormNumber id;
        const char* disable;
        const char* reveal;   // nullptr: no reveal
        const char* password; // the password label
    } windows[] = {
        {2, "Desabilotarcdulasderesultados1", "Label3", "Label39"},
        {4, "DesabilitarcdulasdeResultados1", "Label3", "Label14"},
        {5, "DesabilitarcdulasdeResultados1", "Label3", "Label18"},
        {6, "DesabilitarcdulasdeResultados1", "Label5", "Label19"},
        {7, "DesabilitarcdulasdeResultados1", "Label21", "Label34"},
        {8, "DesabilitarcdulasdeResultados1", "Label13", "Label34"},
        {9, "DesabilitarcdulasdeResultados1", "Label25", "Label42"},
        {10, "DesabilitarcdulasdeResultados1", "Label25", "Label34"},
        {11, "DesabilitarcdulasdeResultados1", nullptr, nullptr},
    };
    for (const auto& row : windows) {
        FormWindow* w = p->open(row.id);
        const QByteArray name = w->objectName().toLatin1();
        QVERIFY2(!visible(w, "Edit14") && !visible(w, "Edit15"), name);
        trigger(w, row.disable);
        QVERIFY2(visible(w, "Edit14") && visible(w, "Button7"), name);
        QCOMPARE(focused(w), QStringLiteral("Edit14"));
        // typed as dots: a projector shows nothing of the password
        for (const char* cell : {"Edit14", "Edit15"}) {
            auto* edit = w->control<QLineEdit>(cell);
            QCOMPARE(edit->echoMode(), QLineEdit::Password);
            edit->setText(QString::fromLatin1(name));
            QVERIFY2(!edit->displayText().contains(QLatin1String("Form")), cell);
        }
        click(w, "Button7");
        QCOMPARE(focused(w), QStringLiteral("Edit15"));
        type(w, "Edit15", QString::fromLatin1(name));
        click(w, "Button8");
        QVERIFY2(!visible(w, "Edit15") && !visible(w, "Button8"), name);
        QCOMPARE(focused(w), QStringLiteral("Edit1"));
        if (row.reveal) { // locked: the reveal shows nothing
            press(w, row.reveal, Qt::RightButton);
            QVERIFY2(!visible(w, row.password), name);
        }
    }
    QVERIFY(p->messenger.texts().isEmpty());
    // each window is locked with its own password
    for (const auto& row : windows) {
        FormWindow* w = p->form(row.id);
        trigger(w, row.disable);
        QCOMPARE(p->messenger.boxes.back().text, kAlready);
        QCOMPARE(p->messenger.boxes.back().window, w->objectName());
        unlock(w, QStringLiteral("Form4"));
        if (row.id == 4) {
            QVERIFY(!visible(w, "Edit15"));
        } else {
            QCOMPARE(p->messenger.boxes.back().text, kWrong);
            QVERIFY(visible(w, "Edit15"));
            type(w, "Edit15", w->objectName());
            click(w, "Button8");
        }
        // readable again: the reveal shows the window's own password
        if (row.reveal) {
            press(w, row.reveal, Qt::RightButton);
            QCOMPARE(textOf(w, row.password), QStringLiteral("Senha : ") + w->objectName());
            QVERIFY2(visible(w, row.password), row.reveal);
            press(w, row.reveal, Qt::LeftButton);
            QVERIFY2(!visible(w, row.password), row.reveal);
        }
    }
}

void ResultLockTest::form2HiddenCellsReceiveTexts()
{
    FormWindow* w = p->open(2);
    const char* const cells[] = {"Edit5", "Edit6", "Edit11", "Edit12"};
    type(w, "Edit2", QStringLiteral("10"));
    type(w, "Edit4", QStringLiteral("2"));
    click(w, "Button1");
    QCOMPARE(textOf(w, "Edit5"), QStringLiteral("5.0000 m/s"));

    lock(w, "Desabilotarcdulasderesultados1", QStringLiteral("prof"));
    for (const char* cell : cells)
        QVERIFY2(!visible(w, cell), cell);
    QVERIFY(w->control<QAction>("DesabilitarcdulasdeResultados1") == nullptr);

    // the calculators still write, unseen
    type(w, "Edit2", QStringLiteral("20"));
    click(w, "Button1");
    type(w, "Edit8", QStringLiteral("2"));
    type(w, "Edit9", QStringLiteral("1"));
    type(w, "Edit10", QStringLiteral("2"));
    click(w, "Button3");
    for (const char* cell : cells)
        QVERIFY2(!visible(w, cell), cell);
    // a clear puts the placeholder back, unseen too
    click(w, "Button4");
    QVERIFY(!visible(w, "Edit11"));

    // the result labels of exercise 3 are red boxes from their first showing,
    // through a clear and a second press
    type(w, "Edit13", QStringLiteral("19.6"));
    click(w, "Button5");
    const char* const labels[] = {"Label32", "Label33", "Label34", "Label35", "Label36", "Label37"};
    for (const char* label : labels) {
        QVERIFY2(visible(w, label), label);
        QVERIFY2(isRedBox(w, label), label);
    }
    QCOMPARE(textOf(w, "Label34"), QStringLiteral("Tempo de chegada =2.0000 s"));
    click(w, "Button6");
    QVERIFY(!visible(w, "Label34"));
    type(w, "Edit13", QStringLiteral("9.8"));
    click(w, "Button5");
    for (const char* label : labels)
        QVERIFY2(isRedBox(w, label), label);

    press(w, "Label3", Qt::RightButton);
    QVERIFY(!visible(w, "Label39"));

    unlock(w, QStringLiteral("prof"));
    for (const char* cell : cells)
        QVERIFY2(visible(w, cell), cell);
    QCOMPARE(textOf(w, "Edit5"), QStringLiteral("10.0000 m/s"));
    QCOMPARE(textOf(w, "Edit6"), QStringLiteral("10.0000 m/s²"));
    QCOMPARE(textOf(w, "Edit11"), QStringLiteral("       Resposta"));
    for (const char* label : labels)
        QVERIFY2(isReadable(w, label), label);
    QCOMPARE(textOf(w, "Label34"), QStringLiteral("Tempo de chegada =1.0000 s"));
    QVERIFY(p->messenger.texts().isEmpty());
}

void ResultLockTest::form4RedBoxesAndReveal()
{
    FormWindow* w = p->open(4);
    type(w, "Edit1", QStringLiteral("100"));
    type(w, "Edit2", QStringLiteral("490"));
    click(w, "Button1");
    QVERIFY(isReadable(w, "Label8") && isReadable(w, "Label10"));

    lock(w, "DesabilitarcdulasdeResultados1", QStringLiteral("Aula7"));
    QVERIFY(isRedBox(w, "Label8") && isRedBox(w, "Label10"));
    QCOMPARE(textOf(w, "Label8"), QStringLiteral("Tempo de chegada do míssil ao seu alvo = 10.0000 s"));

    // locked, no press reveals the password that unlocks
    for (Qt::MouseButton button : {Qt::MiddleButton, Qt::RightButton, Qt::LeftButton, Qt::RightButton})
        press(w, "Label3", button);
    QVERIFY(!visible(w, "Label14"));

    unlock(w, QStringLiteral("Aula7"));
    QVERIFY(isReadable(w, "Label8") && isReadable(w, "Label10"));
    const struct {
        Qt::MouseButton button;
        bool shown;
    } presses[] = {{Qt::MiddleButton, false}, {Qt::RightButton, true}, {Qt::MiddleButton, true},
                   {Qt::LeftButton, false},   {Qt::RightButton, true}};
    for (const auto& row : presses) {
        press(w, "Label3", row.button);
        QCOMPARE(visible(w, "Label14"), row.shown);
    }
    QCOMPARE(textOf(w, "Label14"), QStringLiteral("Senha : Aula7"));
    // the password survives the re-enabling
    press(w, "Label3", Qt::LeftButton);
    press(w, "Label3", Qt::RightButton);
    QCOMPARE(textOf(w, "Label14"), QStringLiteral("Senha : Aula7"));
    // and locks again when confirmed
    trigger(w, "DesabilitarcdulasdeResultados1");
    type(w, "Edit14", QStringLiteral("Aula8"));
    click(w, "Button7");
    type(w, "Edit15", QStringLiteral("Aula7"));
    click(w, "Button8");
    QCOMPARE(p->messenger.texts(), QStringList{kWrong});
    QVERIFY(isReadable(w, "Label8"));
    type(w, "Edit15", QStringLiteral("Aula8"));
    click(w, "Button8");
    QVERIFY(isRedBox(w, "Label8"));
}

void ResultLockTest::form11ListColours()
{
    FormWindow* w = p->open(11);
    type(w, "Edit1", QStringLiteral("2"));
    type(w, "Edit2", QStringLiteral("10"));
    type(w, "Edit3", QStringLiteral("60"));
    type(w, "Edit4", QStringLiteral("3"));
    click(w, "Button1");
    QVERIFY(visible(w, "ListBox1"));
    QCOMPARE(listBackground(w), QRgb(0x0000ff));

    lock(w, "DesabilitarcdulasdeResultados1", QStringLiteral("p"));
    QCOMPARE(listBackground(w), kWhite);
    // white on white: nothing of the lines can be read
    QCOMPARE(coloursOf(w->control<QListView>("ListBox1")->viewport()), QSet<QRgb>{kWhite});
    // a new calculation and a clear keep the paint
    click(w, "Button2");
    type(w, "Edit1", QStringLiteral("1"));
    type(w, "Edit2", QStringLiteral("5"));
    type(w, "Edit3", QStringLiteral("30"));
    type(w, "Edit4", QStringLiteral("2"));
    click(w, "Button1");
    QCOMPARE(coloursOf(w->control<QListView>("ListBox1")->viewport()), QSet<QRgb>{kWhite});

    unlock(w, QStringLiteral("p"));
    QCOMPARE(listBackground(w), QRgb(0x0000ff));
    QVERIFY(coloursOf(w->control<QListView>("ListBox1")->viewport()).contains(kWhite));
    QVERIFY(p->messenger.texts().isEmpty());
}

void ResultLockTest::lockingOneWindowLeavesTheOthers()
{
    FormWindow* form4 = p->open(4);
    FormWindow* form2 = p->open(2);
    FormWindow* form10 = p->open(10);
    lock(form4, "DesabilitarcdulasdeResultados1", QStringLiteral("x"));

    // another window's answers stay readable and its lock open
    type(form2, "Edit13", QStringLiteral("19.6"));
    click(form2, "Button5");
    QVERIFY(isReadable(form2, "Label34"));
    QVERIFY(visible(form2, "Edit5"));
    trigger(form2, "ReabilitarcdulasdeResultados1");
    QCOMPARE(p->messenger.texts(), QStringList{kNotYet});
    QCOMPARE(p->messenger.boxes.back().window, QStringLiteral("Form2"));
    QVERIFY(!visible(form2, "Edit15"));
    // Form10 starts its own lock, which Form4's password does not open
    trigger(form10, "DesabilitarcdulasdeResultados1");
    QCOMPARE(p->messenger.texts().size(), 1);
    QVERIFY(visible(form10, "Edit14"));
    QVERIFY(!visible(form4, "Edit14"));
    press(form10, "Label25", Qt::RightButton);
    QVERIFY(!visible(form10, "Label34"));

    // Form4 stays locked: its next answers are red boxes
    type(form4, "Edit1", QStringLiteral("100"));
    type(form4, "Edit2", QStringLiteral("490"));
    click(form4, "Button1");
    QVERIFY(isRedBox(form4, "Label8"));
    // closing and showing the window again keeps its lock
    trigger(form4, "FecharJanela1");
    p->open(4);
    QVERIFY(isRedBox(form4, "Label8"));
    trigger(form4, "DesabilitarcdulasdeResultados1");
    QCOMPARE(p->messenger.texts().back(), kAlready);
}

// A screen reader hears "Resposta oculta pelo professor" for every locked
// answer of every window (the labels the lock paints red and Form2's hidden
// cells), never the answer; unlocked, each control's own name again.
void ResultLockTest::lockedAnswersAreSilentToAssistiveTechnology()
{
    const QString answer = QStringLiteral("Resposta =42.4242 m");
    for (int id : {2, 4, 5, 6, 7, 8, 9, 10}) {
        FormWindow* w = p->open(static_cast<FormNumber>(id));
        lock(w, id == 2 ? "Desabilotarcdulasderesultados1" : "DesabilitarcdulasdeResultados1", QStringLiteral("p"));
        QList<QWidget*> answers;
        for (QLabel* label : w->findChildren<QLabel*>())
            if (label->styleSheet().contains(QLatin1String("background-color: #ff0000")))
                answers << label;
        for (const char* cell : {"Edit5", "Edit6", "Edit11", "Edit12"})
            if (id == 2)
                answers << w->control<QWidget>(cell);
        QVERIFY2(answers.size() >= 4, qPrintable(w->objectName()));
        QHash<QWidget*, QString> names;
        for (QWidget* c : answers) {
            // written while locked, as a calculator does
            if (auto* label = qobject_cast<QLabel*>(c))
                label->setText(answer);
            else
                static_cast<QLineEdit*>(c)->setText(answer);
            QVERIFY2(!spoken(c).contains(QStringLiteral("42")), qPrintable(c->objectName()));
            QCOMPARE(QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name), kHidden);
        }
        unlock(w, QStringLiteral("p"));
        for (QWidget* c : answers) {
            QVERIFY2(c->accessibleName() != kHidden && !c->accessibleName().isEmpty(), qPrintable(c->objectName()));
            QVERIFY2(spoken(c).contains(answer), qPrintable(c->objectName()));
            if (qobject_cast<QLabel*>(c))
                QCOMPARE(QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name), answer);
        }
    }
}

// Form2's result cells give nothing to copy while hidden, whatever reaches
// them, and copy as before once unlocked.
void ResultLockTest::form2HiddenCellsCopyNothing()
{
    FormWindow* w = p->open(2);
    lock(w, "Desabilotarcdulasderesultados1", QStringLiteral("prof"));
    type(w, "Edit2", QStringLiteral("10"));
    type(w, "Edit4", QStringLiteral("2"));
    click(w, "Button1");
    auto* cell = w->control<QLineEdit>("Edit5");
    QCOMPARE(cell->text(), QStringLiteral("5.0000 m/s"));
    QVERIFY(!cell->isVisible());
    QCOMPARE(copiedFrom(cell), kUntouched);
    unlock(w, QStringLiteral("prof"));
    QVERIFY(cell->isVisible());
    QCOMPARE(copiedFrom(cell), QStringLiteral("5.0000 m/s"));
}

// While locked the list takes no click, key or focus: nothing is highlighted,
// current or copied, it stays white, and a screen reader hears the notice.
// Unlocked, rows are chosen, walked and copied again.
void ResultLockTest::form11ListLockedAndUnlocked()
{
    FormWindow* w = p->open(11);
    QListView* list = filledList(w);
    QAbstractItemModel* lines = list->model();
    const QString third = lines->index(2, 0).data().toString();
    QVERIFY(third.startsWith(QStringLiteral("Tempo =3s")));
    list->setCurrentIndex(lines->index(1, 0)); // a row chosen before the lock is let go
    lock(w, "DesabilitarcdulasdeResultados1", QStringLiteral("p"));
    QVERIFY(!list->currentIndex().isValid());

    for (int i = 0; i < 20; ++i) { // the Tab key goes round the window, past the list
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        QVERIFY(focused(w) != QStringLiteral("ListBox1"));
    }
    const QString before = focused(w);
    const QPoint row = list->visualRect(lines->index(2, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row);
    QCOMPARE(focused(w), before);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_Up})
        QTest::keyClick(list, key);
    QCOMPARE(copiedFrom(list), kUntouched);
    QVERIFY(!list->currentIndex().isValid());
    QVERIFY(!list->selectionModel()->hasSelection());
    QCOMPARE(coloursOf(list->viewport()), QSet<QRgb>{kWhite});
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(list);
    QCOMPARE(a->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!spoken(a->child(i)).contains(QStringLiteral("Tempo")));
        QCOMPARE(a->child(i)->text(QAccessible::Name), kHidden);
    }
    // lines written while locked are as silent (read where a line's
    // accessible name comes from: without a platform bridge the accessible
    // lines above are not renewed)
    click(w, "Button2");
    filledList(w);
    QCOMPARE(lines->index(0, 0).data(Qt::AccessibleTextRole).toString(), kHidden);

    unlock(w, QStringLiteral("p"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row);
    QCOMPARE(list->currentIndex().row(), 2);
    QVERIFY(list->selectionModel()->isRowSelected(2, QModelIndex()));
    QCOMPARE(focused(w), QStringLiteral("ListBox1"));
    QCOMPARE(copiedFrom(list), third);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->currentIndex().row(), 1);
    QCOMPARE(lines->index(2, 0).data(Qt::AccessibleTextRole).toString(), QString());
}

// A password is shown back exactly as typed, never read as markup; and so is
// every label of every window.
void ResultLockTest::revealShowsThePasswordAsTyped()
{
    FormWindow* w = p->open(4);
    trigger(w, "DesabilitarcdulasdeResultados1");
    type(w, "Edit14", QStringLiteral("<h1>AB</h1>"));
    click(w, "Button7");
    press(w, "Label3", Qt::RightButton);
    auto* shown = w->control<QLabel>("Label14");
    QCOMPARE(shown->text(), QStringLiteral("Senha : <h1>AB</h1>"));
    // drawn whole, tags included: as wide as the text in its own font
    QVERIFY(shown->width() >= shown->fontMetrics().horizontalAdvance(shown->text()));
    for (int id = 1; id <= 11; ++id) {
        FormWindow* form = p->open(static_cast<FormNumber>(id));
        for (QLabel* label : form->findChildren<QLabel*>())
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
    }
}

// A screen reader hears the answer a label shows, press after press, and
// what the answer is; locked, only the notice, whatever is pressed.
void ResultLockTest::answersHeardByScreenReader()
{
    FormWindow* w = p->open(4);
    auto* label = w->control<QLabel>("Label8");
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(label);
    const QString what = heard->text(QAccessible::Description);
    QVERIFY(what.startsWith(QStringLiteral("Resultado")));
    const struct {
        const char* distance;
        const char* answer;
    } presses[] = {{"490", "= 10.0000 s"}, {"122.5", "= 5.0000 s"}};
    type(w, "Edit1", QStringLiteral("100"));
    for (const auto& row : presses) {
        type(w, "Edit2", QString::fromLatin1(row.distance));
        click(w, "Button1");
        QCOMPARE(heard->text(QAccessible::Name), label->text());
        QVERIFY2(label->text().endsWith(QLatin1String(row.answer)), qPrintable(label->text()));
    }
    lock(w, "DesabilitarcdulasdeResultados1", QStringLiteral("p"));
    type(w, "Edit2", QStringLiteral("490"));
    click(w, "Button1");
    QCOMPARE(heard->text(QAccessible::Name), kHidden);
    QVERIFY(!spoken(label).contains(QStringLiteral("10.0000")));
    QCOMPARE(heard->text(QAccessible::Description), what);
    unlock(w, QStringLiteral("p"));
    QCOMPARE(heard->text(QAccessible::Name), label->text());
    QVERIFY(label->text().endsWith(QLatin1String("= 10.0000 s")));
}

// Locked, a red box keeps the size it had, whatever answer a larger input
// writes into it; readable again, it fits its answer.
void ResultLockTest::form4LockedBoxKeepsItsSize()
{
    FormWindow* w = p->open(4);
    auto* label = w->control<QLabel>("Label10");
    type(w, "Edit1", QStringLiteral("100"));
    type(w, "Edit2", QStringLiteral("490"));
    click(w, "Button1");
    lock(w, "DesabilitarcdulasdeResultados1", QStringLiteral("p"));
    const QRect atLock = label->geometry();
    type(w, "Edit1", QStringLiteral("123456789"));
    type(w, "Edit2", QStringLiteral("987654321"));
    click(w, "Button1");
    QVERIFY(isRedBox(w, "Label10"));
    QCOMPARE(label->geometry(), atLock);
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) > atLock.width());
    unlock(w, QStringLiteral("p"));
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    QVERIFY(isReadable(w, "Label10"));
}

// Locked, the result list shows no scroll bar to follow the hidden lines'
// width or number; unlocked, it scrolls again.
void ResultLockTest::form11LockedListShowsNoScrollRange()
{
    FormWindow* w = p->open(11);
    QListView* list = filledList(w);
    lock(w, "DesabilitarcdulasdeResultados1", QStringLiteral("p"));
    typeAll(w, {{"Edit1", "123456789"}, {"Edit2", "987654321"}, {"Edit3", "45"}, {"Edit4", "400"}});
    click(w, "Button1");
    QCOMPARE(list->model()->rowCount(), 400);
    QCoreApplication::processEvents(); // the view lays its lines out later
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    QVERIFY(!list->verticalScrollBar()->isVisible());
    unlock(w, QStringLiteral("p"));
    QCoreApplication::processEvents();
    QVERIFY(list->horizontalScrollBar()->isVisible());
    QVERIFY(list->verticalScrollBar()->isVisible());
}

// "Crie senha" or "Redigite Senha" with nothing typed, in every window, on
// the way to the lock and on the way back: the box, the focus back in the
// empty cell, and the lock where it was.
void ResultLockTest::emptyPasswordRefused()
{
    for (int id : {2, 4, 5, 6, 7, 8, 9, 10, 11}) {
        FormWindow* w = p->open(static_cast<FormNumber>(id));
        const QByteArray name = w->objectName().toLatin1();
        const char* disable = id == 2 ? "Desabilotarcdulasderesultados1" : "DesabilitarcdulasdeResultados1";
        const auto refused = [&](const char* cell, const char* button) {
            p->messenger.clear();
            click(w, button);
            QCOMPARE(p->messenger.texts(), QStringList{kEmpty});
            QCOMPARE(p->messenger.boxes.back().window, w->objectName());
            QVERIFY(!p->messenger.boxes.back().notice); // something to correct: the warning icon
            QCOMPARE(focused(w), QString::fromLatin1(cell));
            QVERIFY2(visible(w, cell) && visible(w, button), name);
        };
        trigger(w, disable);
        refused("Edit14", "Button7");
        QVERIFY2(!visible(w, "Edit15"), name);
        type(w, "Edit14", QStringLiteral("p"));
        click(w, "Button7");
        refused("Edit15", "Button8");
        type(w, "Edit15", QStringLiteral("p"));
        click(w, "Button8"); // locked
        QVERIFY2(!visible(w, "Edit15"), name);
        trigger(w, "ReabilitarcdulasdeResultados1");
        refused("Edit15", "Button8");
        // still locked: the answers open with the password only
        p->messenger.clear();
        type(w, "Edit15", QStringLiteral("p"));
        click(w, "Button8");
        QVERIFY2(p->messenger.texts().isEmpty(), name);
        QVERIFY2(!visible(w, "Edit15"), name);
        QCOMPARE(focused(w), QStringLiteral("Edit1"));
    }
}

QTEST_MAIN(ResultLockTest)
#include "result_lock_test.moc"
