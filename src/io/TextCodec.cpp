#include "io/TextCodec.h"

#include <QStringDecoder>

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string_view>

namespace zol {

namespace {

// Converts all of input with iconv; nullopt on any invalid or unrepresentable
// sequence, so nothing is ever silently replaced.
std::optional<std::string> Convert(const char* to, const char* from, const std::string& input)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
    std::string output(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1))
        return std::nullopt;
    if (iconv(cd, nullptr, nullptr, &out, &outLeft) == static_cast<size_t>(-1))
        return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

const char* IconvName(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? "UTF-8" : "CP932";
}

// UTF-8 to CP932. The converter substitutes look-alikes for some characters
// without reporting it (〜 becomes ～, ¥ a backslash), so a conversion counts
// only when decoding its result gives back the very same text.
std::optional<std::string> Utf8ToCp932(const std::string& utf8)
{
    std::optional<std::string> cp932 = Convert("CP932", "UTF-8", utf8);
    if (!cp932 || Convert("UTF-8", "CP932", *cp932) != utf8)
        return std::nullopt;
    return cp932;
}

// A character of three or four bytes: E0-F4 followed by continuation bytes.
bool HasLongUtf8Sequence(std::string_view bytes)
{
    for (unsigned char c : bytes) {
        if (c >= 0xE0 && c <= 0xF4)
            return true;
    }
    return false;
}

// Unlike QString::fromUtf8, keeps a leading U+FEFF: it is text in a line (the
// file's own byte order mark never reaches the lines).
QString FromUtf8(std::string_view bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace

std::optional<std::string> Recode(const std::string& bytes, TextEncoding from, TextEncoding to)
{
    if (from == TextEncoding::Utf8 && to == TextEncoding::Cp932)
        return Utf8ToCp932(bytes);
    return Convert(IconvName(to), IconvName(from), bytes);
}

bool IsValidUtf8(const std::string& bytes)
{
    return Convert("UTF-16LE", "UTF-8", bytes).has_value();
}

QString DecodeText(const std::string& bytes, TextEncoding encoding)
{
    // ASCII reads the same in both encodings; lists of many captions are
    // decoded without a converter per caption.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (encoding == TextEncoding::Utf8)
        return FromUtf8(bytes);
    if (auto utf8 = Convert("UTF-8", "CP932", bytes))
        return FromUtf8(*utf8);
    // Decode what can be decoded, character by character, marking the rest.
    QString text;
    size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        const size_t len = lead && i + 1 < bytes.size() ? 2 : 1;
        if (auto one = Convert("UTF-8", "CP932", bytes.substr(i, len)))
            text += FromUtf8(*one);
        else
            text += QChar(0xFFFD);
        i += len;
    }
    return text;
}

std::optional<std::string> EncodeText(const QString& text, TextEncoding encoding)
{
    const QByteArray utf8 = text.toUtf8();
    std::string bytes(utf8.constData(), static_cast<size_t>(utf8.size()));
    if (encoding == TextEncoding::Utf8)
        return bytes;
    return Utf8ToCp932(bytes);
}

TextEncoding DetectEncoding(const std::string& fileBytes)
{
    if (fileBytes.starts_with("\xEF\xBB\xBF"))
        return TextEncoding::Utf8;
    return HasLongUtf8Sequence(fileBytes) && IsValidUtf8(fileBytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

} // namespace zol
