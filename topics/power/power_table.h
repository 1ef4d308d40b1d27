#pragma once
// Calculators of this topic: pure functions from cell texts to an outcome.
#include "kit/core/outcome.h"

namespace tavek {

// Exercise 3: work and mean power of a force F1 pulling a block at constant
// velocity, one line of ListBox1 per whole second up to the chosen time.
// Cells Edit1 (velocity, m/s), Edit2 (F1, N), Edit3 (angle, degrees),
// Edit4 (last second T, s).
Outcome power_table(const Cells& cells);

} // namespace tavek
