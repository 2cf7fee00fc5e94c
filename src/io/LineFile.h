#pragma once
// Text files as lists of lines: documents, piece sets and the like. The lines
// keep the bytes of the file; the encoding says how to read them.

#include "model/TextEncoding.h"

#include <QString>

#include <string>
#include <vector>

namespace zol {

struct TextLines {
    std::vector<std::string> lines;
    TextEncoding encoding = TextEncoding::Cp932;
    bool bom = false; // a UTF-8 byte order mark preceded the first line
};

// CR LF, CR alone or LF alone end a line; a NUL byte ends the text; a leading
// UTF-8 byte order mark is kept out of the lines.
TextLines SplitLines(const std::string& bytes);

// The file form: the mark if remembered, then every line followed by CR LF.
std::string JoinLines(const TextLines& text);

// The text as it must be written to read back the same: UTF-8 always with
// its mark; CP932 whose bytes would be taken for UTF-8 on reading (see
// DetectEncoding) turned into UTF-8 with the mark, each line as it shows.
TextLines WritableForm(TextLines text);

// Both throw FileError with a message for the user.
std::string ReadFileBytes(const QString& path);
// Writes a temporary file beside path and renames it over path, so a failed
// write leaves the old file whole.
void WriteFileAtomically(const QString& path, const std::string& bytes);

// Throws the FileError a write to path would, before long work is done for it;
// changes nothing on disk.
void CheckWritable(const QString& path);

TextLines ReadLineFile(const QString& path);
// Writes the WritableForm of text.
void WriteLineFile(const QString& path, const TextLines& text);

} // namespace zol
