#include "ModelFixtures.h"

#include <gtest/gtest.h>

using namespace zol;
using namespace zol::test;

namespace {

const std::string Square40 = "4,0,0,0,0,40,0,40,40,0,40";
const std::string Triangle = "3,0,0,0,0,40,0,0,40";

// Three squares: 0 and 1 overlap, 2 stands apart.
class Manipulation : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallPieces(model, {Square40, Square40, Square40}, "0,0,0,1,0,0,0,1,0,0,0,1");
        Place(model, 0, 100, 100);
        Place(model, 1, 120, 120);
        Place(model, 2, 300, 200);
        UseWhiteOnBlack(model);
    }
    void pick(int x, int y, bool select)
    {
        QImage board = Bitmap(BoardSize);
        model.PickPiece(x, y, board, select);
    }
    std::vector<int> order() const
    {
        return {model.drawOrder().begin(), model.drawOrder().begin() + model.pieceCount()};
    }

    TangramModel model;
};

TEST_F(Manipulation, PickTakesTheTopmostPieceAndBringsItToTheTop)
{
    ASSERT_EQ(order(), (std::vector<int>{2, 1, 0}));
    pick(130, 130, true);
    EXPECT_EQ(model.selection(), 0);
    pick(150, 150, true);
    EXPECT_EQ(model.selection(), 1);
    EXPECT_EQ(order(), (std::vector<int>{2, 0, 1}));
    pick(130, 130, true);
    EXPECT_EQ(model.selection(), 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(model.groupFlag(i));
}

TEST_F(Manipulation, PickOnEmptyBoardTakesTheWholeFigure)
{
    model.SelectInRect(299, 199, 301, 201);
    pick(5, 5, true);
    EXPECT_EQ(model.selection(), -2);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(model.groupFlag(i));
    EXPECT_EQ(order(), (std::vector<int>{1, 0, 2}));
    model.MoveSelection(3, -4);
    EXPECT_EQ(model.currentFigure().x[2], 303);
    EXPECT_EQ(model.currentFigure().y[0], 96);
}

TEST_F(Manipulation, PickWithoutSelectSendsThePieceToTheBottom)
{
    pick(130, 130, false);
    EXPECT_EQ(model.selection(), -1);
    EXPECT_EQ(order(), (std::vector<int>{0, 2, 1}));
    pick(5, 5, false);
    EXPECT_EQ(model.selection(), -1);
    EXPECT_EQ(order(), (std::vector<int>{0, 2, 1}));
}

TEST_F(Manipulation, PickSeesTheZoomedPictureAndKeepsThePalette)
{
    model.setZoomPercent(200);
    pick(356, 156, true); // piece 2's corner (306, 206) drawn at 200 %
    EXPECT_EQ(model.selection(), 2);
    EXPECT_EQ(model.pieceColor(2), White);
    EXPECT_EQ(model.backgroundColor(), 0x000000u);
}

TEST_F(Manipulation, PickSeesTheBoardUpToItsEdgesAndNothingBeyond)
{
    Place(model, 0, 472, 0);   // covers x 472..511, y 0..39
    Place(model, 1, 0, 472);   // covers x 0..39, y 472..511
    const struct Case {
        int x, y, selection;
    } cases[] = {
        {511, 10, 0}, {512, 10, -2}, {480, 0, 0}, {480, -1, -2},
        {0, 480, 1},  {-1, 480, -2}, {10, 511, 1}, {10, 512, -2},
    };
    for (const Case& c : cases) {
        pick(c.x, c.y, true);
        EXPECT_EQ(model.selection(), c.selection) << c.x << "," << c.y;
    }
}

TEST_F(Manipulation, RubberBandSelectsByVertices)
{
    model.SelectInRect(340, 240, 330, 230); // piece 2's corner (340, 240) alone
    EXPECT_EQ(model.selection(), 2);
    EXPECT_FALSE(model.groupFlag(0));
    EXPECT_TRUE(model.groupFlag(2));

    model.SelectInRect(145, 145, 155, 155); // covers no vertex, only area
    EXPECT_EQ(model.selection(), -1);

    model.SelectInRect(90, 90, 120, 120); // vertices of pieces 0 and 1
    EXPECT_EQ(model.selection(), -2);
    EXPECT_TRUE(model.groupFlag(0));
    EXPECT_TRUE(model.groupFlag(1));
    EXPECT_FALSE(model.groupFlag(2));
    EXPECT_EQ(order(), (std::vector<int>{2, 0, 1})); // the highest index on top
}

TEST_F(Manipulation, RubberBandIgnoresTheZoom)
{
    model.setZoomPercent(200);
    model.SelectInRect(340, 240, 340, 240);
    EXPECT_EQ(model.selection(), 2);
}

TEST_F(Manipulation, MoveShiftsOnlyTheSelection)
{
    model.MoveSelection(5, 5); // nothing selected
    model.SelectInRect(340, 240, 340, 240);
    model.MoveSelection(-7, 9);
    EXPECT_EQ(model.currentFigure().x[2], 293);
    EXPECT_EQ(model.currentFigure().y[2], 209);
    EXPECT_EQ(model.currentFigure().x[0], 100);
    EXPECT_EQ(model.currentFigure().x[1], 120);
    ExpectPolygonsMatchPlacements(model);
}

TEST_F(Manipulation, MoveStopsAtTheCoordinateBound)
{
    model.SelectInRect(340, 240, 340, 240);
    model.MoveSelection(INT32_MAX, INT32_MIN);
    model.MoveSelection(INT32_MAX, INT32_MIN);
    EXPECT_EQ(model.currentFigure().x[2], CoordinateLimit);
    EXPECT_EQ(model.currentFigure().y[2], -CoordinateLimit);
    ExpectPolygonsMatchPlacements(model);
}

TEST_F(Manipulation, SelectionCentreIsTheTruncatedMeanOfTheGroup)
{
    Place(model, 0, -3, 7);
    Place(model, 1, 0, 0);
    model.SelectInRect(-100, -100, 40, 40); // pieces 0 and 1
    EXPECT_EQ(model.SelectionCentre(), (Point{-1, 3}));
    model.SelectInRect(1000, 1000, 1001, 1001);
    EXPECT_EQ(model.SelectionCentre(), (Point{0, 0}));
}

TEST_F(Manipulation, RotateTurnsASinglePieceAboutItsPivot)
{
    Place(model, 2, 300, 200, 700);
    model.SelectInRect(300, 200, 300, 200);
    model.RotateSelection(30);
    EXPECT_EQ(model.currentFigure().angle[2], 10);
    model.RotateSelection(-20);
    EXPECT_EQ(model.currentFigure().angle[2], 710);
    EXPECT_EQ(model.currentFigure().x[2], 300);
    EXPECT_EQ(model.boardPolygon(2)[0], (Point{300, 200}));
    ExpectPolygonsMatchPlacements(model);
}

TEST_F(Manipulation, GroupTurnIsRecomputedFromTheSnapshotEachStep)
{
    model.SelectInRect(0, 0, 511, 511);
    const Figure before = model.currentFigure();
    const Point centre = model.SelectionCentre();

    model.RotateSelection(10);
    const Figure once = model.currentFigure();
    for (int i = 0; i < 3; ++i) {
        const Point r = model.RotateVector(before.x[i] - centre.x, before.y[i] - centre.y, 10);
        EXPECT_EQ(once.x[i], centre.x + r.x);
        EXPECT_EQ(once.y[i], centre.y + r.y);
        EXPECT_EQ(once.angle[i], 10);
    }
    model.RotateSelection(-10);
    EXPECT_EQ(model.currentFigure(), before);

    // Ten single steps land where one step of ten does: rounding never adds up.
    for (int k = 0; k < 10; ++k)
        model.RotateSelection(1);
    EXPECT_EQ(model.currentFigure(), once);
    ExpectPolygonsMatchPlacements(model);
}

TEST_F(Manipulation, EndRotationStartsTheNextTurnFromWhereThePiecesAre)
{
    model.SelectInRect(0, 0, 511, 511);
    model.RotateSelection(100);
    model.EndRotation();
    model.MoveSelection(50, 0);
    const Figure moved = model.currentFigure();
    model.RotateSelection(5);
    model.RotateSelection(-5);
    EXPECT_EQ(model.currentFigure(), moved);
}

TEST_F(Manipulation, GroupTurnLeavesTheOtherPiecesAndFlipsAlone)
{
    Place(model, 1, 120, 120, 0, -1.0);
    model.SelectInRect(90, 90, 120, 120); // pieces 0 and 1
    model.RotateSelection(180);
    EXPECT_EQ(model.currentFigure().flip[1], -1.0);
    EXPECT_EQ(model.currentFigure().x[2], 300);
    EXPECT_EQ(model.currentFigure().angle[2], 0);
}

struct SnapCase {
    std::string step;
    int angle;
    int snapped;
};

class SnapSingle : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapSingle, RoundsToTheAngleStep)
{
    const SnapCase& c = GetParam();
    TangramModel model;
    InstallPieces(model, {Triangle}, "0,0,0,1", c.step);
    Place(model, 0, 100, 100, c.angle);
    model.SelectInRect(100, 100, 100, 100);
    model.SnapSelectionAngle();
    EXPECT_EQ(model.currentFigure().angle[0], c.snapped) << "step " << c.step << " angle " << c.angle;
    ExpectPolygonsMatchPlacements(model);
}

