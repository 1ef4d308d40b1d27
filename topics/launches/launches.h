#pragma once
// Calculators of this topic: pure functions from cell texts to an outcome.
#include "kit/outcome.h"

namespace tavek {

} // namespace tavek
