#include "app/exit_lock.h"

namespace tavek {

void ExitLock::open(bool changeSwitchOn)
{
    if (!changeSwitchOn)
        password_ = kDefaultExitPassword;
}

bool ExitLock::change(std::string_view entry)
{
    if (entry.empty())
        return false;
    password_ = entry;
    return true;
}

} // namespace tavek
