#include "support.h"

#include <QAbstractButton>
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <QtTest>

#include "kit/core/run.h"
#include "kit/frame/fonts.h"
#include "topics/exercises.h"

tavek::Outcome pressed(const char* id, const tavek::Cells& cells, std::map<std::string, double, std::less<>> drawn)
{
    tavek::SetDraws draws(std::move(drawn));
    return tavek::run(*tavek::find_exercise(id), cells, draws);
}

void RecordingMessenger::inform(QWidget* parent, const QString& text)
{
    boxes.push_back({false, text, parent ? parent->window()->objectName() : QString()});
}

void RecordingMessenger::notice(QWidget* parent, const QString& text)
{
    boxes.push_back({false, text, parent ? parent->window()->objectName() : QString(), true});
}

void RecordingMessenger::fault(QWidget* parent, const QString& text)
{
    boxes.push_back({true, text, parent ? parent->window()->objectName() : QString()});
}

QStringList RecordingMessenger::texts() const
{
    QStringList r;
    for (const auto& b : boxes)
        r << b.text;
    return r;
}

Program::Program()
{
    tavek::installFonts();
    registry = std::make_unique<tavek::Registry>(messenger);
    registry->mainWindow()->show();
}

Program::~Program() = default;

tavek::FormWindow* Program::form(tavek::FormNumber id) const { return registry->form(id); }

tavek::FormWindow* Program::open(tavek::FormNumber id)
{
    registry->show(id);
    return registry->form(id);
}

void addFormRows()
{
    QTest::addColumn<int>("form");
    for (int n = 1; n <= 11; ++n)
        QTest::newRow(qPrintable(QStringLiteral("Form%1").arg(n))) << n;
}

void type(tavek::FormWindow* w, const char* edit, const QString& text)
{
    auto* e = w->control<QLineEdit>(edit);
    QVERIFY2(e, edit);
    e->setText(text);
}

void click(tavek::FormWindow* w, const char* button)
{
    auto* b = w->control<QAbstractButton>(button);
    QVERIFY2(b, button);
    b->click();
}

void trigger(tavek::FormWindow* w, const char* action)
{
    auto* a = w->control<QAction>(action);
    QVERIFY2(a, action);
    a->trigger();
}

QString textOf(tavek::FormWindow* w, const char* control)
{
    if (auto* e = w->control<QLineEdit>(control))
        return e->text();
    if (auto* l = w->control<QLabel>(control))
        return l->text();
    if (auto* b = w->control<QAbstractButton>(control))
        return b->text();
    return QStringLiteral("<no control %1>").arg(QLatin1String(control));
}

bool visible(tavek::FormWindow* w, const char* control)
{
    auto* c = w->control<QWidget>(control);
    return c && c->isVisible();
}

QString focused(tavek::FormWindow* w)
{
    QWidget* f = w->focusWidget();
    return f ? f->objectName() : QString();
}

QStringList tabOrder(tavek::FormWindow* w, const QStringList& names)
{
    QStringList order;
    QWidget* start = w->control<QWidget>(names.first().toLatin1().constData());
    QWidget* at = start;
    do {
        if (names.contains(at->objectName()))
            order << at->objectName();
        at = at->nextInFocusChain();
    } while (at && at != start);
    return order;
}

QStringList u(std::initializer_list<const char*> texts)
{
    QStringList r;
    for (const char* t : texts)
        r << QString::fromUtf8(t);
    return r;
}

const QString kInvalid = QString::fromUtf8("Valor inválido. Ajuste seus dados");

void lock(tavek::FormWindow* w, const char* disable, const QString& password)
{
    trigger(w, disable);
    type(w, "Edit14", password);
    click(w, "Button7");
    type(w, "Edit15", password);
    click(w, "Button8");
}

void unlock(tavek::FormWindow* w, const QString& password)
{
    trigger(w, "ReabilitarcdulasdeResultados1");
    type(w, "Edit15", password);
    click(w, "Button8");
}

void typeAll(tavek::FormWindow* w, std::initializer_list<std::pair<const char*, const char*>> cells)
{
    for (const auto& [cell, text] : cells)
        type(w, cell, QString::fromUtf8(text));
}

QStringList texts(tavek::FormWindow* w, std::initializer_list<const char*> controls)
{
    QStringList r;
    for (const char* c : controls)
        r << textOf(w, c);
    return r;
}

void press(tavek::FormWindow* w, const char* label, Qt::MouseButton button)
{
    auto* l = w->control<QLabel>(label);
    QVERIFY2(l, label);
    QTest::mousePress(l, button, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(l, button, Qt::NoModifier, QPoint(2, 2));
}

bool isRedBox(tavek::FormWindow* w, const char* label)
{
    auto* l = w->control<QLabel>(label);
    if (!l)
        return false;
    const QImage image = l->parentWidget()->grab(l->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffffu) != 0xff0000u)
                return false;
    return true;
}

QStringList tabChain(tavek::FormWindow* w, const char* first)
{
    QStringList names;
    QWidget* start = w->control<QWidget>(first);
    QWidget* it = start;
    do {
        if ((it->focusPolicy() & Qt::TabFocus) && it->isVisibleTo(w) && !it->objectName().isEmpty())
            names << it->objectName();
        it = it->nextInFocusChain();
    } while (it && it != start);
    return names;
}
