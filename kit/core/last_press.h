#pragma once
// What the solution window shows of the last press of an exercise: its
// worked solution as rich text and its figure. Both are read from the
// press's outcome, so nothing here is worked out again.
#include <string>
#include <string_view>

#include "kit/core/figure.h"
#include "kit/core/markup.h"
#include "kit/core/outcome.h"

namespace tavek {

inline constexpr std::string_view kNothingYet = "Calcule o exercício para ver a resolução.";
inline constexpr std::string_view kNoAnswer = "Nenhuma resposta foi calculada.";

// The whole solution window's text for the last press of an exercise (none
// yet: nullptr). A refused press shows its messages and that nothing was
// computed; a fault shows where the working stopped. A key printed with a
// sheet writes the same solution on paper, with the decimal comma.
std::string solution_html(const Outcome* last, Notation notation = Notation::Screen);

// The formulas of a worked solution alone, without a number: a hint, as
// the solution window heads them.
std::string formulas_html(const Outcome& worked);

// The figure the solution window shows for the last press of an exercise:
// none before a press, after a refused one or after a fault.
const Figure* figure_of(const Outcome* last);

} // namespace tavek
