#pragma once
// The exercises of the power windows (Form10, Form11), in their order.
#include <span>

#include "kit/core/exercise_record.h"

namespace tavek {

std::span<const ExerciseRecord> power_exercises();

} // namespace tavek
