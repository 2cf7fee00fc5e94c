#pragma once
// gTans collections in and out of documents of the built-in set: the editor's
// import and export commands and zoltool's share this.

#include <QString>

namespace zol {

class TangramModel;

struct GtansImportResult {
    int figures = 0;
    double worstError = 0.0; // board pixels, over every vertex of every figure
};

// Reads the collection and, when the whole file reads, replaces the model's
// document by a new, unsaved document of the built-in set holding its figures,
// captioned with the file's name and the figure's number ("default 12").
// Throws FileError or ConversionError (with the file's line) and then leaves
// the model as it was.
GtansImportResult ImportGtans(TangramModel& model, const QString& path);

// Writes every figure of the model's document. A document of another set or
// of more figures than a collection holds, or a figure whose placement line
// does not read, throws ConversionError and leaves any old file whole; a
// file that cannot be written throws FileError.
void ExportGtans(const TangramModel& model, const QString& path);

} // namespace zol
