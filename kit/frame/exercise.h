#pragma once
// One exercise of a window wired to its controls: the buttons that press it,
// the cells it reads, the answers it writes and the button that clears it,
// each found by the name its record gives it. The frame wires presses,
// clears and the teacher's lock from these, so no list of controls is kept
// anywhere but in the records.
#include <vector>

#include "kit/core/exercise_record.h"

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace tavek {

struct WiredPress {
    QAbstractButton* button;
    const Press* press;
};

struct Exercise {
    const ExerciseRecord* record = nullptr;
    std::vector<WiredPress> presses;   // calculate buttons, in the window's order
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

// The exercise's controls in `window`; a name the window lacks stops a debug
// build at once and is caught by the tests that walk every record.
Exercise wired(const ExerciseRecord& record, const QWidget* window);

} // namespace tavek
