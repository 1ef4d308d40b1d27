#include "topics/conversions/conversions.h"

namespace tavek {

} // namespace tavek
