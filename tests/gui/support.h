#pragma once
#include <QString>
#include <QStringList>

#include <memory>

#include "app/registry.h"
#include "kit/form_window.h"
#include "kit/messenger.h"

// Records every box instead of showing it; remembers which window asked.
class RecordingMessenger : public tavek::Messenger {
public:
    struct Box {
        bool fault;
        QString text;
        QString window;
    };
    void inform(QWidget* parent, const QString& text) override;
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

// Data rows "Form1".."Form11" of an int column "form", for a test run once
// per window.
void addFormRows();

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
