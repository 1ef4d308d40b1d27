#pragma once
// Calculators of this topic: pure functions from cell texts to an outcome.
#include "kit/core/outcome.h"

namespace tavek {

class RandomDraw;

// Launches window, exercise 1: a missile released from an aircraft flying
// horizontally. Reads the speed `Edit1` and the height `Edit2`; writes the
// time of flight to `Label8` and the distance covered to `Label10`.
Outcome dropped_missile(const Cells& cells);

// Launches window, exercise 2: a basketball player's jump to the basket.
// Reads the athlete's height `Edit3`; writes the launch speed to `Label16`,
// the rise time to `Label17` and the travel time to `Label18`.
Outcome basketball_jump(const Cells& cells);

// More launch exercises, exercise 3: draws a new launch angle (26 .. 88
// degrees) from the program-wide draw into `angle`, writes it to `Label10`
// and shows the button that computes its speed.
Outcome draw_launch_angle(RandomDraw& random, Real& angle);

// More launch exercises, exercise 3: the launch speed for the drawn angle
// (in degrees), written to `Label8`.
Outcome drawn_angle_speed(Real angle);

// More launch exercises, exercise 4: a kicked ball. Reads the speed `Edit1`
// and the angle in degrees `Edit2`; writes the maximum height to `Label12`,
// the time of flight to `Label17` and the range to `Label16`.
Outcome kicked_ball(const Cells& cells);

} // namespace tavek
