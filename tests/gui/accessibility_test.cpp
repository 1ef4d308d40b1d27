// Screen readers and UI-automation tools find the controls of a window by
// their accessible names: every input cell, button, check box, result list and
// result label must say what it is. And they read whatever a window holds,
// hidden or not: no teacher's password is there to be read.
#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMetaProperty>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>

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

// Everything a client can read of a window: the texts of every object of its
// accessibility tree (what an AT-SPI client walks, hidden controls included)
// and, with `properties`, every text property of the window, its widgets and
// its actions.
QStringList readable(QWidget* window, bool properties = true)
{
    QStringList r;
    std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* a, int depth) {
        if (!a || depth > 100)
            return;
        for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value,
                                    QAccessible::Help, QAccessible::Accelerator})
            r << a->text(t);
        if (QAccessibleTextInterface* text = a->textInterface())
            r << text->text(0, text->characterCount());
        if (QAccessibleValueInterface* value = a->valueInterface())
            r << value->currentValue().toString();
        for (int i = 0; i < a->childCount(); ++i)
            walk(a->child(i), depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(window), 0);
    if (!properties)
        return r;
    QObjectList objects{window};
    objects += window->findChildren<QObject*>();
    for (QObject* o : objects) {
        const QMetaObject* meta = o->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QVariant v = meta->property(i).read(o);
            if (v.metaType() == QMetaType::fromType<QString>())
                r << v.toString();
            else if (v.metaType() == QMetaType::fromType<QStringList>())
                r << v.toStringList();
        }
        for (const QByteArray& name : o->dynamicPropertyNames())
            r << o->property(name).toString();
    }
    return r;
}

// Letters that no window shows anywhere, so that finding them means finding
// the password.
const QString kPassword = QStringLiteral("Qxjwvk");

QString leaks(QWidget* window, bool properties = true)
{
    return readable(window, properties).filter(kPassword).join(QLatin1String(" | "));
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

    // The teacher looks at the password (a right press on the exercise
    // number) while the answers are readable, then locks them, with that
    // password and later again with the same one: locked, and with the
    // password label hidden, nothing of the window holds the password.
    void noPasswordToRead_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("reveal");
        QTest::addColumn<QString>("shown");
        const struct {
            int form;
            const char* reveal;
            const char* shown;
        } rows[] = {{2, "Label3", "Label39"},   {4, "Label3", "Label14"},   {5, "Label3", "Label18"},
                    {6, "Label5", "Label19"},   {7, "Label21", "Label34"},  {8, "Label13", "Label34"},
                    {9, "Label25", "Label42"},  {10, "Label25", "Label34"}, {11, "", ""}};
        for (const auto& row : rows)
            QTest::newRow(qPrintable(QStringLiteral("Form%1").arg(row.form)))
                << row.form << QString::fromLatin1(row.reveal) << QString::fromLatin1(row.shown);
    }
    void noPasswordToRead()
    {
        QFETCH(int, form);
        QFETCH(QString, reveal);
        QFETCH(QString, shown);
        Program p;
        tavek::FormWindow* w = p.open(static_cast<FormNumber>(form));
        const char* disable = form == 2 ? "Desabilotarcdulasderesultados1" : "DesabilitarcdulasdeResultados1";
        QCOMPARE(leaks(w), QString()); // the letters are the password's alone
        const auto look = [&] {
            if (reveal.isEmpty())
                return;
            press(w, qPrintable(reveal), Qt::RightButton);
            QVERIFY(textOf(w, qPrintable(shown)).contains(kPassword)); // the reveal worked
        };

        trigger(w, disable);
        type(w, "Edit14", kPassword);
        click(w, "Button7");
        look();
        type(w, "Edit15", kPassword);
        click(w, "Button8");
        QVERIFY(!w->control<QWidget>("Edit15")->isVisible());
        QVERIFY2(leaks(w).isEmpty(), qPrintable(QStringLiteral("locked: ") + leaks(w)));

        unlock(w, kPassword);
        look();
        if (!reveal.isEmpty())
            press(w, qPrintable(reveal), Qt::LeftButton);
        QVERIFY2(leaks(w).isEmpty(), qPrintable(QStringLiteral("hidden again: ") + leaks(w)));

        look();
        lock(w, disable, kPassword);
        QVERIFY2(leaks(w).isEmpty(), qPrintable(QStringLiteral("locked again: ") + leaks(w)));
        QVERIFY(p.messenger.texts().isEmpty());
    }

    // The exit password a teacher sets stays nowhere in the main window.
    void noExitPasswordToRead()
    {
        Program p;
        tavek::FormWindow* m = p.open(1);
        QCOMPARE(leaks(m), QString());
        press(m, "Label4", Qt::RightButton);
        click(m, "RadioButton1");
        type(m, "Edit2", QStringLiteral("zorp"));
        click(m, "Button2");
        type(m, "Edit2", kPassword);
        QVERIFY2(leaks(m, false).isEmpty(), qPrintable(QStringLiteral("typed: ") + leaks(m, false))); // as dots
        click(m, "Button2");
        QVERIFY(!visible(m, "Panel2"));
        QVERIFY2(leaks(m).isEmpty(), qPrintable(QStringLiteral("changed: ") + leaks(m)));
        trigger(m, "FecharTAVEK1");
        type(m, "Edit1", kPassword);
        QVERIFY2(leaks(m, false).isEmpty(), qPrintable(QStringLiteral("at the exit: ") + leaks(m, false)));
        QVERIFY(p.messenger.texts().isEmpty());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
