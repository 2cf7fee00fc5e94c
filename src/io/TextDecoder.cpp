#include "io/TextDecoder.h"

#include <QStringDecoder>

#include <algorithm>
#include <string_view>

namespace zol {

namespace {

// A caption may begin with U+FEFF; QString::fromUtf8 would drop it as a mark.
QString FromUtf8(std::string_view bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace

TextDecoder::TextDecoder() = default;

TextDecoder::~TextDecoder() = default;

QString TextDecoder::Decode(std::string_view bytes, TextEncoding encoding)
{
    // ASCII reads the same in both encodings and needs no converter.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (encoding == TextEncoding::Utf8)
        return FromUtf8(bytes);
    return DecodeCp932(bytes);
}

QString TextDecoder::DecodeCp932(std::string_view bytes)
{
    if (!cp932_)
        cp932_ = std::make_unique<IconvConverter>("UTF-8", "CP932");
    if (auto utf8 = cp932_->Convert(bytes))
        return FromUtf8(*utf8);
    // Decode what can be decoded, character by character, marking the rest.
    QString text;
    size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        const size_t len = lead && i + 1 < bytes.size() ? 2 : 1;
        if (auto one = cp932_->Convert(bytes.substr(i, len)))
            text += FromUtf8(*one);
        else
            text += QChar(0xFFFD);
        i += len;
    }
    return text;
}

} // namespace zol
