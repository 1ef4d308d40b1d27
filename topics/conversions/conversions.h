#pragma once
// The unit conversion window's classroom factors and its calculator; the
// window's records, in exercises.cpp, name its buttons, cells and ranges.
#include <span>
#include <string_view>

namespace tavek {

class Run;

// How a unit becomes SI. Millimetres and centimetres divide by an exact 1000
// or 100 rather than multiplying by 0.001 or 0.01, so that 1500 mm gives
// exactly 1.5 m; every other unit multiplies by its factor.
struct Conversion {
    enum class Op { Multiply, Divide };
    const char* unit; // as its button names it
    Op op;
    double factor;
    const char* remark = nullptr; // what the worked solution says of a classroom factor
};

// The sixteen units, in the window's button order.
std::span<const Conversion> conversions();
// The conversion of a unit, or nullptr.
const Conversion* conversion(std::string_view unit);

inline constexpr std::string_view kNegativeConversion = "Valor para conversão negativo, favor ajuste o valor";

// Reads the value of the unit the pressed button names; a value of zero or
// more is converted and written into the group's result cell, a negative
// one is refused with a message and the focus back on the input cell.
void convert(Run& run);

} // namespace tavek
