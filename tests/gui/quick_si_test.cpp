// The quick conversion of a typed speed to m/s in the five windows that have it.
#include <QCheckBox>
#include <QtTest>

#include "support.h"

using tavek::FormNumber;
using tavek::FormWindow;

namespace {
struct Window {
    FormNumber id;
    const char* cell;
    const char* note;
    const char* kmh;   // the km/h menu item
    const char* clear; // the clear button of the exercise owning the cell
    const char* other; // another input cell of the window
};

const Window kWindows[] = {
    {2, "Edit13", "Label38", "kmhms1", "Button6", "Edit1"},
    {4, "Edit1", "Label9", "kmhms1", "Button2", "Edit2"},
    {5, "Edit1", "Label7", "kmhms1", "Button5", "Edit2"},
    {10, "Edit8", "Label27", "Kmhms1", "Button4", "Edit1"},
    {11, "Edit1", "Label27", "Kmhms1", "Button2", "Edit2"},
};

QCheckBox* box(FormWindow* w) { return w->control<QCheckBox>("CheckBox1"); }

} // namespace

class QuickSiTest : public ProgramTest {
    Q_OBJECT
private slots:
    void nothingWhileUnticked();
    void conversionsInEveryWindow();
    void malformedCellConvertsNothing();
    void clearButtonResets();
};

void QuickSiTest::nothingWhileUnticked()
{
    for (const Window& row : kWindows) {
        FormWindow* w = p->open(row.id);
        const QByteArray name = w->objectName().toLatin1();
        const QString note = textOf(w, row.note);
        type(w, row.cell, QStringLiteral("100"));
        for (const char* item : {row.kmh, "mihms1", "cmsms1"}) {
            trigger(w, item);
            QCOMPARE(textOf(w, row.cell), QStringLiteral("100"));
            QVERIFY2(!visible(w, row.note), name);
            QCOMPARE(textOf(w, row.note), note);
        }
        // malformed text while unticked: not even a message
        type(w, row.cell, QStringLiteral("1,5"));
        trigger(w, row.kmh);
        QCOMPARE(textOf(w, row.cell), QStringLiteral("1,5"));
    }
    QVERIFY(p->messenger.texts().isEmpty());
}

void QuickSiTest::conversionsInEveryWindow()
{
    const struct {
        const char* before; // nullptr: the cell as the previous step left it
        int item;           // 0 km/h, 1 mi/h, 2 cm/s
        const char* after;
        const char* note;
    } steps[] = {
        {"100", 0, "27.7000", "100 km/h -> m/s"},
        {nullptr, 0, "7.6729", "27.7000 km/h -> m/s"},
        {"100", 1, "44.7040", "100 mi/h -> m/s"},
        {"100", 2, "1.0000", "100 cm/s -> m/s"},
        {"", 0, "0.0000", " km/h -> m/s"},
        {"-10", 0, "-2.7700", "-10 km/h -> m/s"},
        {"1", 0, "0.2770", "1 km/h -> m/s"},
    };
    for (const Window& row : kWindows) {
        FormWindow* w = p->open(row.id);
        const QByteArray name = w->objectName().toLatin1();
        QVERIFY2(box(w), w->objectName().toLatin1());
        box(w)->setChecked(true);
        const char* items[] = {row.kmh, "mihms1", "cmsms1"};
        for (const auto& s : steps) {
            if (s.before)
                type(w, row.cell, QString::fromLatin1(s.before));
            trigger(w, items[s.item]);
            QCOMPARE(textOf(w, row.cell), QString::fromLatin1(s.after));
            QCOMPARE(textOf(w, row.note), QString::fromLatin1(s.note));
            QVERIFY2(visible(w, row.note), name);
            QVERIFY2(box(w)->isChecked(), name);
        }
    }
    QVERIFY(p->messenger.texts().isEmpty());
}

void QuickSiTest::malformedCellConvertsNothing()
{
    for (const Window& row : kWindows) {
        FormWindow* w = p->open(row.id);
        QVERIFY2(box(w), w->objectName().toLatin1());
        box(w)->setChecked(true);
        type(w, row.cell, QStringLiteral("100"));
        trigger(w, "cmsms1");
        p->messenger.clear();
        type(w, row.cell, QStringLiteral("36 km/h"));
        w->control(row.other)->setFocus();
        trigger(w, row.kmh);
        QCOMPARE(p->messenger.texts(), QStringList{QString::fromUtf8("Valor inválido. Ajuste seus dados")});
        QCOMPARE(p->messenger.boxes.back().window, w->objectName());
        QCOMPARE(focused(w), QString::fromLatin1(row.cell));
        QCOMPARE(textOf(w, row.cell), QStringLiteral("36 km/h"));
        QCOMPARE(textOf(w, row.note), QStringLiteral("100 cm/s -> m/s"));
    }
}

void QuickSiTest::clearButtonResets()
{
    for (const Window& row : kWindows) {
        FormWindow* w = p->open(row.id);
        const QByteArray name = w->objectName().toLatin1();
        QVERIFY2(box(w), w->objectName().toLatin1());
        box(w)->setChecked(true);
        type(w, row.cell, QStringLiteral("72"));
        trigger(w, row.kmh);
        QVERIFY2(visible(w, row.note), name);
        click(w, row.clear);
        QVERIFY2(!box(w)->isChecked(), name);
        QVERIFY2(!visible(w, row.note), name);
        // unticked again: the menu does nothing
        type(w, row.cell, QStringLiteral("72"));
        trigger(w, row.kmh);
        QCOMPARE(textOf(w, row.cell), QStringLiteral("72"));
    }
}

QTEST_MAIN(QuickSiTest)
#include "quick_si_test.moc"
