#include "kit/frame/exercise.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <algorithm>

#include "kit/frame/controls.h"

namespace tavek {

Exercise wired(const ExerciseRecord& record, const QWidget* window)
{
    Exercise e;
    e.record = &record;
    for (const Press& p : record.presses)
        e.presses.push_back({requireControl<QAbstractButton>(window, p.button), &p});
    for (const Given& g : record.givens) {
        if (g.cell) {
            // A conversion group's units share its one cell.
            QLineEdit* cell = requireControl<QLineEdit>(window, g.cell);
            if (std::find(e.inputs.begin(), e.inputs.end(), cell) == e.inputs.end())
                e.inputs.push_back(cell);
        }
        if (g.shownIn)
            e.givens.push_back(requireControl<QWidget>(window, g.shownIn));
    }
    for (const char* control : record.answerControls())
        e.results.push_back(requireControl<QWidget>(window, control));
    e.clear = requireControl<QAbstractButton>(window, record.clear);
    for (const char* data : record.data)
        e.givens.push_back(requireControl<QWidget>(window, data));
    return e;
}

} // namespace tavek
