// Silhouettes of figures and the same-silhouette test: rebuilds of a figure
// (turned, mirrored, moved as a group on the board, equal pieces exchanged)
// are the same; a piece pulled away or a notch are not.

#include "ModelFixtures.h"
#include "SilhouetteFixtures.h"
#include "support/SilhouetteFigures.h"

#include "model/Silhouette.h"
#include "model/SilhouetteMatch.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zol {
namespace {

using namespace test;

double SignedArea(const Silhouette::Ring& ring)
{
    double sum = 0;
    for (size_t j = 0, k = ring.size() - 1; j < ring.size(); k = j++)
        sum += double(ring[k].x) * ring[j].y - double(ring[j].x) * ring[k].y;
    return sum / 2 / (Silhouette::Unit * Silhouette::Unit);
}

TEST(Silhouette, ClassicSquareIsOneOutlineOfTheSevenPieces)
{
    TangramModel model;
    const Silhouette square = FigureSilhouette(model.pieceSet(), FigureOf(model, ClassicSquare));
    ASSERT_EQ(square.rings.size(), 1u);
    EXPECT_NEAR(SilhouetteArea(square), 160 * 160, 1);
    EXPECT_NEAR(SilhouettePerimeter(square), 640, 1);
    EXPECT_EQ(SilhouetteBounds(square), (Rect{176, 176, 336, 336}));
}

TEST(Silhouette, HoleOfAnotherSetRunsTheOtherWay)
{
    TangramModel model;
    test::InstallPieces(model, FramePieces, FrameStart, "180");
    const Silhouette frame = FigureSilhouette(model.pieceSet(), FigureOf(model, Frame));
    ASSERT_EQ(frame.rings.size(), 2u);
    std::vector<double> areas = {SignedArea(frame.rings[0]), SignedArea(frame.rings[1])};
    std::sort(areas.begin(), areas.end());
    EXPECT_NEAR(areas[0], -40 * 40, 1);
    EXPECT_NEAR(areas[1], 120 * 120, 1);
    EXPECT_NEAR(SilhouetteArea(frame), 120 * 120 - 40 * 40, 1);
}

// Pieces a pixel or two apart read as one outline; four pixels apart they do not.
TEST(Silhouette, ClosesGapsOfRoundingOnly)
{
    TangramModel model;
    test::InstallPieces(model, FramePieces, FrameStart, "180");
    struct Case {
        int gap;
        size_t rings;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{2, 1}, Case{4, 2}}) {
        Figure bars = FigureOf(model, Frame);
        bars.y[1] = 140 + c.gap; // the second bar right under the first
        for (int i = 2; i < 4; ++i)
            bars.x[i] = 400; // the squares far off
        const Silhouette silhouette = FigureSilhouette(model.pieceSet(), bars);
        size_t touching = 0;
        for (const Silhouette::Ring& ring : silhouette.rings)
            touching += SilhouetteBounds(Silhouette{{ring}}).left < 300;
        EXPECT_EQ(touching, c.rings) << "gap " << c.gap;
    }
}

TEST(Silhouette, OutlineGivenAsPolygonsKeepsItsHole)
{
    const Silhouette outline =
        OutlineSilhouette({{{100, 100}, {220, 100}, {220, 220}, {100, 220}}, {{140, 140}, {180, 140}, {180, 180}, {140, 180}}});
    EXPECT_EQ(outline.rings.size(), 2u);
    EXPECT_NEAR(SilhouetteArea(outline), 120 * 120 - 40 * 40, 0.01);
    EXPECT_TRUE(OutlineSilhouette({{{1, 1}, {5, 5}, {9, 9}}}).empty());
}

struct Rebuild {
    const char* name;
    Figure (*make)(const TangramModel& model, const Figure& figure);
};

