// The worked examples of a window, as rows of one check that its solution
// gives every shown answer: each topic's test instantiates WorkedSolution.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "kit/outcome.h"
#include "outcome_testing.h"

namespace outcome_testing {

struct Worked {
    const char* name;
    std::function<tavek::Outcome(const tavek::Cells&)> calculator;
    tavek::Cells cells;
};

class WorkedSolution : public testing::TestWithParam<Worked> {};

} // namespace outcome_testing
