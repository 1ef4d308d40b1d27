#pragma once
#include <QString>

#include "kit/core/outcome.h"

class QWidget;

namespace tavek {

class Messenger;

// Puts a calculator's outcome on a window's controls, in its order: messages
// with their focus moves, writes (a written label becomes visible and fits its
// text), shows, hides, list lines; a fault last, in the error box.
class OutcomeApplier {
public:
    OutcomeApplier(QWidget* window, Messenger* messenger) : window_(window), messenger_(messenger) {}
    void apply(const Outcome& outcome) const;

private:
    void write(const std::string& target, const QString& text) const;
    void focus(const std::string& target) const;

    QWidget* window_;
    Messenger* messenger_;
};

} // namespace tavek
