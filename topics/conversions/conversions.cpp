#include "topics/conversions/conversions.h"

#include <string>

#include "kit/core/run.h"
#include "kit/core/units.h"
#include "kit/core/worked_number.h"

namespace tavek {

void convert(Run& r)
{
    const char* name = r.press().converts;
    const Unit& unit = *unit_named(name);
    const Real x = r.read(name);
    if (!r.ok())
        return;
    if (x < 0) {
        r.refuse(name, std::string(kNegativeConversion));
        return;
    }
    Working& w = r.work(8, 8);
    w.given(name, x);
    const Real factor(unit.factor);
    // Appended piece by piece: GCC 12 at -O3 takes a chain of + here for an
    // overlapping copy (a false -Wrestrict).
    std::string formula = "@";
    formula += name;
    formula += unit.op == Unit::Op::Divide ? " ÷ " : " × ";
    formula += given_text(unit.factor);
    w.step("SI", formula, unit.op == Unit::Op::Divide ? x / factor : x * factor);
    if (unit.remark)
        w.remark(unit.remark);
    r.write({"SI"});
}

} // namespace tavek