// Every multiple of 45 degrees, each mirrored too, as group turns on the board.
std::vector<std::pair<std::string, Figure>> Rebuilds(const TangramModel& model, const Figure& figure)
{
    std::vector<std::pair<std::string, Figure>> rebuilds;
    for (int turn = 0; turn < 720; turn += 90) {
        const Figure turned = test::TurnedOnBoard(model, figure, turn);
        rebuilds.push_back({"turned " + std::to_string(turn), turned});
        rebuilds.push_back({"turned " + std::to_string(turn) + " and mirrored", test::MirroredOnBoard(model, turned)});
    }
    rebuilds.push_back({"moved", test::MovedOnBoard(model, figure, 37, -23)});
    rebuilds.push_back({"large triangles exchanged", test::Exchanged(model, figure, 5, 6)});
    rebuilds.push_back({"small triangles exchanged", test::Exchanged(model, figure, 1, 3)});
    return rebuilds;
}

TEST(SameSilhouette, HoldsForEveryRebuildOnTheBoard)
{
    TangramModel model;
    for (const char* line : {ClassicSquare, WithHole, RoundsFarthest, HoleTurnsFarthest}) {
        const Figure figure = FigureOf(model, line);
        const Silhouette original = FigureSilhouette(model.pieceSet(), figure);
        for (const auto& [how, rebuilt] : Rebuilds(model, figure)) {
            const SilhouetteMatch match = MatchSilhouettes(original, FigureSilhouette(model.pieceSet(), rebuilt), 90);
            EXPECT_TRUE(match.same()) << line << " " << how << ": " << match.distance;
        }
    }
}

TEST(SameSilhouette, TellsChangedFiguresApart)
{
    TangramModel model;
    const Figure square = FigureOf(model, ClassicSquare);
    // The medium triangle pulled 3 pixels left and up: 4.2 pixels off its
    // neighbours across their shared edge.
    Figure pulled = square;
    pulled.x[0] -= 3;
    pulled.y[0] -= 3;
    const Figure notched = FigureOf(model, NotchedSquare);
    const Silhouette original = FigureSilhouette(model.pieceSet(), square);
    for (const Figure& changed : {pulled, notched}) {
        for (const auto& [how, rebuilt] : Rebuilds(model, changed)) {
            const SilhouetteMatch match = MatchSilhouettes(original, FigureSilhouette(model.pieceSet(), rebuilt), 90);
            EXPECT_FALSE(match.same()) << how << ": " << match.distance;
        }
    }
}

TEST(SameSilhouette, ReportsTheFitAndItsDistance)
{
    TangramModel model;
    const Figure figure = FigureOf(model, RoundsFarthest); // no turn or mirror maps it onto itself
    const Silhouette original = FigureSilhouette(model.pieceSet(), figure);
    const Silhouette mirrored = FigureSilhouette(model.pieceSet(), MirroredOnBoard(model, figure));
    const SilhouetteMatch self = MatchSilhouettes(original, original, 90);
    EXPECT_LT(self.distance, 1e-9);
    EXPECT_EQ(self.turn, 0);
    EXPECT_FALSE(self.mirrored);
    const SilhouetteMatch match = MatchSilhouettes(original, mirrored, 90);
    EXPECT_TRUE(match.mirrored);
    EXPECT_EQ(match.turn, 0);
    EXPECT_LT(match.distance, SameSilhouetteTolerance);
    // Where it stands, the mirrored figure is far off; so is nothing at all.
    EXPECT_GT(OutlineDistance(original, mirrored), 20);
    EXPECT_TRUE(std::isinf(MatchSilhouettes(original, Silhouette{}, 90).distance));
    // With no turns at all (a step of a whole turn) mirrors still count.
    EXPECT_TRUE(MatchSilhouettes(original, mirrored, 720).same());
}

// A decision short of stopAbove agrees with the full measure.
TEST(SameSilhouette, StoppingEarlyGivesTheSameAnswer)
{
    TangramModel model;
    const Figure figure = FigureOf(model, RoundsFarthest);
    const Silhouette original = FigureSilhouette(model.pieceSet(), figure);
    for (const auto& [how, rebuilt] : Rebuilds(model, figure)) {
        Figure pulled = rebuilt;
        pulled.x[2] += 6;
        for (const Figure& other : {rebuilt, pulled}) {
            const Silhouette silhouette = FigureSilhouette(model.pieceSet(), other);
            const bool full = MatchSilhouettes(original, silhouette, 90).same();
            EXPECT_EQ(MatchSilhouettes(original, silhouette, 90, SameSilhouetteTolerance).same(), full) << how;
        }
    }
}

} // namespace
} // namespace zol
