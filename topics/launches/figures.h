#pragma once
// The paths of the launches windows, from the values their calculators worked
// out (numbers written as each window writes its answers).
#include "kit/core/figure.h"
#include "kit/core/real.h"

namespace tavek {

struct Outcome;

// Each exercise's figure from the values its press worked out.
Figure dropped_missile_figure(const Outcome& out);
Figure basketball_figure(const Outcome& out);
Figure drawn_angle_figure(const Outcome& out);
Figure kicked_ball_figure(const Outcome& out);

// Each exercise's sketch beside its statement, drawn for its own numbers and
// marked with the values the statement gives, none it asks for.
Figure dropped_missile_statement_figure(const Outcome& out);
Figure basketball_statement_figure(const Outcome& out);
Figure drawn_angle_statement_figure(const Outcome& out);
Figure kicked_ball_statement_figure(const Outcome& out);


// Launches, exercise 1: the missile's path from the aircraft's height h at
// speed v down to the target it reaches after t, d ahead.
Figure dropped_missile_figure(Real v, Real h, Real g, Real t, Real d);

// Launches, exercise 2: the ball's path from the release height y0 at v0
// (components vy and v0 × cos) through the rim, `distance` ahead at
// `basketHeight`, after `travel`; the top of the arc after `up`, when the
// ball reaches it before the rim.
Figure basketball_figure(Extended y0, Real v0, Real vy, Real cos, Real g, Real up, Real travel, double basketHeight,
                         double distance);

// More launches, exercise 3: the ball thrown at the drawn angle (in degrees
// and radians, its sine) with v0, up to the top of its arc at the rim.
Figure drawn_angle_figure(Real degrees, Real radians, Real sin, Real v0, Real g);

// More launches, exercise 4: the kicked ball's path over level ground.
Figure kicked_ball_figure(Real v0, Real radians, Real vy, Real g, Real hmax, Real time, Real range);

} // namespace tavek
