#pragma once
// The calculators of the rectilinear motion window (Form2); their records, in
// exercises.cpp, name their cells and answers.
namespace tavek {

class Run;

// Exercise 1: average velocity and acceleration between two positions and
// two instants.
void average_motion(Run& run);

// Exercise 2: velocity and acceleration at t of X = c1 + c2 t + c3 t³.
void cubic_motion(Run& run);

// Exercise 3: a particle thrown straight up at Vo: time to the top, maximum
// height, a height drawn as a percentage of it and the two instants at which
// the particle passes that height. Every press that gets past the sign check
// draws the percentage: in the window from the program's one random
// sequence, on a sheet from the sheet's set.
void vertical_launch(Run& run);

} // namespace tavek
