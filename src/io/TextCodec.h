#pragma once
// Text of files and the user's text: CP932 (the files' usual code page) or UTF-8.

#include "model/TextEncoding.h"

#include <QString>

#include <optional>
#include <string>

namespace zol {

// Decodes bytes for display. Bytes that are not valid in the encoding show as
// U+FFFD; such text is never encoded back over the original bytes.
QString DecodeText(const std::string& bytes, TextEncoding encoding);

// Encodes the user's text; nullopt when the encoding cannot hold every character.
std::optional<std::string> EncodeText(const QString& text, TextEncoding encoding);

// A file is UTF-8 when it starts with a BOM, or when it holds non-ASCII bytes
// that all form valid UTF-8; otherwise it is CP932 (plain ASCII included).
TextEncoding DetectEncoding(const std::string& fileBytes);

bool IsValidUtf8(const std::string& bytes);

// Converts bytes between the two encodings; nullopt when the bytes are not
// valid in `from` or `to` cannot hold a character. Never replaces anything.
std::optional<std::string> Recode(const std::string& bytes, TextEncoding from, TextEncoding to);

} // namespace zol
