#include "io/TextCodec.h"
#include "io/TextDecoder.h"
#include "io/IconvConverter.h"

#include <gtest/gtest.h>

#include <random>

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

// The converter would store look-alikes for these and report success; they
// are refused as if CP932 lacked them, in the user's text and in recoding.
TEST(TextCodec, RefusesCharactersCp932WouldStoreAsLookAlikes)
{
    for (const char* text : {"〜", "−", "‖", "¢", "£", "¬", "—", "‾", "¥100", "猫〜"}) {
        EXPECT_FALSE(EncodeText(QString::fromUtf8(text), TextEncoding::Cp932).has_value()) << text;
        EXPECT_FALSE(Recode(text, TextEncoding::Utf8, TextEncoding::Cp932).has_value()) << text;
    }
    for (const char* text : {"～", "－", "∥", "￠", "￡", "￢", "―", "~", "\\100"})
        EXPECT_EQ(DecodeText(EncodeText(QString::fromUtf8(text), TextEncoding::Cp932).value(), TextEncoding::Cp932),
                  QString::fromUtf8(text));
}

TEST(TextCodec, InvalidBytesDecodeAsReplacementNotGarbage)
{
    struct Case {
        const char* bytes;
        const char* text;
    } cases[] = {
        {"a\xA0" "b", "a\uFFFDb"},
        {"\x9F\x40\xA0", "檗\uFFFD"}, // 0x9F is the last lead byte of its range
        {"\xE0\x40\x82", "漾\uFFFD"},  // a lead byte at the end
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeText(c.bytes, TextEncoding::Cp932), QString::fromUtf8(c.text)) << c.bytes;
}

// Found by fuzzing: a line may begin with U+FEFF (the file's own mark is
// gone by then); dropping it on display changed the text between saves.
TEST(TextCodec, ALeadingByteOrderMarkInALineIsText)
{
    const QString text = DecodeText("\xEF\xBB\xBF\xEF\xBB\xBF" "a", TextEncoding::Utf8);
    EXPECT_EQ(text, QString(2, QChar(0xFEFF)) + QLatin1Char('a'));
    EXPECT_EQ(DecodeText(EncodeText(text, TextEncoding::Utf8).value(), TextEncoding::Utf8), text);
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
        {"2.13\r\n\xC4\xB3\r\n", TextEncoding::Cp932}, // ﾄｳ in CP932, also "ĳ" in UTF-8
        {"2.13\r\ncaf\xC3\xA9\r\n", TextEncoding::Cp932}, // two-byte UTF-8 alone reads as CP932
        {"猫\r\nきつね\r\nうさぎ\r\n", TextEncoding::Utf8},
        {"猫\r\n\xC4\xB3\x82\r\n", TextEncoding::Cp932}, // not valid UTF-8
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectEncoding(c.bytes), c.expected) << c.bytes;
}

// The scan in place must agree with a full conversion on every input: the
// usual traps (overlong forms, surrogates, past U+10FFFF, a character cut
// off, a stray continuation byte) at every distance from the sixteen- and
// eight-byte steps of the ASCII runs around them, and random bytes besides.
TEST(TextCodec, ValidityScanAgreesWithAConversion)
{
    const std::string traps[] = {
        "\xC3\xA9", "\xE3\x81\x82", "\xF0\x9F\x90\xA2", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
        "\xF4\x90\x80\x80", "\xE3\x81", "\x80", "\xFF", "\xC3", "\xF0\x9F\x90", "\xEF\xBF\xBF",
    };
    IconvConverter oracle("UTF-16LE", "UTF-8");
    for (const std::string& trap : traps) {
        for (size_t run = 0; run < 34; ++run) {
            for (size_t tail : {0, 1, 7, 8, 15, 16, 17}) {
                const std::string bytes = std::string(run, 'a') + trap + std::string(tail, 't');
                EXPECT_EQ(IsValidUtf8(bytes), oracle.Convert(bytes).has_value()) << testing::PrintToString(bytes);
            }
        }
    }
    std::mt19937 random(7);
    for (int k = 0; k < 20000; ++k) {
        // Long ASCII stretches now and then, for the sixteen-byte steps.
        const unsigned ascii = random() % 4 == 0 ? 95 : 33;
        std::string bytes(random() % 40, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() % 100 >= ascii ? 0x80 + random() % 0x80 : 0x20 + random() % 0x60);
        ASSERT_EQ(IsValidUtf8(bytes), oracle.Convert(bytes).has_value()) << testing::PrintToString(bytes);
    }
}
