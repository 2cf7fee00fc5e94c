#pragma once
// Text files as lists of lines: documents, piece sets and the like. The lines
// keep the bytes of the file; the encoding says how to read them.

#include "model/FileLines.h"
#include "model/TextEncoding.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace zol {

struct TextLines {
    std::vector<std::string> lines;
    TextEncoding encoding = TextEncoding::Cp932;
    bool bom = false; // a UTF-8 byte order mark preceded the first line
};

// A whole file held once (a document); its lines view its bytes.
struct FileText {
    FileLines lines;
    TextEncoding encoding = TextEncoding::Cp932;
    bool bom = false;
};

// The bytes of a file as read, shared by the lines that view them.
struct FileBytes {
    std::shared_ptr<const char[]> data;
    size_t size = 0;

    std::string_view view() const { return {data.get(), size}; }
};

// CR LF, CR alone or LF alone end a line; a NUL byte ends the text; a leading
// UTF-8 byte order mark is kept out of the lines.
TextLines SplitLines(std::string_view bytes);
// The same lines as views into the bytes, in one pass over them.
FileText SplitText(FileBytes bytes);

// The file form: the mark if remembered, then every line followed by CR LF.
std::string JoinLines(const TextLines& text);
// The same for a document: the head line (the version line) first, then the
// lines, into a buffer of the exact size. `bom` only counts for UTF-8.
FileBytes JoinLines(std::string_view head, const FileLines& lines, TextEncoding encoding, bool bom);

// The text as it must be written to read back the same: UTF-8 always with
// its mark; CP932 whose bytes would be taken for UTF-8 on reading (see
// DetectEncoding) turned into UTF-8 with the mark, each line as it shows.
TextLines WritableForm(TextLines text);

// Both throw FileError with a message for the user.
std::string ReadFileBytes(const QString& path);
// At most the first count bytes, fewer only where the file ends.
std::string ReadFileStart(const QString& path, size_t count);
// Through an AtomicFile: a failed write leaves the old file whole.
void WriteFileAtomically(const QString& path, std::string_view bytes);

// The file read whole, with one read where the system tells its size.
FileBytes ReadWholeFile(const QString& path);
TextLines ReadLineFile(const QString& path);
FileText ReadTextFile(const QString& path);
// Writes the WritableForm of text.
void WriteLineFile(const QString& path, const TextLines& text);

} // namespace zol
