#pragma once
// Finding a window's own controls by object name, where a name must stay a
// string (calculators name the cells and labels they write).
#include <QObject>
#include <QString>
#include <QWidget>

namespace tavek {

// Any control or menu item of `window` by object name; nullptr if there is
// none. The main window owns the other windows, whose controls bear the same
// names: the search never enters another window.
template <class T = QWidget>
T* findControl(const QWidget* window, const char* name)
{
    const QString n = QString::fromLatin1(name);
    if (T* c = window->findChild<T*>(n, Qt::FindDirectChildrenOnly))
        return c;
    for (QObject* o : window->children()) {
        if (o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
            continue;
        if (T* c = o->findChild<T*>(n))
            return c;
    }
    return nullptr;
}

// The same for a name the program itself declared: a missing one is a
// mistyped name, caught by an assertion in debug builds.
template <class T = QWidget>
T* requireControl(const QWidget* window, const char* name)
{
    T* c = findControl<T>(window, name);
    Q_ASSERT_X(c, name, "no control of this name and type in the window");
    return c;
}

} // namespace tavek
