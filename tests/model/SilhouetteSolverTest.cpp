// The solver: pieces placed into a silhouette where it stands, for the
// built-in set and a set of another angle step, kept where the user put
// some, refused or stopped as asked.

#include "ModelFixtures.h"
#include "SilhouetteFixtures.h"
#include "support/SilhouetteFigures.h"

#include "model/SilhouetteMatch.h"
#include "model/SilhouetteSolver.h"

#include <gtest/gtest.h>

namespace zol {
namespace {

using namespace test;

SolveRequest RequestFor(const TangramModel& model, const Silhouette& target, int limit = 1)
{
    SolveRequest request;
    request.target = target;
    request.set = model.pieceSet();
    request.limit = limit;
    request.deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    return request;
}

// A solution stands where the target stands, every piece on the angle grid,
// no two pieces sharing more than a row of pixels along their edges.
void ExpectSolves(const TangramModel& model, const Silhouette& target, const Figure& solution)
{
    const PieceSet& set = model.pieceSet();
    EXPECT_LE(OutlineDistance(FigureSilhouette(set, solution), target), SameSilhouetteTolerance);
    for (int i = 0; i < set.pieceCount; ++i) {
        EXPECT_EQ(solution.angle[i] % set.angleStep, 0) << "piece " << i;
        EXPECT_TRUE(solution.flip[i] == 1.0 || solution.flip[i] == -1.0) << "piece " << i;
        for (int j = i + 1; j < set.pieceCount; ++j)
            EXPECT_LE(test::OverlapPixels(model, solution, i, j),
                      std::min(test::LongestEdge(model, solution, i), test::LongestEdge(model, solution, j)))
                << "pieces " << i << " and " << j;
    }
}

// The classic square, and gTans figures of the built-in set with a hole.
TEST(Solver, SolvesFiguresInPlace)
{
    TangramModel model;
    struct Case {
        const char* line;
        size_t rings;
    };
    for (const Case c : {Case{ClassicSquare, 1}, Case{WithHole, 2}, Case{HoleTurnsFarthest, 2}}) {
        SCOPED_TRACE(c.line);
        const Silhouette target = FigureSilhouette(model.pieceSet(), FigureOf(model, c.line));
        ASSERT_EQ(target.rings.size(), c.rings);
        const SolveResult result = Solve(RequestFor(model, target));
        ASSERT_EQ(result.solutions.size(), 1u);
        EXPECT_EQ(result.end, SolveEnd::Limit);
        ExpectSolves(model, target, result.solutions[0]);
    }
}

// A square ring 20 pixels wide with the area of the seven pieces: no piece
// fits its width, so the search ends at once, complete and empty.
TEST(Solver, ProvesAStripOfTheRightAreaUnsolvable)
{
    TangramModel model;
    const Silhouette strip = OutlineSilhouette({{{86, 86}, {426, 86}, {426, 426}, {86, 426}},
                                                {{106, 106}, {406, 106}, {406, 406}, {106, 406}}});
    ASSERT_NEAR(SilhouetteArea(strip), 160 * 160, 1);
    const SolveResult result = Solve(RequestFor(model, strip));
    EXPECT_TRUE(result.solutions.empty());
    EXPECT_TRUE(result.complete());
}

TEST(Solver, PlacesPiecesOfAnotherSetOnItsGrid)
{
    TangramModel model;
    test::InstallPieces(model, FramePieces, FrameStart, "180");
    const Silhouette frame = FigureSilhouette(model.pieceSet(), FigureOf(model, UprightFrame));
    ASSERT_EQ(frame.rings.size(), 2u);
    const SolveResult result = Solve(RequestFor(model, frame));
    ASSERT_EQ(result.solutions.size(), 1u);
    ExpectSolves(model, frame, result.solutions[0]);
}

// Every solution of the frame: the bars along either pair of sides, the
// squares filling the rest. Exchanging the two bars or the two squares
// gives no other.
TEST(Solver, FindsEveryDistinctSolution)
{
    TangramModel model;
    test::InstallPieces(model, FramePieces, FrameStart, "180");
    const Silhouette frame = FigureSilhouette(model.pieceSet(), FigureOf(model, UprightFrame));
    const SolveResult result = Solve(RequestFor(model, frame, 100));
    EXPECT_TRUE(result.complete());
    ASSERT_EQ(result.solutions.size(), 2u);
    for (const Figure& solution : result.solutions)
        ExpectSolves(model, frame, solution);
}

TEST(Solver, KeepsThePiecesAlreadyPlaced)
{
    TangramModel model;
    const Figure square = FigureOf(model, ClassicSquare);
    const Silhouette target = FigureSilhouette(model.pieceSet(), square);
    SolveRequest request = RequestFor(model, target);
    request.given = square;
    request.placed[0] = request.placed[5] = true;
    const SolveResult hinted = Solve(request);
    ASSERT_EQ(hinted.solutions.size(), 1u);
    EXPECT_EQ(hinted.solutions[0].placement(0), square.placement(0));
    EXPECT_EQ(hinted.solutions[0].placement(5), square.placement(5));
    ExpectSolves(model, target, hinted.solutions[0]);

    // A piece put down outside the silhouette leaves nothing to complete.
    request.given.setPlacement(0, {120, 120, 0, 1.0});
    const SolveResult stuck = Solve(request);
    EXPECT_TRUE(stuck.solutions.empty());
    EXPECT_TRUE(stuck.complete());
}

TEST(Solver, StopsWhenAskedOrOutOfTime)
{
    TangramModel model;
    const Silhouette square = FigureSilhouette(model.pieceSet(), FigureOf(model, ClassicSquare));
    SolveRequest request = RequestFor(model, square, 100);
    std::stop_source stop;
    stop.request_stop();
    request.stop = stop.get_token();
    EXPECT_EQ(Solve(request).end, SolveEnd::Stopped);

    request.stop = {};
    request.deadline = std::chrono::steady_clock::now() - std::chrono::seconds(1);
    const SolveResult late = Solve(request);
    EXPECT_EQ(late.end, SolveEnd::TimeUp);
    EXPECT_FALSE(late.complete());
}

// A bar longer than the board's diagonal lies on the board in no pose: the
// answer comes without rasterising it.
TEST(Solver, PieceLargerThanTheBoardMakesNothing)
{
    TangramModel model;
    test::InstallPieces(model, {"4,0,0,0,0,800,0,800,10,0,10"}, "0,0,0,1");
    const Silhouette bar = OutlineSilhouette({{{0, 100}, {500, 100}, {500, 110}, {0, 110}}});
    const SolveResult result = Solve(RequestFor(model, bar));
    EXPECT_TRUE(result.solutions.empty());
    EXPECT_TRUE(result.complete());
}

TEST(Solver, RefusesAnEmptyTargetOrOneOffTheBoard)
{
    TangramModel model;
    struct Case {
        Silhouette target;
        MessageId says;
    };
    const Figure moved = test::MovedOnBoard(model, FigureOf(model, ClassicSquare), 250, 0);
    const std::vector<Case> cases = {{Silhouette{}, MessageId::SilhouetteEmpty},
                                     {FigureSilhouette(model.pieceSet(), moved), MessageId::SilhouetteOffBoard}};
    for (const Case& c : cases) {
        try {
            Solve(RequestFor(model, c.target));
            ADD_FAILURE() << "no error";
        } catch (const SolveTargetError& e) {
            EXPECT_EQ(e.message().id, c.says);
        }
    }
}

} // namespace
} // namespace zol
