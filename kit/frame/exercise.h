#pragma once
// One exercise of a window as data: the buttons that calculate it, the cells
// they read, the answers they write and the button that clears it. Each window
// describes its exercises in one table; the frame wires presses, clears and the
// teacher's lock from that table, so no list of controls is kept twice.
#include <functional>
#include <vector>

#include "kit/core/outcome.h"

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace tavek {

// A calculator over the texts of the exercise's input cells.
using Calculator = std::function<Outcome(const Cells&)>;

struct Press {
    QAbstractButton* button;
    Calculator calculator;
};

struct Exercise {
    std::vector<Press> presses;        // calculate buttons, in the window's order
    std::vector<QLineEdit*> inputs;    // read for every press, emptied by the clear button
    // The answers: result labels (hidden by the clear), result cells (back to
    // their design text) or a result list (hidden). The teacher's lock hides
    // exactly these.
    std::vector<QWidget*> results;
    QAbstractButton* clear = nullptr;  // "Limpar Campos"
    // Shown by a press but given data, not an answer: hidden by the clear,
    // never by the lock.
    std::vector<QWidget*> givens = {};
};

} // namespace tavek
