#include "topics/rectilinear/rectilinear.h"

namespace tavek {

} // namespace tavek
