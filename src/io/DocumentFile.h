#pragma once
// Document files (.zol): the version line, the piece-set name, then a caption
// line and a placement line per figure. The model keeps the lines as the
// file's bytes, so an unchanged document saves back byte for byte.

#include "io/LineFile.h"
#include "io/Prompter.h"

#include <QString>

namespace zol {

class TangramModel;

// Replaces the document by the one at path, loading its piece set when it
// names another one (looked for in currentFolder first, see LoadPieceSet).
// Returns false when it gives up: the message is shown and the load-failed flag
// set; a missing file leaves the model as it was, otherwise the built-in set is
// installed with an empty list. Sets the set-changed flag when it installed
// another set. A set that does not parse throws ConversionError and an
// unreadable file FileError, both leaving the document as it was.
bool LoadDocument(TangramModel& model, const QString& path, const QString& currentFolder, Prompter& prompter);
// The same for the text of the file at path, already read.
bool LoadDocumentText(TangramModel& model, const QString& path, FileText file, const QString& currentFolder,
                      Prompter& prompter);

// Writes the document to path when it is modified (returns whether it wrote);
// the path becomes the document path and the modified flag is lowered. The
// write is atomic: on failure it throws FileError, the old file stays whole
// and the document stays modified.
bool SaveDocument(TangramModel& model, const QString& path);

} // namespace zol
