#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "app/registry.h"
#include "kit/frame/form_window.h"
#include "kit/frame/messenger.h"

// Records every box instead of showing it; remembers which window asked.
class RecordingMessenger : public tavek::Messenger {
public:
    struct Box {
        bool fault;
        QString text;
        QString window;
        bool notice = false; // the information icon, not the warning
    };
    void inform(QWidget* parent, const QString& text) override;
    void notice(QWidget* parent, const QString& text) override;
    void fault(QWidget* parent, const QString& text) override;

    QStringList texts() const;
    void clear() { boxes.clear(); }

    std::vector<Box> boxes;
};

// A fresh program: fonts, the eleven windows, seed 0, boxes recorded.
struct Program {
    Program();
    ~Program();

    tavek::FormWindow* form(tavek::FormNumber id) const;
    // Shows the window (building it) and returns it.
    tavek::FormWindow* open(tavek::FormNumber id);

    RecordingMessenger messenger;
    std::unique_ptr<tavek::Registry> registry;
};

// Base of the window tests: each test function (each data row) gets a fresh
// program, built in init() and gone in cleanup(), so no state leaks between
// them.
class ProgramTest : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<Program> p;
private slots:
    void init() { p = std::make_unique<Program>(); }
    void cleanup() { p.reset(); }
};

// Data rows "Form1".."Form11" of an int column "form", for a test run once
// per window.
void addFormRows();

// The exercise `id` pressed as its window presses it (its working press),
// with the values the program would draw given.
tavek::Outcome pressed(const char* id, const tavek::Cells& cells,
                       std::map<std::string, double, std::less<>> drawn = {});

// Helpers on a window's controls, by object name.
void type(tavek::FormWindow* w, const char* edit, const QString& text);
void click(tavek::FormWindow* w, const char* button);
void trigger(tavek::FormWindow* w, const char* action);
QString textOf(tavek::FormWindow* w, const char* control);
bool visible(tavek::FormWindow* w, const char* control);
QString focused(tavek::FormWindow* w);
// The named controls in the order the Tab key passes them, starting from the
// first name and going once round the window's focus chain.
QStringList tabOrder(tavek::FormWindow* w, const QStringList& names);

// Program texts are UTF-8 in the sources.
inline QString u(const char* text) { return QString::fromUtf8(text); }
QStringList u(std::initializer_list<const char*> texts);

extern const QString kInvalid; // the box for a cell that is not a number

// The teacher's whole path from an open window to a locked one, and back.
void lock(tavek::FormWindow* w, const char* disable, const QString& password);
void unlock(tavek::FormWindow* w, const QString& password);

// Types each cell's text, in the order given.
void typeAll(tavek::FormWindow* w, std::initializer_list<std::pair<const char*, const char*>> cells);
// The texts of the named controls, in the order given.
QStringList texts(tavek::FormWindow* w, std::initializer_list<const char*> controls);
// A mouse press and release near the top left corner of a label.
void press(tavek::FormWindow* w, const char* label, Qt::MouseButton button);
// Every pixel of the label is red: the answer cannot be read.
bool isRedBox(tavek::FormWindow* w, const char* label);
// The named controls the Tab key visits from `first`, in order, once round.
QStringList tabChain(tavek::FormWindow* w, const char* first);
