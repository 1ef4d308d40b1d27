#include "topics/conversions/conversions.h"

#include <array>

namespace tavek {

namespace {

using Op = Conversion::Op;

// The mile is 1609 m and the year 31 560 000 s on purpose: these are the
// rounded figures the students use in class.
constexpr std::array<Conversion, 16> kConversions{{
    {"Button1", "Edit1", "Edit2", Op::Divide, 1000.0, " m"},          // mm
    {"Button2", "Edit1", "Edit2", Op::Divide, 100.0, " m"},           // cm
    {"Button3", "Edit1", "Edit2", Op::Multiply, 0.9144, " m"},        // yd
    {"Button4", "Edit1", "Edit2", Op::Multiply, 0.3048, " m"},        // ft
    {"Button5", "Edit1", "Edit2", Op::Multiply, 1000.0, " m"},        // km
    {"Button11", "Edit1", "Edit2", Op::Multiply, 0.0254, " m"},       // in
    {"Button12", "Edit1", "Edit2", Op::Multiply, 1609.0, " m"},       // mi
    {"Button7", "Edit3", "Edit4", Op::Multiply, 3600.0, " s"},        // h
    {"Button8", "Edit3", "Edit4", Op::Multiply, 60.0, " s"},          // min
    {"Button9", "Edit3", "Edit4", Op::Multiply, 86400.0, " s"},       // dia
    {"Button10", "Edit3", "Edit4", Op::Multiply, 31560000.0, " s"},   // ano
    {"Button14", "Edit5", "Edit6", Op::Multiply, 0.001, " kg"},       // g
    {"Button15", "Edit5", "Edit6", Op::Multiply, 0.02835, " kg"},     // oz
    {"Button16", "Edit5", "Edit6", Op::Multiply, 14.5939, " kg"},     // slug
    {"Button17", "Edit5", "Edit6", Op::Multiply, 907.18474, " kg"},   // ton
    {"Button18", "Edit5", "Edit6", Op::Multiply, 0.45359237, " kg"},  // lb
}};

} // namespace

std::span<const Conversion> conversions() { return kConversions; }

const Conversion* conversion(std::string_view button)
{
    for (const Conversion& c : kConversions)
        if (button == c.button)
            return &c;
    return nullptr;
}

Outcome convert(const Conversion& conversion, const Cells& cells)
{
    return calculate([&](Outcome& out) {
        CellReader read(cells, out);
        const Real x = read(conversion.input);
        if (!read.ok())
            return;
        if (x < 0) {
            out.message(std::string(kNegativeConversion), conversion.input);
            return;
        }
        const Real factor(conversion.factor);
        const Real r = conversion.op == Op::Divide ? x / factor : x * factor;
        out.write(conversion.result, answer("", r, 8, 8, conversion.suffix));
    });
}

} // namespace tavek
