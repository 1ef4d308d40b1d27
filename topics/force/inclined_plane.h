#pragma once
// Calculators of this topic: pure functions from cell texts to an outcome.
#include "kit/core/outcome.h"

namespace tavek {

// Exercise 5: block A on a smooth incline tied over a pulley to a hanging
// block B. Cells Edit1 (mA), Edit2 (mB), Edit3 (angle in degrees).
Outcome smooth_incline(const Cells& cells);

// Exercise 6: block held against a wall by static friction. Cells Edit4 (μ),
// Edit5 (mass).
Outcome block_on_wall(const Cells& cells);

} // namespace tavek
