#pragma once
// The exercises of the launches windows (Form4, Form5), in their order.
#include <span>

#include "kit/core/exercise_record.h"

namespace tavek {

std::span<const ExerciseRecord> launches_exercises();

} // namespace tavek
