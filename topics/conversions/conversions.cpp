#include "topics/conversions/conversions.h"

#include <array>
#include <string>

#include "kit/core/run.h"
#include "kit/core/worked_number.h"

namespace tavek {

namespace {

using Op = Conversion::Op;

// The mile is 1609 m and the year 31 560 000 s on purpose: these are the
// rounded figures the students use in class.
constexpr std::array<Conversion, 16> kConversions{{
    {"mm", Op::Divide, 1000.0},
    {"cm", Op::Divide, 100.0},
    {"yd", Op::Multiply, 0.9144},
    {"ft", Op::Multiply, 0.3048},
    {"km", Op::Multiply, 1000.0},
    {"in", Op::Multiply, 0.0254},
    {"mi", Op::Multiply, 1609.0, "A milha é tomada como 1609 m; a milha internacional mede 1609.344 m."},
    {"h", Op::Multiply, 3600.0},
    {"min", Op::Multiply, 60.0},
    {"dia", Op::Multiply, 86400.0},
    {"ano", Op::Multiply, 31560000.0},
    {"g", Op::Multiply, 0.001},
    {"oz", Op::Multiply, 0.02835},
    {"slug", Op::Multiply, 14.5939},
    {"ton", Op::Multiply, 907.18474,
     "A tonelada daqui é a tonelada curta americana, 907.18474 kg; a tonelada métrica tem 1000 kg."},
    {"lb", Op::Multiply, 0.45359237},
}};

} // namespace

std::span<const Conversion> conversions() { return kConversions; }

const Conversion* conversion(std::string_view unit)
{
    for (const Conversion& c : kConversions)
        if (unit == c.unit)
            return &c;
    return nullptr;
}

void convert(Run& r)
{
    const char* unit = r.press().converts;
    const Conversion& conversion = *tavek::conversion(unit);
    const Real x = r.read(unit);
    if (!r.ok())
        return;
    if (x < 0) {
        r.refuse(unit, std::string(kNegativeConversion));
        return;
    }
    Working& w = r.work(8, 8);
    w.given(unit, x);
    const Real factor(conversion.factor);
    const std::string by = (conversion.op == Op::Divide ? " ÷ " : " × ") + given_text(conversion.factor);
    w.step("SI", "@" + std::string(unit) + by, conversion.op == Op::Divide ? x / factor : x * factor);
    if (conversion.remark)
        w.remark(conversion.remark);
    r.write({"SI"});
}

} // namespace tavek
