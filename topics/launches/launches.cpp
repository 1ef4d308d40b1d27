#include "topics/launches/launches.h"

namespace tavek {

} // namespace tavek
