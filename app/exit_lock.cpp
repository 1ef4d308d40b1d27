#include "app/exit_lock.h"

namespace tavek {

void ExitLock::open(bool changeSwitchOn)
{
    restartChange();
    if (!changeSwitchOn)
        password_ = kDefaultExitPassword;
}

ChangeStep ExitLock::confirmChange(std::string_view entry)
{
    if (!askingNew_) {
        if (!accepts(entry))
            return {kExitRefused, true};
        askingNew_ = true;
        return {};
    }
    if (entry.empty())
        return {kEmptyNewPassword, false};
    password_ = entry;
    askingNew_ = false;
    return {{}, true};
}

} // namespace tavek
