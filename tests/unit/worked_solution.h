// The worked examples of a window, as rows of one check that its solution
// gives every shown answer: each topic's test instantiates WorkedSolution.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "kit/core/outcome.h"
#include "outcome_testing.h"

namespace outcome_testing {

struct Worked {
    const char* name;
    std::function<tavek::Outcome(const tavek::Cells&)> calculator;
    tavek::Cells cells;
};

class WorkedSolution : public testing::TestWithParam<Worked> {};

// One of the solution's substitution lines reads exactly `line` as plain text.
inline testing::AssertionResult substitutes(const tavek::Outcome& out, const std::string& line)
{
    std::string all;
    for (const tavek::Line& l : out.solution.substitutions) {
        if (tavek::to_plain(l) == line)
            return testing::AssertionSuccess();
        all += tavek::to_plain(l) + "\n";
    }
    return testing::AssertionFailure() << "no line \"" << line << "\" among\n" << all;
}

} // namespace outcome_testing
