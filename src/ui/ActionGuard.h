#pragma once
// Every command and event handler of the editor runs inside this guard: a bad
// number, a bad figure index or any other failure is shown in the error dialog
// and the program carries on.

#include "ui/Dialogs.h"

#include <functional>

namespace zol {

// Runs `handler`; an exception that escapes it is reported with `dialogs`.
// Returns false when one did.
bool RunGuarded(Dialogs& dialogs, const std::function<void()>& handler);

} // namespace zol
