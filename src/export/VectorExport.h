#pragma once
// The figures of a document as vector drawings: one SVG file per figure in a
// folder, one SVG file for a single figure, or all of them as TikZ code in
// one .tex file. Every file is written whole or not at all.

#include "export/VectorFigure.h"
#include "io/Progress.h"

#include <QString>

#include <vector>

namespace zol {

class TangramModel;

struct VectorRequest {
    VectorStyle style = VectorStyle::Pieces;
    double scale = 1.0; // CSS pixels per board pixel (96 a inch)
};

// Largest --scale: a board of 512 pixels stays within a few metres.
inline constexpr double MaxVectorScale = 100.0;

// Where the editor puts a document's SVG files: beside it, named after it,
// as the catalogue's image folder is ("shapes.zol" gives "shapes_svg").
QString SvgFolder(const QString& documentPath);

// "07-fox.svg" for the figure the list shows as number 7 of `count`: the
// number padded to the width of `count`, so the files sort in list order,
// then the caption made safe for a file name (left out when nothing of it is).
QString SvgFileName(int number, int count, const QString& caption);

// List figure `index`, or the board figure for -1, as one SVG file. Throws
// ConversionError for a figure that cannot be read (nothing is written) and
// FileError naming the file and the reason.
void WriteSvgFile(const TangramModel& model, int index, const QString& path, const VectorRequest& request);

// Every list figure as an SVG file in `folder`, which is made when it does
// not exist; files of the same names are replaced, others are left alone.
// Returns the files written, in list order. Every figure is read before the
// first file is written: NoFiguresError for an empty list, ConversionError
// for a figure that cannot be read, and then nothing is written. A file that
// cannot be written throws FileError; the files before it stay, and a folder
// made here that is still empty is removed.
std::vector<QString> WriteSvgFolder(const TangramModel& model, const QString& folder, const VectorRequest& request,
                                    Progress& progress);

// The figures (list indexes, -1 the board figure) as one tikzpicture each,
// captioned by a comment with their list number, in one file; with
// `standalone` a LaTeX document around them. Throws as WriteSvgFile does.
void WriteTikzFile(const TangramModel& model, const std::vector<int>& figures, const QString& path,
                   const VectorRequest& request, bool standalone, Progress& progress);

} // namespace zol
