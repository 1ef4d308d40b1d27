#pragma once
// The calculators of the launches windows (Form4, Form5); their records, in
// exercises.cpp, name their cells and answers.
namespace tavek {

class Run;

// Launches window, exercise 1: a missile released from an aircraft flying
// horizontally.
void dropped_missile(Run& run);

// Launches window, exercise 2: a basketball player's jump to the basket.
void basketball_jump(Run& run);

// More launch exercises, exercise 3: draws a new launch angle (26 .. 88
// degrees), shows it and the button that computes its speed.
void draw_launch_angle(Run& run);

// More launch exercises, exercise 3: the launch speed for the angle drawn last.
void drawn_angle_speed(Run& run);

// More launch exercises, exercise 4: a kicked ball.
void kicked_ball(Run& run);

} // namespace tavek
