#pragma once
// The teacher's result-cell lock of one window, without the window: its four
// texts, which of its controls stand on screen, and what each request does.
// The window applies the returned effects to its controls in the order given.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavek {

inline constexpr std::string_view kAlreadyDisabled = "Cédulas Já Desabilitadas";
inline constexpr std::string_view kAlreadyEnabled = "Cédulas Já Abilitadas";
inline constexpr std::string_view kWrongPassword = "Senha Incorreta";
inline constexpr std::string_view kRevealPrefix = "Senha : ";
// An empty password would lock the answers behind a text anyone types: Enter
// alone. The exit lock refuses an empty new password with the same box.
inline constexpr std::string_view kEmptyPassword = "Cédula vazia. Ajuste Senha";

// The lock's own controls, named as in every window.
enum class LockControl { Edit14, Button7, Edit15, Button8 };

// Where the keyboard focus goes after a request.
enum class LockFocus { None, Edit14, Edit15, FirstCell };

// What happens to the window's answers.
enum class AnswerPaint {
    Unchanged,
    Locked,   // result cells hidden, result labels red, result list white
    Readable, // result cells shown, result labels white, result list blue
};

struct LockEffects {
    std::optional<std::string> message;  // one information box, shown first
    std::vector<LockControl> emptied;    // input cells emptied
    std::vector<LockControl> hidden;
    std::vector<LockControl> shown;
    AnswerPaint answers = AnswerPaint::Unchanged;
    LockFocus focus = LockFocus::None;   // moved last
    bool operator==(const LockEffects&) const = default;
};

// The lock as the teacher meets it.
enum class LockPhase { Open, Creating, ConfirmingLock, Locked, ConfirmingUnlock, OpenAgain };
std::string_view phase_name(LockPhase phase);

class LockState {
public:
    // "Desabilitar cédulas de  Resultados"
    LockEffects disable();
    // "Reabilitar cédulas de Resultados"
    LockEffects reenable();
    // "Crie senha", with the text of Edit14. Empty: refused, nothing changes.
    LockEffects create(std::string_view edit14);
    // "Redigite Senha", with the text of Edit15. Empty: refused, nothing changes.
    LockEffects retype(std::string_view edit15);

    // A right press on the reveal label: the password label's text, if the
    // created password is not empty and the answers are readable.
    std::optional<std::string> reveal() const;
    // Whether the password label may stand on screen: only while the answers
    // are readable. Locked, or asked to unlock, the password it shows would
    // be the very one that unlocks them.
    bool mayReveal() const;

    LockPhase phase() const;
    bool shown(LockControl control) const;
    bool answersLocked() const { return answersLocked_; }

    // The four texts, empty at start.
    const std::string& mode() const { return mode_; }         // "", "FALSO" or "OK"
    const std::string& mark() const { return mark_; }         // "" or "2"
    const std::string& created() const { return created_; }
    const std::string& retyped() const { return retyped_; }

private:
    void show(LockEffects& fx, LockControl c);
    void hide(LockEffects& fx, LockControl c);

    std::string mode_;
    std::string mark_;
    std::string created_;
    std::string retyped_;
    bool shown_[4] = {false, false, false, false};
    bool answersLocked_ = false;
};

} // namespace tavek
