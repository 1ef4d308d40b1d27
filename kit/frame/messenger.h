#pragma once
#include <QString>

class QWidget;

namespace tavek {

// The program's modal boxes, behind one interface so that tests can record
// them instead of blocking on them. Each box has one OK button and returns
// when it is dismissed, with the window it came from active again; the caller
// then moves the focus to the cell the message is about.
class Messenger {
public:
    virtual ~Messenger() = default;
    // Something typed must be corrected (the warning icon).
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A notice that asks for nothing (the information icon).
    virtual void notice(QWidget* parent, const QString& text) { inform(parent, text); }
    // The error box of an arithmetic fault.
    virtual void fault(QWidget* parent, const QString& text) = 0;
};

class BoxMessenger : public Messenger {
public:
    void inform(QWidget* parent, const QString& text) override;
    void notice(QWidget* parent, const QString& text) override;
    void fault(QWidget* parent, const QString& text) override;
};

// Caption of every message box.
inline constexpr const char* kAppTitle = "TAVEK 1";

} // namespace tavek