INSTANTIATE_TEST_SUITE_P(Angles, SnapSingle,
                         ::testing::Values(SnapCase{"90", 44, 0}, SnapCase{"90", 45, 90}, SnapCase{"90", 700, 0},
                                           SnapCase{"90", 634, 630}, SnapCase{"60", 29, 0}, SnapCase{"60", 30, 60},
                                           SnapCase{"1", 397, 397}, SnapCase{"7", 5, 7},
                                           // a step that does not divide the turn wraps past 720
                                           SnapCase{"7", 719, 1}),
                         [](const auto& info) {
                             return "Step" + info.param.step + "Angle" + std::to_string(info.param.angle);
                         });

TEST_F(Manipulation, SnapTurnsTheGroupSoItsBottomPieceLandsOnTheStep)
{
    Place(model, 0, 100, 100, 100);
    Place(model, 1, 120, 120, 30);
    Place(model, 2, 300, 200, 200);
    model.SelectInRect(90, 90, 120, 120); // pieces 0 and 1; 0 is the lower
    ASSERT_EQ(order(), (std::vector<int>{2, 0, 1}));
    const Figure before = model.currentFigure();
    const Point centre = model.SelectionCentre();
    model.SnapSelectionAngle();
    const Figure& after = model.currentFigure();
    EXPECT_EQ(after.angle[0], 90);
    EXPECT_EQ(after.angle[1], 20);
    EXPECT_EQ(after.angle[2], 200);
    const Point r = model.RotateVector(before.x[1] - centre.x, before.y[1] - centre.y, -10);
    EXPECT_EQ(after.x[1], centre.x + r.x);
    EXPECT_EQ(after.y[1], centre.y + r.y);
    ExpectPolygonsMatchPlacements(model);
}

