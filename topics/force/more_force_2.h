#pragma once
// Calculators of this topic: pure functions from cell texts to an outcome.
#include "kit/outcome.h"

namespace tavek {

// Exercise 5: block A on a smooth incline tied over a pulley to a hanging
// block B. Cells Edit1 (mA), Edit2 (mB), Edit3 (angle in degrees).
Outcome more_force_2_calculator5(const Cells& cells);

// Exercise 6: block held against a wall by static friction. Cells Edit4 (μ),
// Edit5 (mass).
Outcome more_force_2_calculator6(const Cells& cells);

} // namespace tavek
