#include "io/TextCodec.h"

#include "io/IconvConverter.h"
#include "io/TextDecoder.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// What a scan of bytes as UTF-8 found: whether they all form characters, and
// whether one of them takes three or four bytes.
struct Utf8Scan {
    bool valid = true;
    bool longSequence = false;
};

// The length of the character that starts at bytes[0] (non-ASCII), or 0 when
// no valid character starts there: no overlong forms, no surrogates, nothing
// past U+10FFFF.
size_t Utf8CharLength(const unsigned char* p, size_t left)
{
    const unsigned char c = p[0];
    const auto tail = [&](size_t n, unsigned char low, unsigned char high) -> size_t {
        if (left < n || p[1] < low || p[1] > high)
            return 0;
        for (size_t k = 2; k < n; ++k) {
            if ((p[k] & 0xC0) != 0x80)
                return 0;
        }
        return n;
    };
    if (c >= 0xC2 && c <= 0xDF)
        return tail(2, 0x80, 0xBF);
    if (c == 0xE0)
        return tail(3, 0xA0, 0xBF);
    if (c == 0xED)
        return tail(3, 0x80, 0x9F);
    if (c >= 0xE1 && c <= 0xEF)
        return tail(3, 0x80, 0xBF);
    if (c == 0xF0)
        return tail(4, 0x90, 0xBF);
    if (c >= 0xF1 && c <= 0xF3)
        return tail(4, 0x80, 0xBF);
    if (c == 0xF4)
        return tail(4, 0x80, 0x8F);
    return 0;
}

// How many bytes from p on are ASCII, counted sixteen at a time where SSE2
// is there (eight otherwise) and stopping short of the end's last few.
size_t AsciiRun(const unsigned char* p, size_t left)
{
    size_t run = 0;
#if defined(__SSE2__)
    for (; left - run >= 16; run += 16) {
        const auto high = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + run))));
        if (high != 0)
            return run + static_cast<size_t>(__builtin_ctz(high));
    }
#endif
    for (uint64_t eight; left - run >= 8; run += 8) {
        std::memcpy(&eight, p + run, 8);
        if ((eight & 0x8080808080808080u) != 0)
            break;
    }
    return run;
}

// Stops at the first byte that is not UTF-8: CP932 text fails within its
// first Japanese character.
Utf8Scan ScanUtf8(std::string_view bytes)
{
    Utf8Scan scan;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t left = bytes.size();
    while (left > 0) {
        const size_t ascii = AsciiRun(p, left);
        p += ascii;
        left -= ascii;
        if (left == 0)
            break;
        if (*p < 0x80) {
            ++p;
            --left;
            continue;
        }
        const size_t n = Utf8CharLength(p, left);
        if (n == 0)
            return {false, scan.longSequence};
        scan.longSequence = scan.longSequence || n > 2;
        p += n;
        left -= n;
    }
    return scan;
}

} // namespace

std::optional<std::string> Recode(const std::string& bytes, TextEncoding from, TextEncoding to)
{
    if (from == TextEncoding::Utf8 && to == TextEncoding::Cp932)
        return Utf8ToCp932(bytes);
    return Convert(IconvName(to), IconvName(from), bytes);
}

bool IsValidUtf8(std::string_view bytes) { return ScanUtf8(bytes).valid; }

QString DecodeText(std::string_view bytes, TextEncoding encoding)
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

TextEncoding DetectEncoding(std::string_view fileBytes)
{
    if (fileBytes.starts_with("\xEF\xBB\xBF"))
        return TextEncoding::Utf8;
    const Utf8Scan scan = ScanUtf8(fileBytes);
    return scan.valid && scan.longSequence ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

} // namespace zol
