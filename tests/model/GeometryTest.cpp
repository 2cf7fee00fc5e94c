#include "ModelFixtures.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

using namespace zol;
using namespace zol::test;

namespace {

TEST(Geometry, NormalizeAngleKeepsEveryAngleIn0To719)
{
    const std::pair<int, int> cases[] = {{-1, 719},   {-720, 0},   {720, 0},       {1439, 719},
                                         {0, 0},      {-721, 719}, {INT32_MIN, 592}, {INT32_MAX, 127}};
    for (const auto& [a, expected] : cases)
        EXPECT_EQ(TangramModel::NormalizeAngle(a), expected) << a;
}

TEST(Geometry, RotateVectorTurnsClockwiseOnTheScreenWithTruncation)
{
    TangramModel model;
    struct Case {
        int x, y, a;
        Point expected;
    };
    const Case cases[] = {
        {512, 0, 180, {0, 512}},   {100, 0, 360, {-100, 0}}, {100, 0, 90, {70, 70}},
        {100, 0, 810, {70, 70}},   {100, 0, -630, {70, 70}}, {0, 100, 180, {-100, 0}},
        {-100, 0, 90, {-70, -70}}, // truncation toward zero, not down
        {1 << 20, 1 << 20, 90, {0, 1482752}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(model.RotateVector(c.x, c.y, c.a), c.expected) << c.x << "," << c.y << " by " << c.a;
}

struct TransformCase {
    const char* what;
    std::string pieceLine;
    std::string angleStep;
    PiecePlacement placement;
    std::vector<Point> polygon;
};

class Transform : public ::testing::TestWithParam<TransformCase> {};

TEST_P(Transform, GivesTheBoardPolygon)
{
    const TransformCase& c = GetParam();
    TangramModel model;
    InstallPieces(model, {c.pieceLine}, "0,0,0,1", c.angleStep);
    Place(model, 0, c.placement.x, c.placement.y, c.placement.angle, c.placement.flip);
    EXPECT_EQ(Polygon(model, 0), c.polygon) << c.what;
}

const std::string Square = "4,40,40,40,0,0,40,40,80,80,40";
const std::string LargeTriangle = "3,56,80,0,80,80,160,80,0";
const std::string SmallTriangle = "3,28,28,0,0,0,80,80,0";
// Vertex 0 lies on an axis-parallel edge from vertex 3, and the edge after
// vertex 1 is slanted: straightening slides vertex 0 itself.
const std::string SlidesUpright = "4,0,0,0,0,30,31,60,0,0,-10";
const std::string SlidesLevel = "4,0,0,0,0,31,30,60,0,-10,0";

INSTANTIATE_TEST_SUITE_P(
    Pieces, Transform,
    ::testing::Values(
        TransformCase{"square at angle 0 is a diamond about the pivot", Square, "90", {100, 200, 0, 1},
                      {{100, 160}, {60, 200}, {100, 240}, {140, 200}}},
        TransformCase{"large triangle at a snap angle is straightened", LargeTriangle, "90", {256, 256, 90, 1},
                      {{216, 216}, {216, 329}, {329, 216}}},
        TransformCase{"the same angle off the set's step is not", LargeTriangle, "7", {256, 256, 90, 1},
                      {{216, 216}, {216, 329}, {328, 216}}},
        TransformCase{"one unit past the snap angle is not", LargeTriangle, "90", {256, 256, 91, 1},
                      {{216, 216}, {216, 329}, {329, 217}}},
        TransformCase{"mirrored large triangle slides the other way", LargeTriangle, "90", {256, 256, 90, -1},
                      {{296, 296}, {183, 296}, {296, 183}}},
        TransformCase{"flip mirrors x before turning", SmallTriangle, "90", {0, 0, 0, -1},
                      {{28, -28}, {28, 52}, {-52, -28}}},
        TransformCase{"vertex slides along its upright incoming edge", SlidesUpright, "90", {100, 100, 0, 1},
                      {{100, 101}, {130, 131}, {160, 100}, {100, 90}}},
        TransformCase{"upright slide mirrored", SlidesUpright, "90", {100, 100, 0, -1},
                      {{100, 101}, {70, 131}, {40, 100}, {100, 90}}},
        TransformCase{"a slide is seen by the next edge", SlidesLevel, "90", {100, 100, 0, 1},
                      {{101, 100}, {131, 130}, {161, 100}, {90, 100}}},
        TransformCase{"slide seen by the next edge mirrored", SlidesLevel, "90", {100, 100, 0, -1},
                      {{99, 100}, {69, 130}, {39, 100}, {110, 100}}},
        TransformCase{"turned a quarter", SlidesLevel, "90", {100, 100, 180, 1},
                      {{100, 101}, {70, 131}, {100, 161}, {100, 90}}},
        TransformCase{"short diagonals are left alone", "3,0,0,0,0,20,21,40,0", "90", {0, 0, 0, 1},
                      {{0, 0}, {20, 21}, {40, 0}}},
        TransformCase{"legs two apart are no diagonal", "3,0,0,0,0,30,32,60,0", "90", {0, 0, 0, 1},
                      {{0, 0}, {30, 32}, {60, 0}}}),
    NamedByWhat());

TEST(Geometry, PointInRectTakesCornersInAnyOrderWithBordersIncluded)
{
    EXPECT_TRUE(TangramModel::PointInRect(300, 300, 100, 100, 100, 300));
    EXPECT_TRUE(TangramModel::PointInRect(100, 300, 300, 100, 300, 100));
    EXPECT_TRUE(TangramModel::PointInRect(5, 5, 5, 5, 5, 5));
    EXPECT_FALSE(TangramModel::PointInRect(300, 300, 100, 100, 99, 200));
    EXPECT_FALSE(TangramModel::PointInRect(300, 300, 100, 100, 200, 301));
}

class FigureBounds : public ::testing::Test {
protected:
    void SetUp() override { PlaceStartFigure(model); }
    void shiftAll(int dx, int dy)
    {
        Figure figure = model.currentFigure();
        for (int i = 0; i < 7; ++i) {
            figure.x[i] += dx;
            figure.y[i] += dy;
        }
        model.SetCurrentFigure(figure);
    }
    TangramModel model;
};

TEST_F(FigureBounds, ScalesTheSolvedSquare)
{
    EXPECT_EQ(model.FigureBounds(0.25), (Rect{44, 44, 84, 84}));
    EXPECT_EQ(model.FigureBounds(1.0), (Rect{127, 127, 336, 336})); // left and top never above 127
}

TEST_F(FigureBounds, ZoomsAboutTheCentreOfTheDrawnArea)
{
    model.setZoomPercent(200);
    EXPECT_EQ(model.FigureBounds(0.25), (Rect{24, 24, 104, 104}));
    model.setZoomPercent(25);
    EXPECT_EQ(model.FigureBounds(0.25), (Rect{59, 59, 69, 69}));
}

TEST_F(FigureBounds, StartsFromTheExtremesOfA128PixelImage)
{
    shiftAll(400, 0); // wholly right of the image
    EXPECT_EQ(model.FigureBounds(0.25), (Rect{127, 44, 184, 84}));
    shiftAll(-800, -400); // wholly left of and above it
    EXPECT_EQ(model.FigureBounds(0.25), (Rect{-56, -56, 0, 0}));
}

TEST_F(FigureBounds, TruncatesTowardZero)
{
    shiftAll(-177, -178); // the square spans -1..159 and -2..158
    EXPECT_EQ(model.FigureBounds(0.25), (Rect{0, 0, 39, 39}));
}

} // namespace
