#include "ModelFixtures.h"
#include "support/CaseNames.h"

#include "model/CommaList.h"
#include "model/PlacementLine.h"
#include "model/Random.h"

#include <gtest/gtest.h>

using namespace zol;
using namespace zol::test;

namespace {

const std::string Triangle = "3,0,0,0,0,10,0,0,10";

std::string PieceWithVertices(int n)
{
    std::string line = std::to_string(n) + ",0,0";
    for (int j = 0; j < n; ++j)
        line += "," + std::to_string(j) + ",0";
    return line;
}

std::string PlacementsFor(int pieces)
{
    std::string line;
    for (int i = 0; i < pieces; ++i)
        line += (i ? "," : "") + std::string("0,0,0,1");
    return line;
}

TEST(BuiltInSet, FreshModelHoldsTheScatteredSevenPiecesAndAnEmptyList)
{
    TangramModel model;
    EXPECT_EQ(model.pieceSet().name, "tan");
    EXPECT_EQ(model.pieceCount(), 7);
    EXPECT_EQ(model.pieceSet().angleStep, 90);
    EXPECT_EQ(model.pieceSet().displayName, "\x83\x5e\x83\x93\x83\x4f\x83\x89\x83\x80"); // タングラム in CP932
    EXPECT_EQ(model.currentFigure().caption, "\x96\xbc\x8f\xcc\x96\xa2\x90\xdd\x92\xe8"); // 名称未設定
    EXPECT_EQ(model.figureLines(), std::vector<std::string>{"tan"});
    EXPECT_EQ(model.figureCount(), 0);
    EXPECT_EQ(model.documentPath(), "新しいファイル");
    EXPECT_FALSE(model.modified());
    EXPECT_EQ(model.drawOrder()[0], 6);
    EXPECT_EQ(model.drawOrder()[6], 0);
    ExpectPolygonsMatchPlacements(model);
}

TEST(BuiltInSet, StartPlacementsAreReadWithTheLayoutOffset)
{
    TangramModel model;
    const Figure& start = model.startFigure();
    EXPECT_EQ(start.x[0], 204);
    EXPECT_EQ(start.y[0], 204);
    EXPECT_EQ(start.x[1], 296);
    EXPECT_EQ(start.y[1], 190);
    PlaceStartFigure(model);
    EXPECT_EQ(model.FormatPlacementLine().substr(0, 32), "204,204,0,1,296,190,0,1,256,216,");
}

TEST(BuiltInSet, StartFigureIsTheSolvedSquare)
{
    TangramModel model;
    PlaceStartFigure(model);
    Rect span{1000, 1000, -1000, -1000};
    for (int i = 0; i < model.pieceCount(); ++i) {
        for (const Point& p : Polygon(model, i)) {
            span.left = std::min(span.left, p.x);
            span.top = std::min(span.top, p.y);
            span.right = std::max(span.right, p.x);
            span.bottom = std::max(span.bottom, p.y);
        }
    }
    EXPECT_EQ(span, (Rect{176, 176, 336, 336}));
}

TEST(BuiltInSet, ResetScattersEveryPieceAwayFromTheCentreWithOneNumberForXThenOneForY)
{
    TangramModel model;
    SeedRandom(7);
    std::vector<int> numbers;
    for (int i = 0; i < 14; ++i)
        numbers.push_back(NextRandom());
    SeedRandom(7);
    model.ResetFigure();
    const Figure& start = model.startFigure();
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(model.currentFigure().x[i], start.x[i] + numbers[2 * i] % 16 + (start.x[i] - 256) / 4 - 8);
        EXPECT_EQ(model.currentFigure().y[i], start.y[i] + numbers[2 * i + 1] % 16 + (start.y[i] - 256) / 4 - 8);
        EXPECT_EQ(model.currentFigure().angle[i], 0);
        EXPECT_TRUE(model.groupFlag(i));
    }
    EXPECT_EQ(model.selection(), -1);
    ExpectPolygonsMatchPlacements(model);
}

