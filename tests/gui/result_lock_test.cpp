// The teacher's result-cell lock as the windows show it: red boxes, hidden
// result cells, the reveal, and each window's lock on its own.
#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QStringListModel>
#include <QtTest>

#include "kit/form_window.h"
#include "support.h"

using tavek::FormId;
using tavek::FormWindow;

namespace {

// A small window declaring the lock and the quick conversion the way the
// exercise windows do, so the mechanism is checked apart from any one layout.
class SampleForm : public FormWindow {
public:
    explicit SampleForm(const tavek::Context& context) : FormWindow(FormId::Form4, context, nullptr) {}

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
    void clearLabels() { hideControls({"Label8", "Label10"}); }

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
        label("Label9", "VEL", 80, 176)->hide();

        setResultLock({.cells = {"Edit5"}, .labels = {"Label8", "Label10"}, .revealLabel = "Label3",
                       .passwordLabel = "Label14"});
        setQuickSi({.speedCell = "Edit1", .note = "Label9"});
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

// A red label with unreadable text: every pixel of it is red.
bool isRedBox(FormWindow* w, const char* label)
{
    auto* l = w->control<QLabel>(label);
    return l && coloursOf(l) == QSet<QRgb>{kRed};
}

// Readable: a white background with the red text on it.
bool isReadable(FormWindow* w, const char* label)
{
    auto* l = w->control<QLabel>(label);
    if (!l)
        return false;
    const QSet<QRgb> c = coloursOf(l);
    return c.contains(kWhite) && c.contains(kRed);
}

void press(FormWindow* w, const char* label, Qt::MouseButton button)
{
    auto* l = w->control<QLabel>(label);
    QVERIFY2(l, label);
    QTest::mousePress(l, button, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(l, button, Qt::NoModifier, QPoint(2, 2));
}

// The teacher's whole path from an open window to a locked one.
void lock(FormWindow* w, const char* disable, const QString& password)
{
    trigger(w, disable);
    type(w, "Edit14", password);
    click(w, "Button7");
    type(w, "Edit15", password);
    click(w, "Button8");
}

void unlock(FormWindow* w, const QString& password)
{
    trigger(w, "ReabilitarcdulasdeResultados1");
    type(w, "Edit15", password);
    click(w, "Button8");
}

const QString kAlready = QString::fromUtf8("Cédulas Já Desabilitadas");
const QString kNotYet = QString::fromUtf8("Cédulas Já Abilitadas");
const QString kWrong = QStringLiteral("Senha Incorreta");

} // namespace

class ResultLockTest : public QObject {
    Q_OBJECT
private slots:
    void sampleWalksThroughTheLock();
    void sampleMessagesAndFocus();
    void samplePaintSurvivesWritesAndClears();
    void sampleReveal();
    void sampleQuickSi();
};

void ResultLockTest::sampleWalksThroughTheLock()
{
    Program p;
    SampleForm w({p.registry.get(), &p.registry->random(), &p.messenger});
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
    QVERIFY(p.messenger.texts().isEmpty());

    // the hidden cell still receives its answer, seen after re-enabling
    w.writeCell("Edit5", "4.0000 m");
    QVERIFY(!visible(&w, "Edit5"));

    unlock(&w, QStringLiteral("abc"));
    QVERIFY(visible(&w, "Edit5"));
    QCOMPARE(textOf(&w, "Edit5"), QStringLiteral("4.0000 m"));
    QVERIFY(isReadable(&w, "Label8"));
    QVERIFY(!visible(&w, "Edit15") && !visible(&w, "Edit14"));
    QCOMPARE(focused(&w), QStringLiteral("Edit1"));
    QVERIFY(p.messenger.texts().isEmpty());
}

void ResultLockTest::sampleMessagesAndFocus()
{
    Program p;
    SampleForm w({p.registry.get(), &p.registry->random(), &p.messenger});
    w.show();
    // never disabled
    trigger(&w, "ReabilitarcdulasdeResultados1");
    QCOMPARE(p.messenger.texts(), QStringList{kNotYet});
    QVERIFY(!visible(&w, "Edit15"));

    // a second request before any password exists
    trigger(&w, "DesabilitarcdulasdeResultados1");
    trigger(&w, "DesabilitarcdulasdeResultados1");
    QCOMPARE(p.messenger.texts(), (QStringList{kNotYet, kAlready}));
    QCOMPARE(p.messenger.boxes.back().window, w.objectName());

    type(&w, "Edit14", QStringLiteral("Segredo"));
    click(&w, "Button7");
    for (const char* other : {"segredo", "Segredo ", ""}) {
        type(&w, "Edit15", QString::fromLatin1(other));
        click(&w, "Button8");
        QCOMPARE(p.messenger.texts().back(), kWrong);
        QCOMPARE(textOf(&w, "Edit15"), QString());
        QCOMPARE(focused(&w), QStringLiteral("Edit15"));
        QVERIFY(visible(&w, "Edit15") && visible(&w, "Button8"));
    }
    QCOMPARE(p.messenger.texts().size(), 5);
    type(&w, "Edit15", QStringLiteral("Segredo"));
    click(&w, "Button8");
    QCOMPARE(p.messenger.texts().size(), 5);
    QVERIFY(!visible(&w, "Edit15"));
}

void ResultLockTest::samplePaintSurvivesWritesAndClears()
{
    Program p;
    SampleForm w({p.registry.get(), &p.registry->random(), &p.messenger});
    w.show();
    lock(&w, "DesabilitarcdulasdeResultados1", QStringLiteral("x"));
    // a label written for the first time while locked is a red box at once
    w.writeAnswer("Label10", "Tempo do percurso =12.5000 s");
    QVERIFY(visible(&w, "Label10"));
    QVERIFY(isRedBox(&w, "Label10"));
    // rewritten with a longer line: still a red box, as wide as the line
    w.writeAnswer("Label10", "Tempo do percurso =123456.5000 s (segunda resposta)");
    QVERIFY(isRedBox(&w, "Label10"));
    QVERIFY(w.control<QLabel>("Label10")->width() > 200);
    // a clear hides it and the next answer shows it red again
    w.clearLabels();
    QVERIFY(!visible(&w, "Label10"));
    w.writeAnswer("Label10", "Tempo =1.0000 s");
    QVERIFY(visible(&w, "Label10"));
    QVERIFY(isRedBox(&w, "Label10"));

    unlock(&w, QStringLiteral("x"));
    QVERIFY(isReadable(&w, "Label10"));
    w.clearLabels();
    w.writeAnswer("Label10", "Tempo =2.0000 s");
    QVERIFY(isReadable(&w, "Label10"));
    QCOMPARE(w.control<QLabel>("Label10")->styleSheet(),
             QStringLiteral("color: #ff0000; background-color: #ffffff;"));
    QVERIFY(p.messenger.texts().isEmpty());
}

void ResultLockTest::sampleReveal()
{
    Program p;
    SampleForm w({p.registry.get(), &p.registry->random(), &p.messenger});
    w.show();
    // nothing to reveal before a password is created
    press(&w, "Label3", Qt::RightButton);
    QVERIFY(!visible(&w, "Label14"));

    lock(&w, "DesabilitarcdulasdeResultados1", QStringLiteral("prof 1"));
    press(&w, "Label3", Qt::RightButton);
    QVERIFY(visible(&w, "Label14"));
    QCOMPARE(textOf(&w, "Label14"), QStringLiteral("Senha : prof 1"));
    press(&w, "Label3", Qt::MiddleButton);
    QVERIFY(visible(&w, "Label14"));
    press(&w, "Label3", Qt::LeftButton);
    QVERIFY(!visible(&w, "Label14"));
    press(&w, "Label3", Qt::MiddleButton);
    QVERIFY(!visible(&w, "Label14"));

    // the created password survives the re-enabling
    unlock(&w, QStringLiteral("prof 1"));
    press(&w, "Label3", Qt::RightButton);
    QCOMPARE(textOf(&w, "Label14"), QStringLiteral("Senha : prof 1"));
    QVERIFY(visible(&w, "Label14"));

    // an empty password locks and unlocks, and reveals nothing
    press(&w, "Label3", Qt::LeftButton);
    lock(&w, "DesabilitarcdulasdeResultados1", QString());
    QVERIFY(isRedBox(&w, "Label8") || !visible(&w, "Label8"));
    QVERIFY(!visible(&w, "Edit5"));
    press(&w, "Label3", Qt::RightButton);
    QVERIFY(!visible(&w, "Label14"));
    QVERIFY(p.messenger.texts().isEmpty());
}

void ResultLockTest::sampleQuickSi()
{
    Program p;
    SampleForm w({p.registry.get(), &p.registry->random(), &p.messenger});
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
    QVERIFY(p.messenger.texts().isEmpty());

    type(&w, "Edit1", QStringLiteral("1,5"));
    w.control<QLineEdit>("Edit2")->setFocus();
    trigger(&w, "kmhms1");
    QCOMPARE(p.messenger.texts(), QStringList{QString::fromUtf8("Valor inválido. Ajuste seus dados")});
    QCOMPARE(focused(&w), QStringLiteral("Edit1"));
    QCOMPARE(textOf(&w, "Edit1"), QStringLiteral("1,5"));
    QCOMPARE(textOf(&w, "Label9"), QStringLiteral("3.4301 cm/s -> m/s"));
}

QTEST_MAIN(ResultLockTest)
#include "result_lock_test.moc"
