#include "ModelFixtures.h"

#include "model/Random.h"
#include "model/TangramModel.h"
#include "model/colour/PaletteBars.h"
#include "model/colour/PreviewLayout.h"

#include <gtest/gtest.h>

using namespace zol;

namespace {

using Bars = PaletteBarPositions;

struct OpeningCase {
    int tag;
    Bars bars;
};

TEST(PaletteBars, OpeningOnEachFixedSet)
{
    const OpeningCase cases[] = {
        {0, {255, 255, 255, 255, 255, 255}}, {1, {255, 255, 255, 255, 0, 0}}, {2, {55, 0, 83, 0, 99, 0}},
        {3, {89, 61, 83, 0, 99, 0}},         {4, {227, 190, 83, 0, 109, 38}}, {5, {0, 0, 0, 0, 127, 0}},
        {6, {255, 255, 255, 255, 255, 255}},
    };
    for (const OpeningCase& c : cases) {
        const PaletteParams& p = FixedPalettes()[c.tag].params;
        EXPECT_EQ(BarsFromParams(p), c.bars) << FixedPalettes()[c.tag].caption;
        EXPECT_EQ(ParamsFromBars(c.bars, p.bgcolor), p) << FixedPalettes()[c.tag].caption;
    }
}

TEST(PaletteBars, WrappedHueRangeSurvivesAReopen)
{
    const Bars bars{255 - 200, 255 - 40, 0, 0, 0, 0};
    const PaletteParams p = ParamsFromBars(bars, 0);
    EXPECT_EQ(p.ho, 200);
    EXPECT_EQ(p.hr, 96);
    EXPECT_EQ(BarsFromParams(p), bars);
}

TEST(PaletteBars, EveryRecordTheBarsCanShowReadsBackUnchanged)
{
    // Hue offsets near the top once snapped onto a bar still at 0 when the
    // dialog set its bars one by one; whole records must come back.
    for (int h1 = 0; h1 < 256; h1 += 3)
        for (int h2 = 0; h2 < 256; h2 += 5) {
            if (h1 != h2 && std::abs(h1 - h2) < HueBarGap)
                continue;
            for (int s1 = 0; s1 < 256; s1 += 51)
                for (int s2 = s1; s2 < 256; s2 += 37) {
                    const Bars bars{h1, h2, s2, s1, s2, s1}; // second bars never above the first
                    const PaletteParams p = ParamsFromBars(bars, 0xFFFFFF);
                    ASSERT_GE(p.sr, 0);
                    ASSERT_EQ(BarsFromParams(p), bars) << h1 << "," << h2 << "," << s1 << "," << s2;
                }
        }
}

TEST(PaletteBars, OutOfRangeRecordsAreHeldToTheBars)
{
    const Bars bars = BarsFromParams({0, -40, 0, 200, 100, 600, 7});
    EXPECT_EQ(bars.h1, 255);
    EXPECT_EQ(bars.s1, 55);
    EXPECT_EQ(bars.s2, 0); // 200 + 100 is above the top
    EXPECT_EQ(bars.v1, 0);
    EXPECT_EQ(bars.v2, 0);
}

struct CouplingCase {
    const char* name;
    Bars before;
    PaletteBar moved;
    Bars after;
};

TEST(PaletteBars, Coupling)
{
    const CouplingCase cases[] = {
        {"hue 2 within 7 below snaps", {100, 107, 0, 0, 0, 0}, PaletteBar::H2, {100, 100, 0, 0, 0, 0}},
        {"hue 2 within 7 above snaps", {100, 93, 0, 0, 0, 0}, PaletteBar::H2, {100, 100, 0, 0, 0, 0}},
        {"hue 2 at 8 stays", {100, 108, 0, 0, 0, 0}, PaletteBar::H2, {100, 108, 0, 0, 0, 0}},
        {"hue 1 within 7 snaps", {105, 100, 0, 0, 0, 0}, PaletteBar::H1, {100, 100, 0, 0, 0, 0}},
        {"hue 1 at 8 stays", {92, 100, 0, 0, 0, 0}, PaletteBar::H1, {92, 100, 0, 0, 0, 0}},
        {"sat 1 up pushes sat 2", {0, 0, 50, 80, 0, 0}, PaletteBar::S1, {0, 0, 50, 50, 0, 0}},
        {"sat 1 down leaves sat 2", {0, 0, 90, 80, 0, 0}, PaletteBar::S1, {0, 0, 90, 80, 0, 0}},
        {"sat 2 down pulls sat 1", {0, 0, 100, 120, 0, 0}, PaletteBar::S2, {0, 0, 120, 120, 0, 0}},
        {"val 1 up pushes val 2", {0, 0, 0, 0, 10, 30}, PaletteBar::V1, {0, 0, 0, 0, 10, 10}},
        {"val 2 down pulls val 1", {0, 0, 0, 0, 10, 30}, PaletteBar::V2, {0, 0, 0, 0, 30, 30}},
        {"val 2 up leaves val 1", {0, 0, 0, 0, 30, 10}, PaletteBar::V2, {0, 0, 0, 0, 30, 10}},
    };
    for (const CouplingCase& c : cases)
        EXPECT_EQ(CoupleBars(c.before, c.moved), c.after) << c.name;
}

TEST(PaletteBars, SnappedHueBarsGiveOneHue)
{
    const PaletteParams p = ParamsFromBars(CoupleBars({100, 104, 0, 0, 0, 0}, PaletteBar::H2), 0);
    EXPECT_EQ(p.ho, 155);
    EXPECT_EQ(p.hr, 0);
}

TEST(PreviewLayout, WindsOutwardInSquaresOfTwoThreeAndFour)
{
    const auto& rects = PreviewLayout();
    EXPECT_EQ(rects[0], (PreviewRect{90, 63, 92, 65}));
    for (int i = 0; i < PreviewSquares; ++i) {
        const int side = i < 99 ? 2 : i < 199 ? 3 : 4;
        EXPECT_EQ(rects[i].right - rects[i].left, side) << i;
        EXPECT_EQ(rects[i].bottom - rects[i].top, side) << i;
        EXPECT_GE(rects[i].left, 0) << i;
        EXPECT_GE(rects[i].top, 0) << i;
        EXPECT_LE(rects[i].right, PreviewWidth) << i;
        EXPECT_LE(rects[i].bottom, PreviewHeight) << i;
    }
    const double lastRadius = std::hypot(rects[255].left - 91, rects[255].top - 63);
    EXPECT_NEAR(lastRadius, 64, 2);
}

TEST(PreviewColours, SameSequenceAsThePaletteGenerator)
{
    for (const FixedPalette& set : FixedPalettes()) {
        const PaletteParams& p = set.params;
        TangramModel model;
        SeedRandom(2024);
        model.SetPalette(p.bgcolor, p.ho, p.so, p.vo, p.hr, p.sr, p.vr);
        SeedRandom(2024);
        const std::vector<uint32_t> preview = PreviewColours(p);
        ASSERT_EQ(preview.size(), 256u);
        for (int i = 0; i < MaxPieces; ++i)
            EXPECT_EQ(preview[i], model.pieceColor(i)) << set.caption << " " << i;
    }
}

} // namespace