TEST(SetParser, InstallsPiecesWithTheirPivotsAndReplacesTheSetLines)
{
    TangramModel model;
    const auto lines = SetLines({Triangle, "4,5,5,0,0,10,0,10,10,0,10"}, "1,2,90,-1,3,4,0,1", "60");
    model.InstallSetLines(lines, TextEncoding::Utf8);
    EXPECT_EQ(model.setLines(), lines);
    EXPECT_EQ(model.setEncoding(), TextEncoding::Utf8);
    EXPECT_EQ(model.pieceCount(), 2);
    EXPECT_EQ(model.pieceSet().angleStep, 60);
    EXPECT_EQ(model.pieceSet().displayName, "test set");
    const PieceShape& square = model.pieceSet().shapes[1];
    EXPECT_EQ(square.vertexCount, 4);
    EXPECT_EQ(square.pivotX, 5);
    EXPECT_EQ(square.pivotY, 5);
    EXPECT_EQ(square.x[2], 10);
    EXPECT_EQ(square.y[3], 10);
    EXPECT_EQ(model.startFigure().placement(0).x, 177);
    EXPECT_EQ(model.startFigure().placement(0).y, 178);
    EXPECT_EQ(model.startFigure().placement(0).angle, 90);
    EXPECT_EQ(model.startFigure().placement(0).flip, -1.0);
    EXPECT_EQ(model.drawOrder()[0], 1);
    EXPECT_EQ(model.drawOrder()[1], 0);
    ExpectPolygonsMatchPlacements(model);
}

TEST(SetParser, TurnsAPieceAboutItsPivotEvenWhenThatIsAVertex)
{
    TangramModel model;
    InstallPieces(model, {Triangle}, "0,0,0,1");
    for (int angle : {0, 37, 90, 500}) {
        Place(model, 0, 50, 60, angle);
        EXPECT_EQ(model.boardPolygon(0)[0], (Point{50, 60})) << "angle " << angle;
    }
}

TEST(SetParser, AcceptsTheLimitsOfTheDataModel)
{
    TangramModel model;
    std::vector<std::string> pieces(32, PieceWithVertices(63));
    EXPECT_NO_THROW(model.InstallSetLines(SetLines(pieces, PlacementsFor(32), "1"), TextEncoding::Cp932));
    EXPECT_EQ(model.pieceCount(), 32);
    EXPECT_EQ(model.polygonSize(31), 63);
    const std::string far = std::to_string(CoordinateLimit);
    const std::string farStart = std::to_string(CoordinateLimit - StartOffset);
    EXPECT_NO_THROW(model.InstallSetLines(SetLines({"1," + far + ",-" + far + "," + far + "," + far},
                                                   farStart + ",-" + far + "," + far + ",1"),
                                          TextEncoding::Cp932));
}

// The scatter moves a piece a quarter of its distance from the centre further
// out; the board figure must still save into a line that loads.
TEST(SetParser, TheScatteredStartOfAFarSetSavesIntoALineThatLoads)
{
    TangramModel model;
    const std::string farStart = std::to_string(CoordinateLimit - StartOffset);
    model.InstallSetLines(SetLines({Triangle, Triangle}, farStart + "," + farStart + ",0,1,-" +
                                                             std::to_string(CoordinateLimit) + ",0,0,1"),
                          TextEncoding::Cp932);
    for (int i = 0; i < 20; ++i) {
        model.ResetFigure();
        const Figure back = PlacementsFromValues(ParseCommaList(model.FormatPlacementLine()), 2, 0);
        EXPECT_EQ(back.x[0], CoordinateLimit);
        EXPECT_EQ(back.y[0], CoordinateLimit);
        EXPECT_EQ(back.x[1], -CoordinateLimit);
    }
}

struct BadSet {
    const char* what;
    std::vector<std::string> lines;
};

