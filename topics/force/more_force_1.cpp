#include "topics/force/more_force_1.h"

namespace tavek {

} // namespace tavek
