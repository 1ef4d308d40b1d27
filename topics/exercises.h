#pragma once
// Every exercise of the program, grouped by window in the windows' order: what
// the sheets, the benchmarks and the tests walk.
#include <span>
#include <string_view>
#include <vector>

#include "kit/core/exercise_record.h"

namespace tavek {

// A window's exercises under the name its menus give it.
struct ExerciseWindow {
    int form;
    const char* name;
};

std::span<const ExerciseRecord* const> all_exercises();
std::span<const ExerciseWindow> exercise_windows();
const ExerciseRecord* find_exercise(std::string_view id);
const char* exercise_window_name(int form);

// The records of window Form<form>, in their order.
std::vector<const ExerciseRecord*> exercises_of(int form);

} // namespace tavek
