#pragma once
// Calculators of this topic: pure functions from cell texts to an outcome.
#include "kit/core/outcome.h"

namespace tavek {

// Exercise 3: three blocks on a smooth floor, weights P1..P3 (Edit1..Edit3),
// pulled by F (Edit4). Writes the masses (Label4, Label15, Label16), the
// acceleration (Label17) and the two rope tensions (Label18, Label19).
Outcome pulled_blocks(const Cells& cells);

// Exercise 4: blocks A, B, C on a smooth table (masses in Edit5..Edit7) and D
// (Edit8) hanging over a pulley. Writes the hanging weight (Label29), the
// acceleration (Label33) and the three rope tensions (Label30..Label32).
Outcome hanging_block_pull(const Cells& cells);

} // namespace tavek
