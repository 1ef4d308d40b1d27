#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kit/core/lock_state.h"

using tavek::AnswerPaint;
using tavek::LockControl;
using tavek::LockEffects;
using tavek::LockFocus;
using tavek::LockPhase;
using tavek::LockState;

namespace {

// One teacher action on the lock.
struct Step {
    enum Kind { Disable, Reenable, Create, Retype } kind;
    std::string text; // Edit14 or Edit15 for Create and Retype
};

LockEffects run(LockState& s, const Step& step)
{
    switch (step.kind) {
    case Step::Disable: return s.disable();
    case Step::Reenable: return s.reenable();
    case Step::Create: return s.create(step.text);
    case Step::Retype: return s.retype(step.text);
    }
    return {};
}

const Step kDisable{Step::Disable, {}};
const Step kReenable{Step::Reenable, {}};
Step create(std::string t) { return {Step::Create, std::move(t)}; }
Step retype(std::string t) { return {Step::Retype, std::move(t)}; }

// Ways to reach each state of the lock from a fresh window.
using Route = std::vector<Step>;
const Route kOpen{};
const Route kCreating{kDisable};
const Route kConfirmingLock{kDisable, create("abc")};
const Route kLocked{kDisable, create("abc"), retype("abc")};
const Route kUnlockingLocked{kDisable, create("abc"), retype("abc"), kReenable};
const Route kUnlockingWhileCreating{kDisable, kReenable};
const Route kUnlockingWhileConfirming{kDisable, create("abc"), kReenable};
const Route kOpenAgain{kDisable, create("abc"), retype("abc"), kReenable, retype("abc")};
// A second disable request after an earlier lock, abandoned before "Crie senha".
const Route kAbandonedAfterLock{kDisable, create("abc"), retype("abc"), kReenable, retype("abc"), kDisable, kReenable};
// An empty password refused, then a real one created.
const Route kEmptyRefusedThenCreated{kDisable, create(""), create("abc")};

using Controls = std::vector<LockControl>;
constexpr auto E14 = LockControl::Edit14;
constexpr auto B7 = LockControl::Button7;
constexpr auto E15 = LockControl::Edit15;
constexpr auto B8 = LockControl::Button8;

struct Row {
    const char* name;
    Route from;
    LockPhase fromPhase;
    Step event;
    // expected effects
    std::optional<std::string> message;
    Controls emptied;
    Controls hidden;
    Controls shown;
    AnswerPaint answers;
    LockFocus focus;
    // expected state afterwards
    LockPhase to;
    std::string mode;
    std::string mark;
    std::string created;
    Controls onScreen;
    bool answersLocked;
};

const std::string kAlready = "Cédulas Já Desabilitadas";
const std::string kNotYet = "Cédulas Já Abilitadas";
const std::string kWrong = "Senha Incorreta";
const std::string kEmpty = "Cédula vazia. Ajuste Senha";

// clang-format off
const Row kTransitions[] = {
    // disable request
    {"open_disable", kOpen, LockPhase::Open, kDisable,
     {}, {}, {}, {E14, B7}, AnswerPaint::Unchanged, LockFocus::Edit14,
     LockPhase::Creating, "FALSO", "2", "", {E14, B7}, false},
    {"open_again_disable", kOpenAgain, LockPhase::OpenAgain, kDisable,
     {}, {}, {}, {E14, B7}, AnswerPaint::Unchanged, LockFocus::Edit14,
     LockPhase::Creating, "FALSO", "2", "abc", {E14, B7}, false},
    {"creating_disable", kCreating, LockPhase::Creating, kDisable,
     kAlready, {}, {}, {}, AnswerPaint::Unchanged, LockFocus::None,
     LockPhase::Creating, "FALSO", "2", "", {E14, B7}, false},
    {"confirming_lock_disable", kConfirmingLock, LockPhase::ConfirmingLock, kDisable,
     kAlready, {}, {}, {}, AnswerPaint::Unchanged, LockFocus::None,
     LockPhase::ConfirmingLock, "FALSO", "2", "abc", {E15, B8}, false},
    {"locked_disable", kLocked, LockPhase::Locked, kDisable,
     kAlready, {}, {}, {}, AnswerPaint::Unchanged, LockFocus::None,
     LockPhase::Locked, "FALSO", "2", "abc", {}, true},
    {"confirming_unlock_disable", kUnlockingLocked, LockPhase::ConfirmingUnlock, kDisable,
     kAlready, {}, {}, {}, AnswerPaint::Unchanged, LockFocus::None,
     LockPhase::ConfirmingUnlock, "OK", "2", "abc", {E15, B8}, true},

    // re-enable request
    {"open_reenable", kOpen, LockPhase::Open, kReenable,
     kNotYet, {}, {}, {}, AnswerPaint::Unchanged, LockFocus::None,
     LockPhase::Open, "", "", "", {}, false},
    {"open_again_reenable", kOpenAgain, LockPhase::OpenAgain, kReenable,
     kNotYet, {}, {}, {}, AnswerPaint::Unchanged, LockFocus::None,
     LockPhase::OpenAgain, "OK", "", "abc", {}, false},
    {"creating_reenable", kCreating, LockPhase::Creating, kReenable,
     {}, {}, {}, {E15, B8}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingUnlock, "OK", "2", "", {E14, B7, E15, B8}, false},
    {"confirming_lock_reenable", kConfirmingLock, LockPhase::ConfirmingLock, kReenable,
     {}, {}, {}, {E15, B8}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingUnlock, "OK", "2", "abc", {E15, B8}, false},
    {"locked_reenable", kLocked, LockPhase::Locked, kReenable,
     {}, {}, {}, {E15, B8}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingUnlock, "OK", "2", "abc", {E15, B8}, true},
    {"confirming_unlock_reenable", kUnlockingLocked, LockPhase::ConfirmingUnlock, kReenable,
     {}, {}, {}, {E15, B8}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingUnlock, "OK", "2", "abc", {E15, B8}, true},

    // "Crie senha"
    {"creating_create", kCreating, LockPhase::Creating, create("abc"),
     {}, {E14}, {E14, B7}, {E15, B8}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingLock, "FALSO", "2", "abc", {E15, B8}, false},
    // an empty password is refused: a lock anyone opens with Enter hides nothing
    {"creating_create_empty", kCreating, LockPhase::Creating, create(""),
     kEmpty, {}, {}, {}, AnswerPaint::Unchanged, LockFocus::Edit14,
     LockPhase::Creating, "FALSO", "2", "", {E14, B7}, false},
    {"confirming_unlock_with_edit14_create", kUnlockingWhileCreating, LockPhase::ConfirmingUnlock, create("new"),
     {}, {E14}, {E14, B7}, {E15, B8}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingUnlock, "OK", "2", "new", {E15, B8}, false},

    // "Redigite Senha", same password
    {"confirming_lock_retype", kConfirmingLock, LockPhase::ConfirmingLock, retype("abc"),
     {}, {E15}, {E15, B8}, {}, AnswerPaint::Locked, LockFocus::FirstCell,
     LockPhase::Locked, "FALSO", "2", "abc", {}, true},
    {"empty_refused_then_created_retype", kEmptyRefusedThenCreated, LockPhase::ConfirmingLock, retype("abc"),
     {}, {E15}, {E15, B8}, {}, AnswerPaint::Locked, LockFocus::FirstCell,
     LockPhase::Locked, "FALSO", "2", "abc", {}, true},
    {"confirming_unlock_retype", kUnlockingLocked, LockPhase::ConfirmingUnlock, retype("abc"),
     {}, {E15}, {E15, B8}, {}, AnswerPaint::Readable, LockFocus::FirstCell,
     LockPhase::OpenAgain, "OK", "", "abc", {}, false},
    {"re_enable_while_confirming_lock_retype", kUnlockingWhileConfirming, LockPhase::ConfirmingUnlock, retype("abc"),
     {}, {E15}, {E15, B8}, {}, AnswerPaint::Readable, LockFocus::FirstCell,
     LockPhase::OpenAgain, "OK", "", "abc", {}, false},
    // an abandoned disable request: the password never created is the empty
    // text, which is refused; "Crie senha", still on screen, gives one
    {"abandoned_first_request_retype_empty", kUnlockingWhileCreating, LockPhase::ConfirmingUnlock, retype(""),
     kEmpty, {}, {}, {}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingUnlock, "OK", "2", "", {E14, B7, E15, B8}, false},
    {"abandoned_first_request_created_retype", {kDisable, kReenable, create("new")}, LockPhase::ConfirmingUnlock,
     retype("new"),
     {}, {E15}, {E15, B8}, {}, AnswerPaint::Readable, LockFocus::FirstCell,
     LockPhase::OpenAgain, "OK", "", "new", {}, false},
    // ... or the one of an earlier lock; Edit14, left on screen, is emptied as it goes
    {"abandoned_later_request_retype_old", kAbandonedAfterLock, LockPhase::ConfirmingUnlock, retype("abc"),
     {}, {E15, E14}, {E15, B8, E14, B7}, {}, AnswerPaint::Readable, LockFocus::FirstCell,
     LockPhase::OpenAgain, "OK", "", "abc", {}, false},

    // "Redigite Senha", other password: Edit15 stays for another try
    {"confirming_lock_retype_capitals", kConfirmingLock, LockPhase::ConfirmingLock, retype("ABC"),
     kWrong, {E15}, {}, {}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingLock, "FALSO", "2", "abc", {E15, B8}, false},
    {"confirming_lock_retype_trailing_blank", kConfirmingLock, LockPhase::ConfirmingLock, retype("abc "),
     kWrong, {E15}, {}, {}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingLock, "FALSO", "2", "abc", {E15, B8}, false},
    {"confirming_lock_retype_empty", kConfirmingLock, LockPhase::ConfirmingLock, retype(""),
     kEmpty, {}, {}, {}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingLock, "FALSO", "2", "abc", {E15, B8}, false},
    {"confirming_unlock_retype_other", kUnlockingLocked, LockPhase::ConfirmingUnlock, retype("abd"),
     kWrong, {E15}, {}, {}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingUnlock, "OK", "2", "abc", {E15, B8}, true},
    {"abandoned_first_request_retype_text", kUnlockingWhileCreating, LockPhase::ConfirmingUnlock, retype("abc"),
     kWrong, {E15}, {}, {}, AnswerPaint::Unchanged, LockFocus::Edit15,
     LockPhase::ConfirmingUnlock, "OK", "2", "", {E14, B7, E15, B8}, false},
};
// clang-format on

Controls onScreen(const LockState& s)
{
    Controls r;
    for (LockControl c : {E14, B7, E15, B8})
        if (s.shown(c))
            r.push_back(c);
    return r;
}

} // namespace

