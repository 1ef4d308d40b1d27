#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/exit_lock.h"

namespace {

// What the teacher does before confirming at the exit lock. A change gives
// the current password, then the new one.
struct Step {
    enum Kind { Open, OpenSwitched, Change } kind;
    std::string current;
    std::string text;
};

struct Row {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> accepted;
    std::vector<std::string> refused;
};

const Step kOpen{Step::Open, {}, {}};
const Step kOpenSwitched{Step::OpenSwitched, {}, {}};
Step change(std::string current, std::string t) { return {Step::Change, std::move(current), std::move(t)}; }

// clang-format off
const Row kRows[] = {
    {"from_start", {}, {"zorp"}, {"", "ZORP", "zorp ", " zorp", "Zorp", "zor"}},
    {"after_fechar", {kOpen}, {"zorp"}, {"", "ZORP", "zorp "}},
    // the switch turned on before "Fechar TAVEK" was ever chosen: still the default
    {"switch_before_any_fechar", {kOpenSwitched}, {"zorp"}, {""}},
    {"new_password", {change("zorp", "prof"), kOpenSwitched}, {"prof"}, {"zorp", "Prof", ""}},
    {"new_password_of_one_blank", {change("zorp", " "), kOpenSwitched}, {" "}, {"", "zorp"}},
    {"empty_new_password_refused", {change("zorp", ""), kOpenSwitched}, {"zorp"}, {""}},
    {"last_change_wins", {change("zorp", "um"), change("um", "dois"), kOpenSwitched}, {"dois"}, {"um", "zorp"}},
    // a changed password survives every later opening once the switch is on
    {"change_kept_across_openings", {kOpen, change("zorp", "novo"), kOpenSwitched, kOpenSwitched}, {"novo"}, {"zorp"}},
    // without the switch, "Fechar TAVEK" puts the default back
    {"fechar_without_switch_restores_default", {change("zorp", "novo"), kOpen}, {"zorp"}, {"novo"}},
    // who does not know the current password changes nothing
    {"wrong_current_password", {change("ZORP", "aluno"), kOpenSwitched}, {"zorp"}, {"aluno", "ZORP"}},
    {"empty_current_password", {change("", "aluno"), kOpenSwitched}, {"zorp"}, {"aluno", ""}},
    {"old_password_after_a_change", {change("zorp", "um"), change("zorp", "aluno")}, {"um"}, {"aluno", "zorp"}},
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
            case Step::Change:
                lock.confirmChange(s.current);
                lock.confirmChange(s.text);
                lock.restartChange(); // the panel hidden, as every change ends
                break;
            }
        }
        for (const std::string& typed : row.accepted)
            EXPECT_TRUE(lock.accepts(typed)) << '"' << typed << '"';
        for (const std::string& typed : row.refused)
            EXPECT_FALSE(lock.accepts(typed)) << '"' << typed << '"';
    }
}

// The change panel press by press: what each "Confirmar Alteração" shows,
// whether the panel closes, and what the entry asks for next.
TEST(ExitLock, ChangeAsksForTheCurrentPasswordFirst)
{
    using tavek::ChangeStep;
    const ChangeStep stays{};
    const ChangeStep wrong{tavek::kExitRefused, true};
    const ChangeStep empty{tavek::kEmptyNewPassword, false};
    const ChangeStep changed{{}, true};
    const std::string_view current = tavek::kAskCurrentPassword;
    const std::string_view next = tavek::kAskNewPassword;
    struct Press {
        std::string entry; // "<hide>": the panel hidden, "<fechar>": the exit lock opened, instead of a press
        ChangeStep shown;
        std::string_view promptAfter;
    };
    const struct {
        const char* name;
        std::vector<Press> presses;
        std::string expected;
    } rows[] = {
        {"right_then_new", {{"zorp", stays, next}, {"prof", changed, current}}, "prof"},
        {"wrong_current_closes", {{"zorp ", wrong, current}, {"prof", wrong, current}}, "zorp"},
        {"empty_current_is_wrong", {{"", wrong, current}}, "zorp"},
        {"empty_new_asks_again", {{"zorp", stays, next}, {"", empty, next}, {"p", changed, current}}, "p"},
        // the new password is never taken for the current one
        {"new_step_takes_any_text", {{"zorp", stays, next}, {"zorp", changed, current}}, "zorp"},
        {"hidden_panel_starts_over", {{"zorp", stays, next}, {"<hide>", stays, current}, {"aluno", wrong, current}},
         "zorp"},
        {"opened_exit_lock_starts_over", {{"zorp", stays, next}, {"<fechar>", stays, current}, {"aluno", wrong, current}},
         "zorp"},
        {"second_change_needs_the_first", {{"zorp", stays, next}, {"um", changed, current}, {"zorp", wrong, current},
                                           {"um", stays, next}, {"dois", changed, current}},
         "dois"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        tavek::ExitLock lock;
        EXPECT_EQ(lock.changePrompt(), current);
        for (const Press& p : row.presses) {
            SCOPED_TRACE(p.entry);
            if (p.entry == "<hide>")
                lock.restartChange();
            else if (p.entry == "<fechar>")
                lock.open(true);
            else
                EXPECT_EQ(lock.confirmChange(p.entry), p.shown);
            EXPECT_EQ(lock.changePrompt(), p.promptAfter);
            EXPECT_EQ(lock.changeAccepted(), p.promptAfter == next);
        }
        EXPECT_TRUE(lock.accepts(row.expected));
    }
}
