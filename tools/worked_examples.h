#pragma once
// The worked example of every exercise, from its record: the cells typed,
// then the buttons pressed. The screenshots show the windows with them, and
// the layout tests measure the result labels at the length of these usual
// answers.
#include <utility>
#include <vector>

#include "kit/frame/form_window.h"
#include "topics/exercises.h"

namespace tavek {

struct WorkedStep {
    std::vector<std::pair<const char*, const char*>> cells;
    const char* button;
};

// The example's cells, by the names of the cells they are typed into.
inline std::vector<std::pair<const char*, const char*>> exampleCells(const ExerciseRecord& record)
{
    std::vector<std::pair<const char*, const char*>> cells;
    for (const auto& [given, text] : record.example.typed)
        cells.emplace_back(record.given(given)->cell, text);
    return cells;
}

// The buttons the example presses: as it says, else the one that converts
// the unit it types, else the exercise's first.
inline std::vector<const char*> exampleButtons(const ExerciseRecord& record)
{
    if (!record.example.buttons.empty())
        return record.example.buttons;
    for (const Press& p : record.presses)
        for (const auto& [given, text] : record.example.typed)
            if (p.converts && std::string_view(p.converts) == given)
                return {p.button};
    return {record.presses.front().button};
}

inline std::vector<WorkedStep> workedExamples(FormNumber id)
{
    std::vector<WorkedStep> steps;
    for (const ExerciseRecord* r : exercises_of(id)) {
        std::vector<std::pair<const char*, const char*>> cells = exampleCells(*r);
        for (const char* button : exampleButtons(*r)) {
            steps.push_back({std::move(cells), button});
            cells.clear();
        }
    }
    return steps;
}

} // namespace tavek
