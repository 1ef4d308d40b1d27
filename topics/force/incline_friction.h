#pragma once
// The calculators of the third window of further force exercises (Form9);
// their records, in exercises.cpp, name their cells and answers.
namespace tavek {

class Run;

// What the system of exercise 6 does, as the window says it.
inline constexpr const char* kRoughRest = "O atrito impede o movimento - Sistema em repouso";
inline constexpr const char* kRoughRight = "|PB > PA | - Sistema se move da esquerda para direita";
inline constexpr const char* kRoughLeft = "|PA > PB | - Sistema se move da direita para esquerda";

// Exercise 6: block A on an incline with kinetic friction, tied over a pulley
// to a hanging block B.
void rough_incline(Run& run);

// Exercise 7: the same system pulling A from rest up the whole plane of base
// length CA.
void rough_incline_work(Run& run);

} // namespace tavek
