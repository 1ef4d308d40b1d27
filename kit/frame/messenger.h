#pragma once
#include <QString>

class QWidget;

namespace tavek {

// The program's modal boxes, behind one interface so that tests can record
// them instead of blocking on them.
class Messenger {
public:
    virtual ~Messenger() = default;
    // An information box with one OK button; returns when it is dismissed.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // The error box of an arithmetic fault.
    virtual void fault(QWidget* parent, const QString& text) = 0;
};

class BoxMessenger : public Messenger {
public:
    void inform(QWidget* parent, const QString& text) override;
    void fault(QWidget* parent, const QString& text) override;
};

// Caption of every message box.
inline constexpr const char* kAppTitle = "TAVEK 1";

} // namespace tavek
