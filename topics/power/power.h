#pragma once
// The calculators of the power window (Form10); their records, in
// exercises.cpp, name their cells and answers.
namespace tavek {

class Run;

// Exercise 1: the average power of the cable lifting an elevator at constant speed.
void elevator_power(Run& run);

// Exercise 2: the power of a device pulling a block up an incline with
// friction, at constant speed.
void incline_power(Run& run);

} // namespace tavek
