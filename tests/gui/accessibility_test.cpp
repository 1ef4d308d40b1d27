// Screen readers and UI-automation tools find the controls of a window by
// their accessible names: every input cell, button, check box, result list and
// result label must say what it is.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "support.h"

using tavek::FormNumber;

namespace {

// Result labels: hidden at start, red text; the calculators write them.
bool resultLabel(QLabel* label)
{
    return label->isHidden() && label->styleSheet().contains(QLatin1String("#ff0000"), Qt::CaseInsensitive);
}

struct Survey {
    QStringList missing;  // controls without a name
    int checked = 0;
    int resultLabels = 0;
};

Survey survey(QWidget* root)
{
    Survey s;
    auto check = [&](QWidget* w) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            return; // parts Qt builds inside its own widgets
        ++s.checked;
        if (w->accessibleName().trimmed().isEmpty())
            s.missing << w->objectName();
    };
    for (QLineEdit* e : root->findChildren<QLineEdit*>())
        check(e);
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
        if (qobject_cast<QPushButton*>(b) || qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b))
            check(b);
    for (QListView* l : root->findChildren<QListView*>())
        check(l);
    for (QLabel* l : root->findChildren<QLabel*>())
        if (resultLabel(l)) {
            ++s.resultLabels;
            check(l);
        }
    return s;
}

QStringList unnamed(QWidget* root)
{
    return survey(root).missing;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void checkerSeesEveryKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("named");
        for (const char* kind : {"edit", "button", "check", "list", "result"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 named").arg(QLatin1String(kind)))) << kind << true;
            QTest::newRow(qPrintable(QStringLiteral("%1 unnamed").arg(QLatin1String(kind)))) << kind << false;
        }
    }
    void checkerSeesEveryKind()
    {
        QFETCH(QString, kind);
        QFETCH(bool, named);
        QWidget root;
        QWidget* w = nullptr;
        if (kind == QLatin1String("edit"))
            w = new QLineEdit(&root);
        else if (kind == QLatin1String("button"))
            w = new QPushButton(QStringLiteral("Calcular"), &root);
        else if (kind == QLatin1String("check"))
            w = new QCheckBox(QStringLiteral("Converter para o SI"), &root);
        else if (kind == QLatin1String("list"))
            w = new QListView(&root);
        else {
            auto* label = new QLabel(QStringLiteral("TEMPO"), &root);
            label->setStyleSheet(QStringLiteral("color: #ff0000;"));
            label->hide();
            w = label;
        }
        w->setObjectName(QStringLiteral("Probe"));
        if (named)
            w->setAccessibleName(QStringLiteral("Controle de teste"));
        QCOMPARE(unnamed(&root).isEmpty(), named);
    }

    void everyControlIsNamed_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("hasResultLabels");
        for (int n = 1; n <= 11; ++n) {
            // the main window, the conversions (result cells) and the power
            // list window (a result list) have no result labels
            const bool labels = n != 1 && n != 3 && n != 11;
            QTest::newRow(qPrintable(QStringLiteral("Form%1").arg(n))) << n << labels;
        }
    }
    void everyControlIsNamed()
    {
        QFETCH(int, form);
        QFETCH(bool, hasResultLabels);
        Program p;
        tavek::FormWindow* w = p.open(static_cast<FormNumber>(form));
        const Survey s = survey(w);
        QVERIFY(s.checked > 0);
        QCOMPARE(s.resultLabels > 0, hasResultLabels);
        QVERIFY2(s.missing.isEmpty(), qPrintable(QStringLiteral("no accessible name: ") + s.missing.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
