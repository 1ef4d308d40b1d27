#include <QLabel>
#include <QtTest>

#include "support.h"

using tavek::FormId;

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void menuLinksShowTheSameWindow();
};

void NavigationTest::menuLinksShowTheSameWindow()
{
    Program p;
    auto* form4 = p.open(FormId::Form4);
    trigger(form4, "Maisexercciosdelanamentos1");
    QVERIFY(p.form(FormId::Form5)->isVisible());
    trigger(form4, "Conversesdeunidades1");
    QVERIFY(p.form(FormId::Form3)->isVisible());
    trigger(p.form(FormId::Form3), "FecharJanela1");
    QVERIFY(!p.form(FormId::Form3)->isVisible());
    QCOMPARE(p.form(FormId::Form4)->windowTitle(), QString::fromUtf8("TAVEK 1 - Lançamentos"));
}

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
