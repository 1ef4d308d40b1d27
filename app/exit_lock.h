#pragma once
// The exit password of the main window. The program can only be ended from
// "Fechar TAVEK" by typing it; a teacher may replace it for the run.
#include <string>
#include <string_view>

namespace tavek {

inline constexpr std::string_view kDefaultExitPassword = "zorp";
inline constexpr std::string_view kFarewell = "Obrigado por Usar este Programa - Visite | www.tavek.example | ";
inline constexpr std::string_view kExitRefused = "Senha Incorreta";
inline constexpr std::string_view kEmptyNewPassword = "Cédula vazia. Ajuste Senha";

class ExitLock {
public:
    // "Fechar TAVEK": until the teacher has switched to a password of his own
    // (RadioButton1), every opening puts the default back.
    void open(bool changeSwitchOn);
    // "Confirma Senha": exact, case-sensitive, blanks count.
    bool accepts(std::string_view typed) const { return typed == password_; }
    // "Confirmar Alteração": any text but the empty one (a blank counts)
    // becomes the password; false when the entry is refused.
    bool change(std::string_view entry);

    const std::string& password() const { return password_; }

private:
    // The default from the very start: an empty password would let anyone
    // end the program with an empty entry.
    std::string password_{kDefaultExitPassword};
};

} // namespace tavek
