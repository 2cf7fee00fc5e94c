#pragma once
// What piece-set and document files share: the version line in front, the
// offer to add it to files of the old format, and names compared across the
// two text encodings.

#include "io/LineFile.h"
#include "io/Prompter.h"

namespace zol {

// The version line of current piece-set and document files.
inline constexpr const char* FormatVersion = "2.13";

bool StartsWithVersion(const std::vector<std::string>& lines);
bool StartsWithVersion(const FileLines& lines);

// Asks question; on Yes rewrites the file at path with the version line in
// front of its lines, keeping its encoding. A failed write is reported and
// the caller goes on loading: the file stays as it was.
void OfferVersionLine(const QString& path, const TextLines& file, const char* question, Prompter& prompter);

// Texts from files of possibly different encodings, compared exactly.
bool SameText(std::string_view a, TextEncoding encodingA, std::string_view b, TextEncoding encodingB);

} // namespace zol
