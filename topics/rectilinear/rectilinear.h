#pragma once
// Calculators of the rectilinear motion window: pure functions from cell texts
// to an outcome.
#include "kit/core/outcome.h"

namespace tavek {

class RandomDraw;

// Exercise 1: average velocity and acceleration between two positions and
// two instants (Edit1 Xo, Edit2 X, Edit3 to, Edit4 t) into Edit5 and Edit6.
Outcome average_motion(const Cells& cells);

// Exercise 2: velocity and acceleration at t of X = c1 + c2 t + c3 t³
// (Edit7 c1, Edit8 c2, Edit9 c3, Edit10 t) into Edit11 and Edit12.
Outcome cubic_motion(const Cells& cells);

// Exercise 3: a particle thrown straight up at Vo (Edit13): time to the top,
// maximum height, a height drawn as a percentage of it and the two instants
// at which the particle passes that height, into Label32 to Label37.
// Every press that gets past the sign check draws from the program's one
// random sequence.
Outcome vertical_launch(const Cells& cells, RandomDraw& random);
// The same with the percentage given (1 .. 99): an exercise sheet states the
// drawn height as data and never touches the program's draw.
Outcome vertical_launch(const Cells& cells, int percentage);

} // namespace tavek
