#pragma once
// Shows a folder in the desktop's file browser, or says that there is none.

#include <QString>

namespace zol {

class Dialogs;

void ShowFolder(Dialogs& dialogs, const QString& folder);

} // namespace zol
