#pragma once
// The exercises of the rectilinear motion window (Form2), in its order.
#include <span>

#include "kit/core/exercise_record.h"

namespace tavek {

std::span<const ExerciseRecord> rectilinear_exercises();

} // namespace tavek
