#include "kit/core/quick_si.h"

#include "kit/core/classroom.h"

namespace tavek {

double speed_factor(SpeedUnit unit)
{
    switch (unit) {
    case SpeedUnit::Kmh: return classroom::kmhToMs;
    case SpeedUnit::Mih: return classroom::mihToMs;
    case SpeedUnit::Cms: return classroom::cmsToMs;
    }
    return 1.0;
}

std::string_view speed_suffix(SpeedUnit unit)
{
    switch (unit) {
    case SpeedUnit::Kmh: return " km/h -> m/s";
    case SpeedUnit::Mih: return " mi/h -> m/s";
    case SpeedUnit::Cms: return " cm/s -> m/s";
    }
    return "";
}

Outcome convert_speed(bool ticked, const std::string& cellText, SpeedUnit unit,
                      const std::string& cell, const std::string& note)
{
    if (!ticked)
        return {};
    return calculate([&](Outcome& out) {
        const Cells cells{{cell, cellText}};
        CellReader read(cells, out);
        const Real v = read(cell);
        if (!read.ok())
            return;
        const Real si = v * speed_factor(unit);
        out.write(note, cellText + std::string(speed_suffix(unit)));
        out.write(cell, answer_text("", si, 4, 4, ""));
    });
}

} // namespace tavek
