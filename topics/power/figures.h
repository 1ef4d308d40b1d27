#pragma once
// The figures of the power windows, from the values their calculators worked
// out (numbers written as each exercise writes its answers).
#include <vector>

#include "kit/core/figure.h"
#include "kit/core/real.h"

namespace tavek {

struct Outcome;

// Each exercise's figure from the values its press worked out.
Figure elevator_figure(const Outcome& out);
Figure incline_power_figure(const Outcome& out);
Figure power_table_figure(const Outcome& out);

// Each exercise's sketch beside its statement, drawn for its own numbers and
// marked with the values the statement gives, none it asks for.
Figure incline_power_statement_figure(const Outcome& out);
Figure power_table_statement_figure(const Outcome& out);


// Form10 exercise 1: the elevator lifted at constant speed by its cable.
Figure elevator_figure(Real weight);

// Form10 exercise 2: the block pulled up the plane at constant speed; px is
// the weight's component across the plane and py the one along it, as this
// exercise names them.
Figure incline_power_figure(Real degrees, Real px, Real py, Real friction);

// Form11: the power of each second of the list, `powers[i]` that of second
// i + 1.
Figure power_table_figure(const std::vector<double>& powers);

} // namespace tavek
