#pragma once

#include <QString>

namespace zol {

// The application's title: the main window's caption and every dialog's title.
inline QString AppTitle() { return QStringLiteral("Zol editor"); }

} // namespace zol
