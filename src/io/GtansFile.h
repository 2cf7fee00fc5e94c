#pragma once
// gTans collection files (.figures): a line "gTans v1.0 N", then per figure a
// line of three numbers and seven piece lines "p TYPE FLIP X Y ROTATION",
// figures apart by a blank line. Plain ASCII text with LF lines.

#include "model/GtansFigure.h"

#include <QString>

#include <string>

namespace zol {

// A collection holds at most this many figures; a larger count is refused
// before anything is read.
inline constexpr int GtansMaxFigures = 100000;

// Throws ConversionError naming the line (counted from 1) and what is wrong
// with it. Rotations are brought into 0..65535.
GtansCollection ParseGtans(const std::string& bytes);

// The file form; numbers as C's "%e" writes them whatever the locale.
std::string FormatGtans(const GtansCollection& figures);

// ReadGtansFile throws FileError when the file cannot be read and
// ConversionError when it is malformed; WriteGtansFile writes atomically and
// throws FileError, leaving an old file whole.
GtansCollection ReadGtansFile(const QString& path);
void WriteGtansFile(const QString& path, const GtansCollection& figures);

} // namespace zol
