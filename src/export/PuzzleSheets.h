#pragma once
// Puzzle sheets for printing: a PDF of A4 pages with the document's figures
// as filled silhouettes under their captions, and optionally after each page
// its solution, every piece outlined in its palette colour. Everything is
// drawn as vector paths from the board polygons.

#include "io/Progress.h"
#include "model/Message.h"

#include <QString>

#include <stdexcept>

namespace zol {

class TangramModel;

struct PuzzleSheetRequest {
    QString path;          // the PDF file to write
    int perPage = 4;       // 1, 2, 4 or 6 (IsFiguresPerPage)
    bool solutions = false; // a page of solutions after each page of puzzles
};

// A document without figures has nothing to print.
class NoFiguresError : public std::runtime_error, public MessageError {
public:
    NoFiguresError();
};

// The caption on top of every solution page.
QString SolutionHeading();

// Writes the sheets of every list figure and returns the number of pages.
// Throws NoFiguresError for an empty list, FileError when the file cannot be
// written (checked before any drawing, so a long export does not fail at its
// end) and ConversionError for a figure that cannot be read; then nothing is
// written. std::invalid_argument for a perPage that is not 1, 2, 4 or 6.
int WritePuzzleSheets(const TangramModel& model, const PuzzleSheetRequest& request, Progress& progress);

} // namespace zol
