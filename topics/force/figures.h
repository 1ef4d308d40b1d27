#pragma once
// The free-body diagrams of the force windows, from the values their
// calculators worked out (numbers written as each exercise writes its
// answers). Directions in degrees counter-clockwise from the right.
#include "kit/core/figure.h"
#include "kit/core/real.h"

namespace tavek {

struct Outcome;

// Each exercise's figure from the values its press worked out.
Figure rope_tensions_figure(const Outcome& out);
Figure pulled_block_figure(const Outcome& out);
Figure pulled_blocks_figure(const Outcome& out);
Figure hanging_block_pull_figure(const Outcome& out);
Figure smooth_incline_figure(const Outcome& out);
Figure block_on_wall_figure(const Outcome& out);
Figure rough_incline_figure(const Outcome& out);

// Each exercise's sketch beside its statement, drawn for its own numbers and
// naming what it asks without its value.
Figure pulled_block_statement_figure(const Outcome& out);
Figure smooth_incline_statement_figure(const Outcome& out);
Figure block_on_wall_statement_figure(const Outcome& out);
Figure rough_incline_statement_figure(const Outcome& out);
Figure incline_climb_statement_figure(const Outcome& out);

// Form6 exercise 1: the knot where ropes A (28° to the ceiling, on the left),
// B (47°, on the right) and C meet, and the block C holds up.
Figure rope_tensions_figure(Real weight, Real ta, Real tb);

// Form6 exercise 2: the block pulled by F2 at `degrees` above the horizontal
// against F1, its weight P; it speeds up with a.
Figure pulled_block_figure(Real f1, Real weight, Real f2, Real degrees, Real f2x, Real a);

// Form7 exercise 3: blocks 1, 2, 3 in a row, F pulling block 3; T1 joins 2
// and 3, T2 joins 1 and 2.
Figure pulled_blocks_figure(Real f, Real t1, Real t2, Real a);

// Form7 exercise 4: A, B, C on the table, D hanging over the pulley; T1 holds
// D, T2 joins B and C, T3 joins A and B.
Figure hanging_block_pull_figure(Real pd, Real a, Real t1, Real t2, Real t3);

// Form8 exercise 5: A on a smooth plane of `degrees`, its weight's pull along
// it px; B hanging with weight pb; the rope's tension t. An acceleration of
// zero is the balance of equal pulls.
Figure smooth_incline_figure(Real degrees, Real px, Real pb, Real a, Real t);

// Form8 exercise 6: the block held against the wall by F.
Figure block_on_wall_figure(Real f, Real weight);

// Form9 exercises 6 and 7: A on a rough plane (components px along and py
// across, the friction fat that acts: all it can when the system moves, the
// difference of the pulls when it holds them), B hanging with weight pb, the
// rope's tension t. An acceleration of zero is a system at rest.
Figure rough_incline_figure(Real degrees, Real px, Real py, Real fat, Real pb, Real a, Real t);

} // namespace tavek
