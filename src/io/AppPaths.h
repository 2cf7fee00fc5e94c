#pragma once
// Where the program finds its data files and its settings, and how paths are
// shown to the user.

#include <QString>

namespace zol {

// The folder of the program file; tests point it elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString& folder); // an empty folder restores the default

// A data file or folder of the program (for example "pltes"): beside the
// program first, then in <prefix>/share/zol of an installed program. When
// neither exists, the path beside the program.
QString DataPath(const QString& name);

// The folder of the piece-set files and the one documents are kept in.
QString PieceSetFolder();
QString DocumentFolder();

// Zol.ini beside the program when that folder is writable and the program is
// not installed (its data is beside it, or there is no <prefix>/share/zol),
// else in the user's configuration folder (created when missing).
QString SettingsFilePath();

// The path as the platform writes it, for captions and messages: text, even
// for a name that is not (see NativePath).
QString DisplayPath(const QString& path);

} // namespace zol
