#pragma once
// Changing the text encoding of the open document, for text it cannot hold.

#include "model/TextEncoding.h"

#include <optional>
#include <string>
#include <vector>

namespace zol {

class TangramModel;

// Every line converted, or nullopt when one is not valid in `from` or cannot
// be held by `to`.
std::optional<std::vector<std::string>> RecodeLines(const std::vector<std::string>& lines, TextEncoding from,
                                                    TextEncoding to);

// Re-encodes the document's lines and the board figure's caption; false, with
// nothing changed, when some text cannot be converted without loss. Used when
// the document must take text that its encoding cannot hold (CP932 to UTF-8).
bool ConvertDocumentEncoding(TangramModel& model, TextEncoding to);

} // namespace zol
