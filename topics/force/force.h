#pragma once
// Calculators of this topic: pure functions from cell texts to an outcome.
#include "kit/core/outcome.h"

namespace tavek {

// Exercise 1 of the force and motion window: the tensions in the three ropes
// that hold a suspended block, from its mass (Edit1). Writes Label12 (rope A),
// Label2 (rope B), Label3 (rope C) and Label4 (weight).
Outcome rope_tensions(const Cells& cells);

// Exercise 2: a block on a floor pulled by F2 (Edit4) at 38° above the
// horizontal against a horizontal F1 (Edit2), its weight in Edit3. Writes
// Label16 (acceleration), Label17 (x component of F2) and Label18 (mass).
Outcome pulled_block(const Cells& cells);

} // namespace tavek
