#include "topics/power/more_power.h"

namespace tavek {

} // namespace tavek
