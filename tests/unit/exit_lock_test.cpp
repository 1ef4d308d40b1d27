#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/exit_lock.h"

namespace {

// What the teacher does before confirming at the exit lock.
struct Step {
    enum Kind { Open, OpenSwitched, Change } kind;
    std::string text;
};

struct Row {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> accepted;
    std::vector<std::string> refused;
};

const Step kOpen{Step::Open, {}};
const Step kOpenSwitched{Step::OpenSwitched, {}};
Step change(std::string t) { return {Step::Change, std::move(t)}; }

// clang-format off
const Row kRows[] = {
    {"from_start", {}, {"zorp"}, {"", "ZORP", "zorp ", " zorp", "Zorp", "zor"}},
    {"after_fechar", {kOpen}, {"zorp"}, {"", "ZORP", "zorp "}},
    // the switch turned on before "Fechar TAVEK" was ever chosen: still the default
    {"switch_before_any_fechar", {kOpenSwitched}, {"zorp"}, {""}},
    {"new_password", {change("prof"), kOpenSwitched}, {"prof"}, {"zorp", "Prof", ""}},
    {"new_password_of_one_blank", {change(" "), kOpenSwitched}, {" "}, {"", "zorp"}},
    {"empty_new_password_refused", {change(""), kOpenSwitched}, {"zorp"}, {""}},
    {"last_change_wins", {change("um"), change("dois"), kOpenSwitched}, {"dois"}, {"um", "zorp"}},
    // a changed password survives every later opening once the switch is on
    {"change_kept_across_openings", {kOpen, change("novo"), kOpenSwitched, kOpenSwitched}, {"novo"}, {"zorp"}},
    // without the switch, "Fechar TAVEK" puts the default back
    {"fechar_without_switch_restores_default", {change("novo"), kOpen}, {"zorp"}, {"novo"}},
};
// clang-format on

} // namespace

TEST(ExitLock, WhichPasswordIsExpected)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        tavek::ExitLock lock;
        for (const Step& s : row.steps) {
            switch (s.kind) {
            case Step::Open: lock.open(false); break;
            case Step::OpenSwitched: lock.open(true); break;
            case Step::Change: EXPECT_EQ(lock.change(s.text), !s.text.empty()); break;
            }
        }
        for (const std::string& typed : row.accepted)
            EXPECT_TRUE(lock.accepts(typed)) << '"' << typed << '"';
        for (const std::string& typed : row.refused)
            EXPECT_FALSE(lock.accepts(typed)) << '"' << typed << '"';
    }
}
