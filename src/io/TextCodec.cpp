#include "io/TextCodec.h"

#include "io/IconvConverter.h"
#include "io/TextDecoder.h"

#include <string_view>

namespace zol {

namespace {

// Converts all of input with a conversion opened for this text alone.
std::optional<std::string> Convert(const char* to, const char* from, const std::string& input)
{
    return IconvConverter(to, from).Convert(input);
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
    return TextDecoder().Decode(bytes, encoding);
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
