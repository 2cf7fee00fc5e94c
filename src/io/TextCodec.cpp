#include "io/TextCodec.h"

#include "io/IconvConverter.h"
#include "io/TextDecoder.h"

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

} // namespace

std::optional<std::string> Recode(const std::string& bytes, TextEncoding from, TextEncoding to)
{
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
    return Convert("CP932", "UTF-8", bytes);
}

TextEncoding DetectEncoding(const std::string& fileBytes)
{
    if (fileBytes.starts_with("\xEF\xBB\xBF"))
        return TextEncoding::Utf8;
    bool ascii = true;
    for (unsigned char c : fileBytes) {
        if (c >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return TextEncoding::Cp932;
    return IsValidUtf8(fileBytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

} // namespace zol
