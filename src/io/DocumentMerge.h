#pragma once
// Appending the figures of another document file to the open document.

#include "io/Prompter.h"

#include <QString>

namespace zol {

class TangramModel;

struct MergeOutcome {
    enum Kind {
        Merged,            // count figures appended from index first on
        WrongSetOrVersion, // the file is of another piece set or version; message shown
        NothingToMerge,    // the file holds no figure
    };
    Kind kind = NothingToMerge;
    int first = 0;
    int count = 0;
};

// Accepts a file whose header names the current set (with or without the
// version line) and appends its caption and placement lines in pairs as they
// are; a last unpaired line is ignored; the document becomes modified. Text is
// converted to the document's encoding, or the document turns to UTF-8 when
// CP932 cannot hold the merged text. An unreadable file throws FileError and a
// text that cannot be converted without loss ConversionError; the document
// then stays as it was.
MergeOutcome MergeDocument(TangramModel& model, const QString& path, Prompter& prompter);

} // namespace zol
