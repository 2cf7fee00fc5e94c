#pragma once
// The model keeps text as the bytes the files hold; this says how to read them.

#include <string>

namespace zol {

enum class TextEncoding { Cp932, Utf8 };

// Texts the model itself writes into captions and names, in either encoding.
enum class ModelText { Untitled, NewFile, BuiltInSetName };

std::string LiteralText(ModelText text, TextEncoding encoding);

} // namespace zol
