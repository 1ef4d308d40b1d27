#pragma once
// The calculators of the second window of further force exercises (Form8);
// their records, in exercises.cpp, name their cells and answers.
namespace tavek {

class Run;

// Which way the system of exercise 5 moves, as the window says it.
inline constexpr const char* kSmoothBalance = "|PA = PB | - Sistema em equilíbrio";
inline constexpr const char* kSmoothRight = "|PB > PA | - Sistema se move da esquerda para direita";
inline constexpr const char* kSmoothLeft = "|PA > PB | - Sistema se move da direita para esquerda";

// Exercise 5: block A on a smooth incline tied over a pulley to a hanging
// block B.
void smooth_incline(Run& run);

// Exercise 6: block held against a wall by static friction.
void block_on_wall(Run& run);

} // namespace tavek