TEST(LockState, TransitionTable)
{
    for (const Row& row : kTransitions) {
        SCOPED_TRACE(row.name);
        LockState s;
        for (const Step& step : row.from)
            run(s, step);
        ASSERT_EQ(tavek::phase_name(s.phase()), tavek::phase_name(row.fromPhase));

        const LockEffects fx = run(s, row.event);
        EXPECT_EQ(fx.message, row.message);
        EXPECT_EQ(fx.emptied, row.emptied);
        EXPECT_EQ(fx.hidden, row.hidden);
        EXPECT_EQ(fx.shown, row.shown);
        EXPECT_EQ(fx.answers, row.answers);
        EXPECT_EQ(fx.focus, row.focus);

        EXPECT_EQ(tavek::phase_name(s.phase()), tavek::phase_name(row.to));
        EXPECT_EQ(s.mode(), row.mode);
        EXPECT_EQ(s.mark(), row.mark);
        EXPECT_EQ(s.created(), row.created);
        EXPECT_EQ(onScreen(s), row.onScreen);
        EXPECT_EQ(s.answersLocked(), row.answersLocked);
        if (row.event.kind == Step::Retype && !row.message) {
            EXPECT_EQ(s.retyped(), row.event.text);
        }
    }
}

// The reveal shows the created password only while the answers are
// readable: never the password that would unlock them.
TEST(LockState, RevealShowsTheCreatedPasswordWhileAnswersAreReadable)
{
    const struct {
        const char* name;
        Route route;
        std::optional<std::string> text;
        bool mayShow;
    } rows[] = {
        {"fresh", kOpen, std::nullopt, true},
        {"creating", kCreating, std::nullopt, true},
        {"confirming", kConfirmingLock, "Senha : abc", true},
        {"locked", kLocked, std::nullopt, false},
        {"locked_after_wrong_retype", {kDisable, create("abc"), retype("abc"), kReenable, retype("x")}, std::nullopt,
         false},
        {"unlocking", kUnlockingLocked, std::nullopt, false},
        {"unlocking_while_confirming", kUnlockingWhileConfirming, std::nullopt, false},
        {"survives_re_enabling", kOpenAgain, "Senha : abc", true},
        {"creating_again", {kDisable, create("abc"), retype("abc"), kReenable, retype("abc"), kDisable},
         "Senha : abc", true},
        {"empty_password_refused", {kDisable, create(""), retype("")}, std::nullopt, true},
        {"replaced_by_next_create", {kDisable, create("abc"), retype("abc"), kReenable, retype("abc"), kDisable,
                                     create("nova senha")}, "Senha : nova senha", true},
        {"created_while_unlocking", {kDisable, kReenable, create("nova senha")}, std::nullopt, false},
        {"blank_password", {kDisable, create(" ")}, "Senha :  ", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LockState s;
        for (const Step& step : row.route)
            run(s, step);
        EXPECT_EQ(s.reveal(), row.text);
        EXPECT_EQ(s.mayReveal(), row.mayShow);
    }
}

// An empty Edit14 or Edit15 changes nothing of the lock in any state: the
// box, and the focus back in the empty cell.
TEST(LockState, EmptyPasswordIsRefusedEverywhere)
{
    const struct {
        const char* name;
        Route route;
    } rows[] = {
        {"open", kOpen},
        {"creating", kCreating},
        {"confirming_lock", kConfirmingLock},
        {"locked", kLocked},
        {"unlocking", kUnlockingLocked},
        {"unlocking_while_creating", kUnlockingWhileCreating},
        {"open_again", kOpenAgain},
        {"after_a_wrong_retype", {kDisable, create("abc"), retype("abd")}},
    };
    for (const auto& row : rows) {
        for (const Step& empty : {create(""), retype("")}) {
            SCOPED_TRACE(std::string(row.name) + (empty.kind == Step::Create ? " create" : " retype"));
            LockState s;
            for (const Step& step : row.route)
                run(s, step);
            const LockState before = s;
            const LockEffects fx = run(s, empty);
            LockEffects refused;
            refused.message = kEmpty;
            refused.focus = empty.kind == Step::Create ? LockFocus::Edit14 : LockFocus::Edit15;
            EXPECT_EQ(fx, refused);
            EXPECT_EQ(tavek::phase_name(s.phase()), tavek::phase_name(before.phase()));
            EXPECT_EQ(s.mode(), before.mode());
            EXPECT_EQ(s.mark(), before.mark());
            EXPECT_EQ(s.created(), before.created());
            EXPECT_EQ(s.retyped(), before.retyped());
            EXPECT_EQ(onScreen(s), onScreen(before));
            EXPECT_EQ(s.answersLocked(), before.answersLocked());
        }
    }
}
