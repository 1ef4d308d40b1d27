#include "topics/conversions/conversions.h"

#include <array>
#include <string>

#include "kit/core/worked_number.h"

namespace tavek {

namespace {

using Op = Conversion::Op;

// The mile is 1609 m and the year 31 560 000 s on purpose: these are the
// rounded figures the students use in class.
constexpr std::array<Conversion, 16> kConversions{{
    {"Button1", "Edit1", "Edit2", "mm", Op::Divide, 1000.0, " m"},
    {"Button2", "Edit1", "Edit2", "cm", Op::Divide, 100.0, " m"},
    {"Button3", "Edit1", "Edit2", "yd", Op::Multiply, 0.9144, " m"},
    {"Button4", "Edit1", "Edit2", "ft", Op::Multiply, 0.3048, " m"},
    {"Button5", "Edit1", "Edit2", "km", Op::Multiply, 1000.0, " m"},
    {"Button11", "Edit1", "Edit2", "in", Op::Multiply, 0.0254, " m"},
    {"Button12", "Edit1", "Edit2", "mi", Op::Multiply, 1609.0, " m",
     "A milha é tomada como 1609 m; a milha internacional mede 1609.344 m."},
    {"Button7", "Edit3", "Edit4", "h", Op::Multiply, 3600.0, " s"},
    {"Button8", "Edit3", "Edit4", "min", Op::Multiply, 60.0, " s"},
    {"Button9", "Edit3", "Edit4", "dia", Op::Multiply, 86400.0, " s"},
    {"Button10", "Edit3", "Edit4", "ano", Op::Multiply, 31560000.0, " s"},
    {"Button14", "Edit5", "Edit6", "g", Op::Multiply, 0.001, " kg"},
    {"Button15", "Edit5", "Edit6", "oz", Op::Multiply, 0.02835, " kg"},
    {"Button16", "Edit5", "Edit6", "slug", Op::Multiply, 14.5939, " kg"},
    {"Button17", "Edit5", "Edit6", "ton", Op::Multiply, 907.18474, " kg",
     "A tonelada daqui é a tonelada curta americana, 907.18474 kg; a tonelada métrica tem 1000 kg."},
    {"Button18", "Edit5", "Edit6", "lb", Op::Multiply, 0.45359237, " kg"},
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
        Working w(out.solution, 8, 8);
        w.given("x", "x", x, conversion.unit);
        const Real factor(conversion.factor);
        const std::string by = (conversion.op == Op::Divide ? " ÷ " : " × ") + given_text(conversion.factor);
        const std::string_view si = std::string_view(conversion.suffix).substr(1); // the answer's unit, unpadded
        const Real r = w.step("SI", "x_{SI}", "@x" + by, conversion.op == Op::Divide ? x / factor : x * factor, si);
        if (conversion.remark)
            w.remark(conversion.remark);
        w.shows("SI", conversion.result);
        out.write(conversion.result, answer("", r, 8, 8, conversion.suffix));
    });
}

} // namespace tavek
