#pragma once
// The exercises of the force and motion windows (Form6 to Form9), in the
// windows' order.
#include <span>

#include "kit/core/exercise_record.h"

namespace tavek {

std::span<const ExerciseRecord> force_exercises();

} // namespace tavek
