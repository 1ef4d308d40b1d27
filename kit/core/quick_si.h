#pragma once
// The quick conversion of a typed speed to m/s in place (menu "Conversão de
// velocidade para o SI"), as a calculator over the speed cell's text.
#include <string>
#include <string_view>

#include "kit/core/outcome.h"

namespace tavek {

enum class SpeedUnit { Kmh, Mih, Cms };

// The program's own factors: km/h uses 0.277, not 1/3.6.
double speed_factor(SpeedUnit unit);
// " km/h -> m/s", " mi/h -> m/s", " cm/s -> m/s": the km/h one in lower case
// even where the menu item reads "Km/h".
std::string_view speed_suffix(SpeedUnit unit);

// Nothing at all while the box is unticked. Otherwise the note receives the
// cell's text before the conversion and the suffix, then the cell receives the
// speed in m/s written W(x; 4, 4). A malformed cell converts nothing.
Outcome convert_speed(bool ticked, const std::string& cellText, SpeedUnit unit,
                      const std::string& cell, const std::string& note);

} // namespace tavek
