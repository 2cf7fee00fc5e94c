#pragma once
// Decodes many texts for display with one converter: the figure list decodes
// a caption each time a row is shown.

#include "io/IconvConverter.h"
#include "model/TextEncoding.h"

#include <QString>

#include <memory>
#include <string>
#include <string_view>

namespace zol {

class TextDecoder {
public:
    TextDecoder();
    ~TextDecoder();

    // Bytes that are not valid in the encoding show as U+FFFD.
    QString Decode(std::string_view bytes, TextEncoding encoding);

private:
    QString DecodeCp932(std::string_view bytes);

    std::unique_ptr<IconvConverter> cp932_; // opened on the first CP932 text
};

} // namespace zol
