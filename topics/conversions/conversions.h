#pragma once
// The unit conversion window's calculator; the window's records, in
// exercises.cpp, name its buttons, cells and ranges, and the classroom's
// factors are the units' (kit/core/units.h).
#include <string_view>

namespace tavek {

class Run;

inline constexpr std::string_view kNegativeConversion = "Valor para conversão negativo, favor ajuste o valor";

// Reads the value of the unit the pressed button names; a value of zero or
// more is converted and written into the group's result cell, a negative
// one is refused with a message and the focus back on the input cell.
void convert(Run& run);

} // namespace tavek
