// The text codec: any bytes decode, and text that encodes decodes back to
// itself, in both encodings and through Recode.
#include "FuzzSupport.h"

#include "io/TextCodec.h"

#include <string>

using namespace zol;

namespace {

void CheckEncodeRoundTrip(const QString& text, TextEncoding encoding)
{
    if (const auto bytes = EncodeText(text, encoding))
        fuzz::Require(DecodeText(*bytes, encoding) == text, "encoded text decodes to itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    (void)DetectEncoding(bytes);
    for (const TextEncoding from : {TextEncoding::Cp932, TextEncoding::Utf8}) {
        const QString text = DecodeText(bytes, from);
        CheckEncodeRoundTrip(text, TextEncoding::Cp932);
        CheckEncodeRoundTrip(text, TextEncoding::Utf8);
        for (const TextEncoding to : {TextEncoding::Cp932, TextEncoding::Utf8}) {
            if (const auto recoded = Recode(bytes, from, to))
                fuzz::Require(DecodeText(*recoded, to) == text, "recoded text reads as the same text");
        }
    }
    return 0;
}
