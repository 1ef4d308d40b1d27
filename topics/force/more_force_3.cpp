#include "topics/force/more_force_3.h"

namespace tavek {

} // namespace tavek