TEST_F(Manipulation, FlippingASinglePieceMirrorsItAboutItsPivot)
{
    InstallPieces(model, {Triangle}, "0,0,0,1");
    Place(model, 0, 200, 100, 30);
    model.SelectInRect(200, 100, 200, 100);
    const Figure before = model.currentFigure();
    model.FlipSelection();
    EXPECT_EQ(model.currentFigure().flip[0], -1.0);
    EXPECT_EQ(model.currentFigure().angle[0], 690);
    EXPECT_EQ(model.currentFigure().x[0], 200);
    Place(model, 0, 200, 100, 0, -1.0);
    EXPECT_EQ(Polygon(model, 0), (std::vector<Point>{{200, 100}, {160, 100}, {200, 140}}));
    model.SetCurrentFigure(before);
    model.SelectInRect(200, 100, 200, 100);
    model.FlipSelection();
    model.FlipSelection();
    EXPECT_EQ(model.currentFigure(), before);
}

TEST_F(Manipulation, FlippingAGroupMirrorsItAboutItsCentre)
{
    Place(model, 1, 122, 120, 90);
    model.SelectInRect(90, 90, 122, 120); // pieces 0 and 1; centre x 111
    const Figure before = model.currentFigure();
    model.FlipSelection();
    const Figure& after = model.currentFigure();
    EXPECT_EQ(after.x[0], 122);
    EXPECT_EQ(after.x[1], 100);
    EXPECT_EQ(after.angle[1], 630);
    EXPECT_EQ(after.flip[0], -1.0);
    EXPECT_EQ(after.x[2], 300);
    EXPECT_EQ(after.flip[2], 1.0);
    ExpectPolygonsMatchPlacements(model);
    model.FlipSelection();
    EXPECT_EQ(model.currentFigure(), before);
}

TEST_F(Manipulation, NothingHappensWithoutASelection)
{
    const ModelState before = Capture(model);
    model.FlipSelection();
    model.RotateSelection(10);
    model.SnapSelectionAngle();
    model.MoveSelection(1, 1);
    EXPECT_EQ(Capture(model), before);
}

} // namespace
