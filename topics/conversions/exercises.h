#pragma once
// The conversion groups of the unit conversion window (Form3), in its order.
#include <span>

#include "kit/core/exercise_record.h"

namespace tavek {

std::span<const ExerciseRecord> conversion_exercises();

} // namespace tavek
