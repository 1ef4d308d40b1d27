#pragma once
// The calculator of the more power exercises window (Form11); its record, in
// exercises.cpp, names its cells and its list.
namespace tavek {

class Run;

// Exercise 3: a force at an angle pulls a block at constant speed; for each
// whole second from 1 s to T, a line of the work done since the start and
// the average power, in watts and in horsepower.
void power_table(Run& run);

} // namespace tavek
