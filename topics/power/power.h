#pragma once
// Calculators of this topic: pure functions from cell texts to an outcome.
#include "kit/core/outcome.h"

namespace tavek {

// Exercise 1: mean power of the cable lifting a full elevator.
// Cells Edit1 (mass, kg), Edit2 (time of the climb, s), Edit3 (height, m).
Outcome elevator_power(const Cells& cells);

// Exercise 2: power of the machine pulling a block up an inclined plane with
// friction. Cells Edit8 (velocity, m/s), Edit4 (friction coefficient),
// Edit5 (mass, kg), Edit6 (CO, m), Edit7 (CA, m).
Outcome incline_power(const Cells& cells);

} // namespace tavek
