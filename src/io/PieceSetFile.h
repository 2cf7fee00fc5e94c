#pragma once
// Piece-set files (.plt): finding a set by its name, checking its version,
// converting files of the old format, and the list of sets offered in the menu.

#include "io/Prompter.h"
#include "model/Message.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace zol {

class TangramModel;

// name.plt in folder, or else in the piece-set folder beside the program. A
// file whose name differs only in case is found too (names in documents from
// case-blind file systems).
std::optional<QString> FindPieceSetFile(const QString& name, const QString& folder);

// Finds, checks and installs the set called name. currentFolder is searched
// first: the folder of the file the user last chose in a dialog. The built-in
// set's name installs the built-in set when no file of that name is found
// (documents made with it name it, and so does a failed file's menu entry
// after the start-up scan). Returns false
// when it gives up: the message is shown, the built-in set is installed with an
// empty list and the load-failed flag is set. A set that does not parse throws
// ConversionError and leaves the model unchanged; an unreadable file throws
// FileError. The figure list is left alone when the set is installed.
bool LoadPieceSet(TangramModel& model, const QString& name, const QString& currentFolder, Prompter& prompter);

// LoadPieceSet, then an empty document for the set.
bool ChangePieceSet(TangramModel& model, const QString& name, const QString& currentFolder, Prompter& prompter);

// A piece-set file that could not be used, and why.
struct PieceSetFileError {
    QString path; // as shown to the user
    Message problem;
};

// The sets offered in the piece-set menu, sorted by display name without
// regard to case; setNames[i] belongs to displayNames[i].
struct PieceSetMenu {
    std::vector<QString> displayNames;
    std::vector<QString> setNames;
    std::vector<PieceSetFileError> errors; // files that do not parse: left out, reported
};

// The report of the files a scan left out: a heading, then a line per file.
QString PieceSetErrorReport(const std::vector<PieceSetFileError>& errors, Language language);

// The folder scanned at start-up: the piece-set folder, or the program folder
// when there is none.
QString PieceSetScanFolder();

// Loads every *.plt of folder once to learn its names (messages and questions
// of the loader go to the prompter), then installs the built-in set with an
// empty document.
PieceSetMenu ScanPieceSets(TangramModel& model, const QString& folder, Prompter& prompter);

} // namespace zol
