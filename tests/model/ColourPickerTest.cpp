#include "model/colour/ColourPick.h"
#include "model/colour/PickerView.h"

#include <gtest/gtest.h>

using namespace zol;

namespace {

struct RgbHsvCase {
    Rgb rgb;
    Hsv hsv;
};

TEST(RgbToHsv, Examples)
{
    const RgbHsvCase cases[] = {
        {{255, 0, 0}, {0, 255, 255}},     {{255, 255, 0}, {42, 255, 255}},  {{0, 255, 0}, {85, 255, 255}},
        {{0, 255, 255}, {127, 255, 255}}, {{0, 0, 255}, {170, 255, 255}},   {{255, 0, 255}, {213, 255, 255}},
        {{128, 128, 128}, {0, 0, 128}},   {{0, 0, 0}, {0, 0, 0}},           {{255, 128, 0}, {21, 255, 255}},
        {{128, 0, 255}, {192, 255, 255}}, {{255, 255, 255}, {0, 0, 255}},   {{200, 100, 100}, {0, 128, 200}},
        {{100, 200, 150}, {106, 128, 200}},
    };
    for (const RgbHsvCase& c : cases) {
        const Hsv hsv = RgbToHsv(c.rgb.r, c.rgb.g, c.rgb.b);
        EXPECT_EQ(hsv, c.hsv) << int(c.rgb.r) << "," << int(c.rgb.g) << "," << int(c.rgb.b) << " gave " << int(hsv.h)
                              << "," << int(hsv.s) << "," << int(hsv.v);
    }
}

struct TurnCase {
    int x, y, angle;
    TurnedPoint expected;
};

TEST(PickerTurn, QuarterTurnsAndTruncationTowardZero)
{
    const TurnCase cases[] = {
        {100, 0, 0, {100, 0}},  {100, 0, 64, {0, 100}}, {100, 0, 128, {-100, 0}}, {0, 100, 64, {-100, 0}},
        {100, 0, 256, {100, 0}}, {3, 0, 32, {2, 2}},    {-3, 0, 32, {-2, -2}},    {0, 255, 128, {0, -255}},
    };
    for (const TurnCase& c : cases)
        EXPECT_EQ(Turn(c.x, c.y, c.angle), c.expected) << c.x << "," << c.y << " by " << c.angle;
}

TEST(PickerCosines, ScaledBy512AndAHalfTruncated)
{
    const auto& cosT = PickerCosines();
    EXPECT_EQ(cosT[0], 512);
    EXPECT_EQ(cosT[64], 0);
    EXPECT_EQ(cosT[128], -512);
    EXPECT_EQ(cosT[192], 0);
    EXPECT_EQ(cosT[32], 362);
    EXPECT_EQ(cosT[80], -196);
}

TColors Table(std::initializer_list<std::pair<const char*, Rgb>> entries)
{
    TColors colours;
    for (const auto& [name, rgb] : entries)
        colours.push_back(MakeNamedColour(name, rgb));
    return colours;
}

const TColors WhiteRedBlack = Table({{"white", {255, 255, 255}}, {"red", {255, 0, 0}}, {"black", {0, 0, 0}}});

TEST(PickerProjection, WhiteAndBlackAtTheTopAndBottomOfTheAxis)
{
    for (int sbx : {0, 77, 255}) {
        const PickerProjection view = ProjectColours(WhiteRedBlack, {sbx, 0, 20});
        EXPECT_EQ(view.squares[0].sx, 128) << sbx;
        EXPECT_EQ(view.squares[0].sy, 19) << sbx;
        EXPECT_EQ(view.squares[0].size, 7) << sbx;
        EXPECT_EQ(view.squares[2].sx, 128) << sbx;
        EXPECT_EQ(view.squares[2].sy, 237) << sbx;
        EXPECT_EQ(view.squares[2].size, 7) << sbx;
    }
}

TEST(PickerProjection, GreysStayOnTheAxisWhateverTheBars)
{
    const TColors greys = Table({{"grey", {128, 128, 128}}, {"silver", {192, 192, 192}}});
    for (const PickerBars bars : {PickerBars{0, 0, 10}, PickerBars{128, 128, 20}, PickerBars{255, 200, 100}})
        for (const ColourSquare& q : ProjectColours(greys, bars).squares)
            EXPECT_EQ(q.sx, 128) << bars.sbx << "," << bars.sby << "," << bars.sbz;
}

TEST(PickerProjection, RedTurnsWithTheHorizontalBar)
{
    const auto red = [](int sbx, int sby) { return ProjectColours(WhiteRedBlack, {sbx, sby, 20}).squares[1]; };
    EXPECT_EQ(red(0, 0).sx, 237);
    EXPECT_EQ(red(0, 0).sy, 115);
    EXPECT_EQ(red(0, 0).size, 7);
    EXPECT_EQ(red(64, 0).sx, 19); // half a turn: the other side of the axis
    EXPECT_EQ(red(0, 32).nearness, 632);
    EXPECT_EQ(red(0, 32).sx, 243);
}

TEST(PickerProjection, ZoomDoublesDistancesButNotSizes)
{
    const TColors colours = Table({{"a", {255, 0, 0}}, {"b", {40, 200, 90}}, {"c", {10, 10, 250}}, {"d", {250, 250, 250}}});
    const PickerProjection near = ProjectColours(colours, {30, 100, 20});
    const PickerProjection far = ProjectColours(colours, {30, 100, 40});
    for (size_t i = 0; i < colours.size(); ++i) {
        EXPECT_NEAR(far.squares[i].sx - 128, 2 * (near.squares[i].sx - 128), 1) << i;
        EXPECT_NEAR(128 - far.squares[i].sy, 2 * (128 - near.squares[i].sy), 1) << i;
        EXPECT_EQ(far.squares[i].size, near.squares[i].size) << i;
    }
}

TEST(PickerProjection, DrawsFarthestFirstAndKeepsTableOrderOnTies)
{
    // Tilted a quarter turn the solid shows its top: white nearest, black farthest.
    EXPECT_EQ(ProjectColours(WhiteRedBlack, {0, 32, 20}).order, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(ProjectColours(WhiteRedBlack, {0, 0, 20}).order, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(ProjectColours({}, {}).order.empty());
}

TEST(PickerProjection, PointerArrowTailPointsAwayFromTheMiddle)
{
    const auto arrow = PointerArrow({200, 50, 0, 6}); // centre (203, 53): upper right
    const std::array<TurnedPoint, 7> expected = {
        {{203, 53}, {205, 45}, {205, 51}, {211, 51}, {203, 53}, {213, 43}, {203, 53}}};
    EXPECT_EQ(arrow, expected);
    const auto lowerLeft = PointerArrow({20, 200, 0, 4}); // centre (22, 202)
    EXPECT_EQ(lowerLeft[5], (TurnedPoint{12, 212}));
}

TEST(PickerProjection, SquareAtFindsTheTopmostSquare)
{
    PickerProjection view;
    view.squares = {{10, 10, 600, 7}, {12, 12, 700, 8}};
    view.order = {0, 1};
    EXPECT_EQ(SquareAt(view, 11, 11), 0);
    EXPECT_EQ(SquareAt(view, 13, 13), 1); // both cover it; 1 is nearer
    EXPECT_EQ(SquareAt(view, 19, 19), 1);
    EXPECT_EQ(SquareAt(view, 20, 20), -1); // right and bottom edges are outside
    EXPECT_TRUE(IsFieldClick(view, PickerGrey, 30, 30));
    EXPECT_FALSE(IsFieldClick(view, PickerGrey, 11, 11)); // a grey named colour
    EXPECT_FALSE(IsFieldClick(view, 0x0000FF, 30, 30));
}

TEST(ColourPick, ListsEveryNameOfTheValueAndSelectsTheLast)
{
    const TColors colours = Table({{"white", {255, 255, 255}}, {"aqua", {0, 255, 255}}, {"red", {255, 0, 0}},
                                   {"cyan", {0, 255, 255}}});
    ColourPick pick;
    PickColour(pick, colours, 0xFFFF00);
    EXPECT_EQ(pick.label, "R:0 G:255 B:255 (H:127 S:255 V:255)\naqua\ncyan\n");
    EXPECT_EQ(pick.selected, 3);
    EXPECT_EQ(pick.chosen, 0xFFFF00u);
    EXPECT_EQ(pick.swatch, 0xFFFF00u);
}

TEST(ColourPick, AnUnnamedColourChangesOnlyTheSwatch)
{
    const TColors colours = Table({{"red", {255, 0, 0}}});
    ColourPick pick;
    EXPECT_EQ(pick.label, "DATA");
    PickColour(pick, colours, 0x0000FF);
    const ColourPick named = pick;
    PickColour(pick, colours, 0x123456);
    EXPECT_EQ(pick.swatch, 0x123456u);
    EXPECT_EQ(pick.label, named.label);
    EXPECT_EQ(pick.selected, 0);
    EXPECT_EQ(pick.chosen, 0x0000FFu);
}

} // namespace