std::vector<BadSet> BadSets()
{
    const std::string tooFar = std::to_string(CoordinateLimit + 1);
    std::vector<BadSet> sets = {
        {"no pieces", SetLines({}, "")},
        {"33 pieces", SetLines(std::vector<std::string>(33, Triangle), PlacementsFor(33))},
        {"negative piece count", {"test", "-1", Triangle, "0,0,0,1", "x", "90"}},
        {"piece count not a number", {"test", "7a", Triangle, "0,0,0,1", "x", "90"}},
        {"piece without vertices", SetLines({"0,0,0"}, "0,0,0,1")},
        {"piece with 64 vertices", SetLines({PieceWithVertices(64)}, "0,0,0,1")},
        {"negative vertex count", SetLines({"-1,0,0"}, "0,0,0,1")},
        {"piece line short of a vertex", SetLines({"3,0,0,0,0,10,0,0"}, "0,0,0,1")},
        {"empty field in a piece line", SetLines({"3,0,0,0,0,,0,0,10"}, "0,0,0,1")},
        {"angle step 0", SetLines({Triangle}, "0,0,0,1", "0")},
        {"negative angle step", SetLines({Triangle}, "0,0,0,1", "-90")},
        {"placement line short of a number", SetLines({Triangle, Triangle}, "0,0,0,1,0,0,0")},
        {"vertex beyond the coordinate bound", SetLines({"3,0,0,0,0," + tooFar + ",0,0,10"}, "0,0,0,1")},
        {"pivot beyond the coordinate bound", SetLines({"3,-" + tooFar + ",0,0,0,10,0,0,10"}, "0,0,0,1")},
        {"placement beyond the coordinate bound", SetLines({Triangle}, tooFar + ",0,0,1")},
        {"placement beyond the bound once offset",
         SetLines({Triangle}, "0," + std::to_string(CoordinateLimit - StartOffset + 1) + ",0,1")},
        {"flip 0", SetLines({Triangle}, "0,0,0,0")},
        {"flip 2", SetLines({Triangle}, "0,0,0,2")},
        {"angle beyond the coordinate bound", SetLines({Triangle}, "0,0,-" + tooFar + ",1")},
        {"set ends before its angle step", {"test", "1", Triangle, "0,0,0,1", "test set"}},
        {"set ends before its placements", {"test", "2", Triangle, Triangle}},
        {"empty set", {}},
    };
    // The 7-piece built-in set with its last piece line cut short: the pieces
    // before it parse, and must not stay installed.
    std::vector<std::string> cut = SetLines({Triangle, Triangle, Triangle}, PlacementsFor(3));
    cut[4] = "3,0,0,0,0,10";
    sets.push_back({"third piece line short", cut});
    return sets;
}

class SetParserRefuses : public ::testing::TestWithParam<BadSet> {};

TEST_P(SetParserRefuses, AndLeavesTheModelAsItWas)
{
    TangramModel model;
    model.StoreFigure(-1);
    QImage board = Bitmap(BoardSize);
    model.PickPiece(0, 0, board, true); // a group selection to keep
    const ModelState before = Capture(model);
    EXPECT_THROW(model.InstallSetLines(GetParam().lines, TextEncoding::Utf8), ConversionError) << GetParam().what;
    EXPECT_EQ(Capture(model), before) << GetParam().what;
    EXPECT_EQ(model.setEncoding(), TextEncoding::Cp932);
    ExpectPolygonsMatchPlacements(model);
}

// An angle step the set cannot use is named with the range it must lie in:
// 2147483647 is not "below 1".
TEST(SetParser, NamesARefusedAngleStepAndItsRange)
{
    const std::string range = "; 1 to " + std::to_string(CoordinateLimit) + " are allowed";
    for (const std::string step : {"0", "-90", "2147483647"}) {
        TangramModel model;
        try {
            model.InstallSetLines(SetLines({Triangle}, "0,0,0,1", step), TextEncoding::Utf8);
            ADD_FAILURE() << step << " was taken";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "the angle step is " + step + range);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, SetParserRefuses, ::testing::ValuesIn(BadSets()), NamedByWhat());

} // namespace
