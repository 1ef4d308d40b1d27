#pragma once
// Calculators of this topic: pure functions from cell texts to an outcome.
#include <span>

#include "kit/core/outcome.h"

namespace tavek {

// One button of the unit conversion window: which cell it reads, which cell it
// fills and how the value becomes SI. Millimetres and centimetres divide by
// an exact 1000 or 100 rather than multiplying by 0.001 or 0.01, so that 1500 mm
// gives exactly 1.5 m; every other unit multiplies by its factor.
struct Conversion {
    enum class Op { Multiply, Divide };
    const char* button;
    const char* input;
    const char* result;
    const char* unit; // of the typed value, as its button names it
    Op op;
    double factor;
    const char* suffix;
    const char* remark = nullptr; // what the worked solution says of a classroom factor
};

// The sixteen conversions, in the window's button order.
std::span<const Conversion> conversions();
// The conversion behind a button, or nullptr.
const Conversion* conversion(std::string_view button);

inline constexpr std::string_view kNegativeConversion = "Valor para conversão negativo, favor ajuste o valor";

// Reads the group's input cell; a value of zero or more is converted and
// written W(x; 8, 8) with its unit into the result cell, a negative one is
// refused with a message and the focus back on the input cell.
Outcome convert(const Conversion& conversion, const Cells& cells);

} // namespace tavek
