#pragma once
// Every command and event handler of the editor runs inside this guard: a bad
// number, a bad figure index or any other failure is shown in the error dialog
// and the program carries on.

#include "ui/Dialogs.h"

#include <exception>
#include <functional>

namespace zol {

// The text the window shows for an error: Japanese where the error has one.
QString ErrorText(const std::exception& error);

// Runs `handler`; an exception that escapes it is reported with `dialogs`.
// Returns false when one did.
bool RunGuarded(Dialogs& dialogs, const std::function<void()>& handler);

} // namespace zol
