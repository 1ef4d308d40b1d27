#pragma once
// The calculators of the first window of further force exercises (Form7);
// their records, in exercises.cpp, name their cells and answers.
namespace tavek {

class Run;

// Exercise 3: three blocks on a smooth floor, weights P1..P3, pulled by F.
void pulled_blocks(Run& run);

// Exercise 4: blocks A, B, C on a smooth table and D hanging over a pulley.
void hanging_block_pull(Run& run);

} // namespace tavek
