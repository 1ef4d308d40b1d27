#include "topics/power/power.h"

namespace tavek {

} // namespace tavek
