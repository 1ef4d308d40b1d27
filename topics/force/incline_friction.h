#pragma once
// Calculators of this topic: pure functions from cell texts to an outcome.
#include "kit/core/outcome.h"

namespace tavek {

// Exercise 6: block A on an incline with kinetic friction, tied over a pulley
// to a hanging block B. Cells Edit1 (μ), Edit2 (mA), Edit3 (mB), Edit4 (angle).
Outcome rough_incline(const Cells& cells);

// Exercise 7: the same system pulling A from rest up the whole plane of base
// length CA. Cells Edit5 (μ), Edit6 (mA), Edit7 (mB), Edit8 (angle), Edit9 (CA).
Outcome rough_incline_work(const Cells& cells);

} // namespace tavek
