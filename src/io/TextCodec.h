#pragma once
// Text of files and the user's text: CP932 (the files' usual code page) or UTF-8.

#include "model/TextEncoding.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace zol {

// Decodes bytes for display. Bytes that are not valid in the encoding show as
// U+FFFD; such text is never encoded back over the original bytes.
QString DecodeText(std::string_view bytes, TextEncoding encoding);

// Encodes the user's text; nullopt when the encoding cannot hold every
// character exactly (a look-alike substitute counts as not held).
std::optional<std::string> EncodeText(const QString& text, TextEncoding encoding);

// A file is UTF-8 when it starts with a BOM, or when it is valid UTF-8 and
// holds at least one character of three or four bytes (every kana and kanji
// is one); otherwise it is CP932 (plain ASCII included). CP932 text of ASCII
// and half-width kana can be valid UTF-8 by chance (ﾄｳ is C4 B3, "ĳ"), but
// only in two-byte sequences: the bytes E0-F4 that open a longer one are
// double-byte lead bytes in CP932, and what follows them hardly ever forms a
// valid sequence. The program writes UTF-8 only with a BOM, and CP932 that
// this rule would still take for UTF-8 as UTF-8 (see WritableForm), so what
// it saves reads back as the same text.
TextEncoding DetectEncoding(std::string_view fileBytes);

// Checks the bytes in place, converting nothing.
bool IsValidUtf8(std::string_view bytes);

// Converts bytes between the two encodings; nullopt when the bytes are not
// valid in `from` or `to` cannot hold a character. Never replaces anything.
std::optional<std::string> Recode(const std::string& bytes, TextEncoding from, TextEncoding to);

} // namespace zol
