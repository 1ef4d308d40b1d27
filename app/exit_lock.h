#pragma once
// The exit password of the main window. The program can only be ended from
// "Fechar TAVEK" by typing it; a teacher who knows it may replace it for the
// run.
#include <chrono>
#include <string>
#include <string_view>

#include "kit/core/lock_state.h"

namespace tavek {

inline constexpr std::string_view kDefaultExitPassword = "zorp";
inline constexpr std::string_view kFarewell = "Obrigado por Usar este Programa - Visite | www.tavek.example | ";
inline constexpr std::string_view kExitRefused = "Senha Incorreta";
inline constexpr std::string_view kEmptyNewPassword = kEmptyPassword;
// What the change panel's entry asks for.
inline constexpr std::string_view kAskCurrentPassword = "Senha atual:";
inline constexpr std::string_view kAskNewPassword = "Nova senha:";
// How long the change panel keeps an accepted current password without a key
// pressed in it: a teacher who walks away leaves nobody free to set a new one.
inline constexpr std::chrono::seconds kChangeIdle{60};

// What one "Confirmar Alteração" did, for the panel to show.
struct ChangeStep {
    std::string_view message; // a box to show first; empty: none
    bool panelCloses = false; // and the next change starts at the current password
    bool operator==(const ChangeStep&) const = default;
};

class ExitLock {
public:
    // "Fechar TAVEK": until the teacher has switched to a password of his own
    // (RadioButton1), every opening puts the default back. A change under
    // way starts over at the current password.
    void open(bool changeSwitchOn);
    // "Confirma Senha": exact, case-sensitive, blanks count. Anything else
    // that asks for the exit password (a teacher's menu) asks here too.
    bool accepts(std::string_view typed) const { return typed == password_; }

    // "Confirmar Alteração", with the entry's text. A student must not be
    // able to replace a password he does not know: the entry takes the
    // current password first (a wrong one closes the panel), then the new
    // one, which may be any text but the empty one (a blank counts).
    ChangeStep confirmChange(std::string_view entry);
    // The accepted current password lasts only while the teacher is at the
    // panel: hidden, left for another window, or idle for kChangeIdle, the
    // next change asks for the current password again.
    void restartChange() { askingNew_ = false; }
    bool changeAccepted() const { return askingNew_; }
    // The entry's caption: which password it takes now.
    std::string_view changePrompt() const { return askingNew_ ? kAskNewPassword : kAskCurrentPassword; }

private:
    // The default from the very start: an empty password would let anyone
    // end the program with an empty entry.
    std::string password_{kDefaultExitPassword};
    bool askingNew_ = false;
};

} // namespace tavek
