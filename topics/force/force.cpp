#include "topics/force/force.h"

namespace tavek {

} // namespace tavek
