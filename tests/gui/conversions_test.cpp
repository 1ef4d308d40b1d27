#include <QLineEdit>
#include <QtTest>

#include "support.h"

using tavek::FormNumber;

namespace {
const QString kNegative = QString::fromUtf8("Valor para conversão negativo, favor ajuste o valor");

} // namespace

class ConversionsTest : public ProgramTest {
    Q_OBJECT
private slots:
    void startsEmptyWithItsColours();
    void tabOrder();
    void convertsIntoItsGroupOnly_data();
    void convertsIntoItsGroupOnly();
    void negativeKeepsTheResultAndFocusesTheInput_data();
    void negativeKeepsTheResultAndFocusesTheInput();
    void malformedValueIsRefused();
    void clearsEmptyTheirGroup_data();
    void clearsEmptyTheirGroup();
    void sameWindowFromEveryMenu();
};

void ConversionsTest::startsEmptyWithItsColours()
{
    auto* w = p->open(3);
    for (const char* cell : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
        QCOMPARE(textOf(w, cell), QString());
    for (const char* input : {"Edit1", "Edit3", "Edit5"})
        QVERIFY(w->control<QLineEdit>(input)->styleSheet().contains(QLatin1String("rgb(128, 255, 0)")));
    for (const char* result : {"Edit2", "Edit4", "Edit6"})
        QVERIFY(w->control<QLineEdit>(result)->styleSheet().contains(QLatin1String("#ffff00")));
    QCOMPARE(textOf(w, "Label1"), QString::fromUtf8("Conversões de Unidades para o Sistema Internacional (SI)"));
    QCOMPARE(textOf(w, "Button3"), QString::fromUtf8("yd (Jarda)-> m"));
    QCOMPARE(w->windowTitle(), QString::fromUtf8("TAVEK 1 - Conversôes de Unidades"));
}

void ConversionsTest::tabOrder()
{
    auto* w = p->open(3);
    const QStringList expected = {"Edit1",    "Button1",  "Button2",  "Edit2",    "Button3",  "Button4",  "Button5",
                                  "Button11", "Button12", "Button6",  "Edit3",    "Edit4",    "Button7",  "Button8",
                                  "Button9",  "Button10", "Button13", "Edit5",    "Edit6",    "Button14", "Button15",
                                  "Button16", "Button17", "Button18", "Button19"};
    QCOMPARE(tabChain(w, "Edit1"), expected);
}

void ConversionsTest::convertsIntoItsGroupOnly_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mm") << "Edit1" << "Button1" << "1500" << "Edit2" << "1.50000000 m";
    QTest::newRow("mi") << "Edit1" << "Button12" << "1" << "Edit2" << "1609.00000000 m";
    QTest::newRow("h") << "Edit3" << "Button7" << "2" << "Edit4" << "7200.00000000 s";
    QTest::newRow("ano") << "Edit3" << "Button10" << "1" << "Edit4" << "31560000.00000000 s";
    QTest::newRow("lb") << "Edit5" << "Button18" << "1" << "Edit6" << "0.45359237 kg";
    QTest::newRow("empty g") << "Edit5" << "Button14" << "" << "Edit6" << "0.00000000 kg";
}

void ConversionsTest::convertsIntoItsGroupOnly()
{
    QFETCH(QString, input);
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    auto* w = p->open(3);
    for (const char* cell : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
        type(w, cell, QStringLiteral("x"));
    type(w, input.toLatin1().constData(), typed);
    click(w, button.toLatin1().constData());
    QVERIFY(p->messenger.boxes.empty());
    QCOMPARE(textOf(w, result.toLatin1().constData()), expected);
    // The input stays as typed; the other groups are untouched.
    QCOMPARE(textOf(w, input.toLatin1().constData()), typed);
    int untouched = 0;
    for (const char* cell : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
        untouched += textOf(w, cell) == QLatin1String("x");
    QCOMPARE(untouched, 4);
}

void ConversionsTest::negativeKeepsTheResultAndFocusesTheInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("before");
    QTest::newRow("length") << "Edit1" << "Button4" << "Edit2" << "3.04800000 m";
    QTest::newRow("time") << "Edit3" << "Button9" << "Edit4" << "864000.00000000 s";
    QTest::newRow("mass") << "Edit5" << "Button16" << "Edit6" << "145.93900000 kg";
}

void ConversionsTest::negativeKeepsTheResultAndFocusesTheInput()
{
    QFETCH(QString, input);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, before);
    auto* w = p->open(3);
    const QByteArray in = input.toLatin1(), b = button.toLatin1(), out = result.toLatin1();
    type(w, in.constData(), QStringLiteral("10"));
    click(w, b.constData());
    QCOMPARE(textOf(w, out.constData()), before);
    // Start from another group's cell, so the move to the input is seen.
    w->control<QWidget>(result == QLatin1String("Edit2") ? "Edit5" : "Edit1")->setFocus();

    type(w, in.constData(), QStringLiteral("-10"));
    click(w, b.constData());
    QCOMPARE(p->messenger.texts(), QStringList{kNegative});
    QCOMPARE(p->messenger.boxes.front().window, QStringLiteral("Form3"));
    QCOMPARE(focused(w), input);
    QCOMPARE(textOf(w, out.constData()), before);
}

void ConversionsTest::malformedValueIsRefused()
{
    auto* w = p->open(3);
    type(w, "Edit3", QStringLiteral("1"));
    click(w, "Button8");
    type(w, "Edit3", QStringLiteral("1,5.0"));
    click(w, "Button8");
    QCOMPARE(p->messenger.texts(), QStringList{kInvalid});
    QCOMPARE(focused(w), QStringLiteral("Edit3"));
    QCOMPARE(textOf(w, "Edit4"), QStringLiteral("60.00000000 s"));
}

void ConversionsTest::clearsEmptyTheirGroup_data()
{
    QTest::addColumn<QString>("clear");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::newRow("length") << "Button6" << "Edit1" << "Edit2";
    QTest::newRow("time") << "Button13" << "Edit3" << "Edit4";
    QTest::newRow("mass") << "Button19" << "Edit5" << "Edit6";
}

void ConversionsTest::clearsEmptyTheirGroup()
{
    QFETCH(QString, clear);
    QFETCH(QString, input);
    QFETCH(QString, result);
    auto* w = p->open(3);
    for (const char* cell : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
        type(w, cell, QStringLiteral("7"));
    click(w, clear.toLatin1().constData());
    QCOMPARE(textOf(w, input.toLatin1().constData()), QString());
    QCOMPARE(textOf(w, result.toLatin1().constData()), QString());
    QCOMPARE(focused(w), input);
    int kept = 0;
    for (const char* cell : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
        kept += textOf(w, cell) == QLatin1String("7");
    QCOMPARE(kept, 4);
    QVERIFY(p->messenger.boxes.empty());
}

void ConversionsTest::sameWindowFromEveryMenu()
{
    auto* form3 = p->open(3);
    type(form3, "Edit1", QStringLiteral("2"));
    click(form3, "Button5");
    trigger(form3, "FecharJanela1");
    QVERIFY(!form3->isVisible());
    // Reached again from another window's menu: the same window, as it was left.
    trigger(p->open(5), "Conversesdeunidades1");
    QVERIFY(form3->isVisible());
    QCOMPARE(p->form(3), form3);
    QCOMPARE(textOf(form3, "Edit2"), QStringLiteral("2000.00000000 m"));
}

QTEST_MAIN(ConversionsTest)
#include "conversions_test.moc"
