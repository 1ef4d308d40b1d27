#pragma once
// The figures of the rectilinear motion window, from the values its
// calculators worked out (numbers written as its answers: 4 decimals).
#include "kit/core/figure.h"
#include "kit/core/real.h"

namespace tavek {

struct Outcome;

// Each exercise's figure from the values its press worked out.
Figure average_motion_figure(const Outcome& out);
Figure cubic_motion_figure(const Outcome& out);
Figure vertical_launch_figure(const Outcome& out);


// Exercise 1: x(t) and v(t) of the particle starting from rest at (t0, x0)
// with the acceleration a, up to the final instant t; vm, the mean velocity.
Figure average_motion_figure(Real x0, Real t0, Real t, Real vm, Real a);

// Exercise 2: x(t), v(t) and a(t) of X = c1 + c2 t + c3 t³ around the instant
// t, where the velocity is v and the acceleration a.
Figure cubic_motion_figure(Real c1, Real c2, Real c3, Real t, Real v, Real a);

// Exercise 3: y(t) of the launch at v0 up to its return at `total`, the top
// (top, hmax) and the drawn height h passed at t1 and t2.
Figure vertical_launch_figure(Real v0, Real g, Real top, Real hmax, Real h, Real t1, Real t2, Real total);

} // namespace tavek
