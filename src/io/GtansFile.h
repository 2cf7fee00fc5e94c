#pragma once
// gTans collection files (.figures): a line "gTans v1.0 N", then per figure a
// line of three numbers and seven piece lines "p TYPE FLIP X Y ROTATION",
// figures apart by a blank line. Plain ASCII text with LF lines.

#include "io/AtomicFile.h"
#include "model/GtansFigure.h"
#include "model/Message.h"

#include <QString>

#include <optional>
#include <string>

namespace zol {

// A collection holds at most this many figures, on reading and on writing
// alike: a larger count is refused before anything else is read, and no
// larger collection is written.
inline constexpr int GtansMaxFigures = 100000;

// Why a collection of this many figures cannot be written, or nothing.
std::optional<Message> GtansCountRefusal(int count);

// Throws ConversionError naming the line (counted from 1) and what is wrong
// with it. Rotations are brought into 0..65535.
GtansCollection ParseGtans(const std::string& bytes);

// The file form; numbers as C's "%e" writes them whatever the locale.
std::string FormatGtans(const GtansCollection& figures);

// ReadGtansFile throws FileError when the file cannot be read and
// ConversionError when it is malformed; its first line is read and checked
// before the rest of the file.
GtansCollection ReadGtansFile(const QString& path);

// Writes a collection a figure at a time, so that no more than a figure's
// text is held: the first line announces the count, then Add each figure and
// Commit. Atomic: a failure, or a writer dropped before Commit, leaves an
// old file whole. Throws ConversionError for a count over the limit (before
// any file is made), FileError when the file cannot be written.
class GtansWriter {
public:
    GtansWriter(const QString& path, int count);
    void Add(const GtansFigure& figure);
    void Commit();

private:
    AtomicFile file_;
    int count_;
    int added_ = 0;
};

} // namespace zol
