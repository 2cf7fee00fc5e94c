#include "io/TextCodec.h"
#include "io/TextDecoder.h"

#include <gtest/gtest.h>

using namespace zol;

TEST(TextCodec, Cp932RoundTripsJapaneseText)
{
    const std::string bytes = "\x96\xbc\x8f\xcc\x96\xa2\x90\xdd\x92\xe8"; // 名称未設定
    EXPECT_EQ(DecodeText(bytes, TextEncoding::Cp932), QString::fromUtf8("名称未設定"));
    EXPECT_EQ(EncodeText(QString::fromUtf8("名称未設定"), TextEncoding::Cp932), bytes);
}

TEST(TextCodec, RefusesCharactersCp932CannotHold)
{
    EXPECT_FALSE(EncodeText(QString::fromUtf8("猫🐈"), TextEncoding::Cp932).has_value());
    EXPECT_EQ(EncodeText(QString::fromUtf8("猫🐈"), TextEncoding::Utf8), std::string("猫🐈"));
}

TEST(TextCodec, InvalidBytesDecodeAsReplacementNotGarbage)
{
    EXPECT_EQ(DecodeText("a\x85\x20" "b", TextEncoding::Cp932).front(), QChar('a'));
    EXPECT_TRUE(DecodeText("a\xA0" "b", TextEncoding::Cp932).contains(QChar(0xFFFD)));
}

// The figure list decodes every caption it shows with one decoder: a text
// cut off in the middle of a character leaves nothing behind for the next.
TEST(TextCodec, OneDecoderReadsTextAfterTextWhateverCameBefore)
{
    TextDecoder decoder;
    const std::string name = "\x96\xbc\x8f\xcc"; // 名称
    EXPECT_EQ(decoder.Decode(name, TextEncoding::Cp932), QString::fromUtf8("名称"));
    EXPECT_EQ(decoder.Decode("\x96", TextEncoding::Cp932), QString(QChar(0xFFFD)));
    EXPECT_EQ(decoder.Decode(name, TextEncoding::Cp932), QString::fromUtf8("名称"));
    EXPECT_EQ(decoder.Decode("\xE7\x8C\xAB", TextEncoding::Utf8), QString::fromUtf8("猫"));
    EXPECT_EQ(decoder.Decode("a\xA0" "b", TextEncoding::Cp932), QString::fromUtf8("a\uFFFDb"));
    EXPECT_EQ(decoder.Decode(name, TextEncoding::Cp932), QString::fromUtf8("名称"));
}

TEST(TextCodec, DetectsEncodingOfFiles)
{
    struct Case {
        std::string bytes;
        TextEncoding expected;
    } cases[] = {
        {"2.13\r\ntan\r\n", TextEncoding::Cp932},
        {"\xEF\xBB\xBF" "2.13\r\n", TextEncoding::Utf8},
        {"2.13\r\n名称未設定\r\n", TextEncoding::Utf8},
        {"2.13\r\n\x96\xbc\x8f\xcc\r\n", TextEncoding::Cp932},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectEncoding(c.bytes), c.expected) << c.bytes;
}
