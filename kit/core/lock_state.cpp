#include "kit/core/lock_state.h"

namespace tavek {

namespace {

constexpr std::string_view kDisabling = "FALSO";
constexpr std::string_view kEnabling = "OK";
constexpr std::string_view kDisabledMark = "2";

int index(LockControl c) { return static_cast<int>(c); }

// The box for an empty password, the focus back in the cell left empty.
LockEffects emptyRefused(LockFocus cell)
{
    LockEffects fx;
    fx.message = std::string(kEmptyPassword);
    fx.focus = cell;
    return fx;
}

} // namespace

std::string_view phase_name(LockPhase phase)
{
    switch (phase) {
    case LockPhase::Open: return "Open";
    case LockPhase::Creating: return "Creating";
    case LockPhase::ConfirmingLock: return "ConfirmingLock";
    case LockPhase::Locked: return "Locked";
    case LockPhase::ConfirmingUnlock: return "ConfirmingUnlock";
    case LockPhase::OpenAgain: return "OpenAgain";
    }
    return "?";
}

void LockState::show(LockEffects& fx, LockControl c)
{
    shown_[index(c)] = true;
    fx.shown.push_back(c);
}

void LockState::hide(LockEffects& fx, LockControl c)
{
    shown_[index(c)] = false;
    fx.hidden.push_back(c);
}

bool LockState::shown(LockControl control) const { return shown_[index(control)]; }

LockEffects LockState::disable()
{
    LockEffects fx;
    if (!mark_.empty()) {
        fx.message = std::string(kAlreadyDisabled);
        return fx;
    }
    show(fx, LockControl::Edit14);
    show(fx, LockControl::Button7);
    mark_ = std::string(kDisabledMark); // a temporary: GCC 12 -O3 misreads the direct assignment as overlapping
    mode_ = kDisabling;
    fx.focus = LockFocus::Edit14;
    return fx;
}

LockEffects LockState::reenable()
{
    LockEffects fx;
    if (mark_ != kDisabledMark) {
        fx.message = std::string(kAlreadyEnabled);
        return fx;
    }
    // Edit14 and Button7 stay as they are: a password may still be created
    // and then confirmed for the re-enabling.
    show(fx, LockControl::Edit15);
    show(fx, LockControl::Button8);
    mode_ = kEnabling;
    fx.focus = LockFocus::Edit15;
    return fx;
}

LockEffects LockState::create(std::string_view edit14)
{
    if (edit14.empty())
        return emptyRefused(LockFocus::Edit14);
    LockEffects fx;
    created_ = std::string(edit14);
    fx.emptied.push_back(LockControl::Edit14);
    hide(fx, LockControl::Edit14);
    hide(fx, LockControl::Button7);
    show(fx, LockControl::Edit15);
    show(fx, LockControl::Button8);
    fx.focus = LockFocus::Edit15;
    return fx;
}

LockEffects LockState::retype(std::string_view edit15)
{
    if (edit15.empty())
        return emptyRefused(LockFocus::Edit15);
    LockEffects fx;
    retyped_ = std::string(edit15);
    fx.emptied.push_back(LockControl::Edit15);
    if (retyped_ != created_) {
        fx.message = std::string(kWrongPassword);
        fx.focus = LockFocus::Edit15;
        return fx;
    }
    hide(fx, LockControl::Edit15);
    hide(fx, LockControl::Button8);
    if (mode_ == kEnabling) {
        // A disable request abandoned before "Crie senha" leaves Edit14 and
        // Button7 standing; once the answers are readable again nothing of
        // the lock should stay on screen.
        if (shown(LockControl::Edit14)) {
            fx.emptied.push_back(LockControl::Edit14); // what was typed there goes with it
            hide(fx, LockControl::Edit14);
        }
        if (shown(LockControl::Button7))
            hide(fx, LockControl::Button7);
        mark_.clear();
        answersLocked_ = false;
        fx.answers = AnswerPaint::Readable;
    } else {
        answersLocked_ = true;
        fx.answers = AnswerPaint::Locked;
    }
    fx.focus = LockFocus::FirstCell;
    return fx;
}

bool LockState::mayReveal() const
{
    const LockPhase now = phase();
    return now != LockPhase::Locked && now != LockPhase::ConfirmingUnlock;
}

std::optional<std::string> LockState::reveal() const
{
    if (created_.empty() || !mayReveal())
        return std::nullopt;
    return std::string(kRevealPrefix) + created_;
}

LockPhase LockState::phase() const
{
    if (mark_.empty())
        return mode_.empty() ? LockPhase::Open : LockPhase::OpenAgain;
    if (mode_ == kEnabling)
        return LockPhase::ConfirmingUnlock;
    if (shown(LockControl::Edit14))
        return LockPhase::Creating;
    if (shown(LockControl::Edit15))
        return LockPhase::ConfirmingLock;
    return LockPhase::Locked;
}

} // namespace tavek
