#include "ModelFixtures.h"

#include "model/Palette.h"
#include "model/Random.h"

#include <gtest/gtest.h>

#include <set>

using namespace zol;
using namespace zol::test;

namespace {

struct HsvCase {
    int h, s, v;
    Rgb rgb;
};

TEST(HsvToRgb, Examples)
{
    const HsvCase cases[] = {
        {0, 255, 255, {255, 0, 0}},   {43, 255, 255, {254, 0, 255}}, {85, 255, 255, {2, 0, 255}},
        {128, 255, 255, {0, 255, 255}}, {171, 255, 255, {2, 255, 0}}, {213, 255, 255, {254, 255, 0}},
        {255, 255, 255, {255, 6, 0}}, {200, 213, 205, {151, 205, 33}}, {77, 0, 255, {255, 255, 255}},
        {140, 0, 255, {255, 255, 255}}, {77, 255, 0, {0, 0, 0}},     {0, 0, 0, {0, 0, 0}},
    };
    for (const HsvCase& c : cases) {
        const Rgb rgb = HsvToRgb(c.h, c.s, c.v);
        EXPECT_EQ(rgb, c.rgb) << c.h << "," << c.s << "," << c.v << " gave " << int(rgb.r) << "," << int(rgb.g)
                              << "," << int(rgb.b);
    }
}

std::vector<int32_t> NextNumbers(int count)
{
    std::vector<int32_t> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(NextRandom());
    return numbers;
}

TEST(SetPalette, ZeroSpreadsDrawNoRandomNumbersAndGiveEqualColours)
{
    TangramModel model;
    SeedRandom(42);
    const auto expected = NextNumbers(5);
    SeedRandom(42);
    model.SetPalette(0x123456, 200, 213, 205, 0, 0, 0);
    EXPECT_EQ(NextNumbers(5), expected);
    EXPECT_EQ(model.backgroundColor(), 0x123456u);
    for (int i = 0; i < MaxPieces; ++i)
        EXPECT_EQ(model.pieceColor(i), 151u + 256u * 205 + 65536u * 33) << i;
}

TEST(SetPalette, DrawsValueThenSaturationThenHuePerPiece)
{
    TangramModel model;
    SeedRandom(5);
    const auto n = NextNumbers(6);
    SeedRandom(5);
    model.SetPalette(0, 10, 20, 30, 101, 103, 107); // hue, saturation, value spreads
    const auto colour = [](Rgb c) { return c.r + 256u * c.g + 65536u * c.b; };
    EXPECT_EQ(model.pieceColor(0), colour(HsvToRgb(10 + n[2] % 101, 20 + n[1] % 103, 30 + n[0] % 107)));
    EXPECT_EQ(model.pieceColor(1), colour(HsvToRgb(10 + n[5] % 101, 20 + n[4] % 103, 30 + n[3] % 107)));
}

TEST(SetPalette, FixedRecordsOfThePlainSets)
{
    TangramModel model;
    const auto apply = [&](int tag) {
        const PaletteParams& p = FixedPalettes()[tag].params;
        model.SetPalette(p.bgcolor, p.ho, p.so, p.vo, p.hr, p.sr, p.vr);
    };
    apply(0);
    EXPECT_STREQ(FixedPalettes()[0].caption, "白‐黒");
    EXPECT_EQ(model.backgroundColor(), 0xFFFFFFu);
    EXPECT_EQ(model.pieceColor(31), 0x000000u);
    EXPECT_EQ(model.LabelColor(), 0x000000u);
    apply(1);
    EXPECT_EQ(model.backgroundColor(), 0x000000u);
    EXPECT_EQ(model.pieceColor(0), 0xFFFFFFu);
    EXPECT_EQ(model.LabelColor(), 0xFFFFFFu);
    apply(6);
    EXPECT_EQ(model.backgroundColor(), WorkspaceColor);
    EXPECT_EQ(model.pieceColor(7), 0x000000u);
}

TEST(SetPalette, VermilionSetIsRedOfRandomValueBelow255)
{
    TangramModel model;
    const FixedPalette& vermilion = FixedPalettes()[5];
    EXPECT_STREQ(vermilion.caption, "黒‐乱朱");
    const PaletteParams& p = vermilion.params;
    SeedRandom(99);
    model.SetPalette(p.bgcolor, p.ho, p.so, p.vo, p.hr, p.sr, p.vr);
    std::set<int> values;
    for (int i = 0; i < MaxPieces; ++i) {
        const ColorRef c = model.pieceColor(i);
        const int v = c & 0xFF;
        EXPECT_GE(v, 128);
        EXPECT_LE(v, 254);
        EXPECT_EQ((c >> 8) & 0xFF, unsigned(v * 6 / 255)) << "a trace of green";
        EXPECT_EQ(c >> 16, 0u);
        values.insert(v);
    }
    EXPECT_GT(values.size(), 8u);
    EXPECT_EQ(model.LabelColor(), 0xFFFFFFu);
}

TEST(SetPalette, SpreadsWrapPast255)
{
    // With hue 0 at full value a colour is (255, 255 - S, 255 - S).
    TangramModel model;
    SeedRandom(1);
    model.SetPalette(0, 0, 200, 255, 0, 100, 0);
    int wrapped = 0;
    for (int i = 0; i < MaxPieces; ++i) {
        const int s = 255 - int((model.pieceColor(i) >> 8) & 0xFF);
        EXPECT_TRUE((s >= 200 && s <= 255) || (s >= 0 && s <= 43)) << s;
        wrapped += s <= 43;
    }
    EXPECT_GT(wrapped, 0);
    EXPECT_LT(wrapped, MaxPieces);
}

TEST(SetPalette, NegativeSpreadsActAsTheirMagnitude)
{
    TangramModel negative, positive;
    SeedRandom(8);
    negative.SetPalette(0, 0, 255, 0, 0, 0, -100);
    SeedRandom(8);
    positive.SetPalette(0, 0, 255, 0, 0, 0, 100);
    for (int i = 0; i < MaxPieces; ++i)
        EXPECT_EQ(negative.pieceColor(i), positive.pieceColor(i));
}

TEST(SetPalette, ExtremeParametersKeepTheLowEightBits)
{
    TangramModel model;
    SeedRandom(8);
    model.SetPalette(0, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX);
    // ho INT32_MAX adds up past the int range; only the low 8 bits count.
    SeedRandom(8);
    const auto n = NextNumbers(3);
    const uint8_t v = uint8_t(uint32_t(INT32_MAX) + uint32_t(n[0] % INT32_MAX));
    const uint8_t s = uint8_t(uint32_t(INT32_MIN) + uint32_t(n[1]));
    const uint8_t h = uint8_t(uint32_t(INT32_MAX) + uint32_t(n[2]));
    const Rgb rgb = HsvToRgb(h, s, v);
    EXPECT_EQ(model.pieceColor(0), rgb.r + 256u * rgb.g + 65536u * rgb.b);
}

TEST(LabelColor, FollowsTheBackgroundWhenThePiecesDiffer)
{
    TangramModel model;
    const std::pair<ColorRef, ColorRef> cases[] = {
        {0x808080, 0x000000}, {0x7F7F7F, 0xFFFFFF}, {0xFFFFFF, 0x000000}, {0x000000, 0xFFFFFF},
        {0x0000FF, 0xFFFFFF}, {0x7F80FF, 0x000000}, {WorkspaceColor, 0xFFFFFF},
    };
    for (const auto& [background, label] : cases) {
        SeedRandom(2);
        model.SetPalette(background, 0, 255, 255, 256, 0, 0);
        ASSERT_NE(model.pieceColor(0), model.pieceColor(1));
        EXPECT_EQ(model.LabelColor(), label) << std::hex << background;
    }
    model.SetPalette(0xFFFFFF, 0, 255, 255, 0, 0, 0); // equal red pieces
    EXPECT_EQ(model.LabelColor(), 0x0000FFu);
}

TEST(SetPalette, NewModelPaintsRedOnBlack)
{
    TangramModel model;
    EXPECT_EQ(model.backgroundColor(), 0x000000u);
    EXPECT_EQ(model.pieceColor(0), 255u + 256u * 6);
}

} // namespace
