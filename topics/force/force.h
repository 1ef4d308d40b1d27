#pragma once
// The calculators of the force and motion window (Form6); their records, in
// exercises.cpp, name their cells and answers.
namespace tavek {

class Run;

// Exercise 1: the tensions in the three ropes that hold a suspended block,
// from its mass.
void rope_tensions(Run& run);

// Exercise 2: a block on a floor pulled by F2 at 38° above the horizontal
// against a horizontal F1, from its weight.
void pulled_block(Run& run);

} // namespace tavek
