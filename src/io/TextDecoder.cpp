#include "io/TextDecoder.h"

namespace zol {

TextDecoder::TextDecoder() = default;

TextDecoder::~TextDecoder() = default;

QString TextDecoder::Decode(const std::string& bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return DecodeCp932(bytes);
}

QString TextDecoder::DecodeCp932(const std::string& bytes)
{
    if (!cp932_)
        cp932_ = std::make_unique<IconvConverter>("UTF-8", "CP932");
    if (auto utf8 = cp932_->Convert(bytes))
        return QString::fromStdString(*utf8);
    // Decode what can be decoded, character by character, marking the rest.
    QString text;
    size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        const size_t len = lead && i + 1 < bytes.size() ? 2 : 1;
        if (auto one = cp932_->Convert(bytes.substr(i, len)))
            text += QString::fromStdString(*one);
        else
            text += QChar(0xFFFD);
        i += len;
    }
    return text;
}

} // namespace zol
