#include "topics/force/more_force_2.h"

namespace tavek {

} // namespace tavek
