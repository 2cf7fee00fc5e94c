// A figure played as a puzzle: when the board solves it, the clock, and
// hints that keep the pieces already right and end in a solution.

#include "ModelFixtures.h"
#include "SilhouetteFixtures.h"
#include "support/SilhouetteFigures.h"

#include "model/Puzzle.h"

#include <gtest/gtest.h>

namespace zol {
namespace {

using namespace test;
using namespace std::chrono_literals;

Figure Scattered(TangramModel& model)
{
    model.ResetFigure();
    return model.GetCurrentFigure();
}

TEST(Puzzle, IsSolvedByAnyPlacementWithTheFiguresSilhouette)
{
    TangramModel model;
    const Figure square = FigureOf(model, ClassicSquare);
    const struct {
        const char* what;
        Figure board;
        bool solves;
    } cases[] = {
        {"its own placement", square, true},
        {"moved", FigureOf(model, MovedSquare), true},
        {"turned by 45 degrees", TurnedOnBoard(model, square, 90), true},
        {"large triangles exchanged", Exchanged(model, square, 5, 6), true},
        {"a notch", FigureOf(model, NotchedSquare), false},
        {"the start scatter", Scattered(model), false},
    };
    for (const auto& c : cases) {
        Puzzle puzzle(model.pieceSet(), square, Scattered(model));
        EXPECT_EQ(puzzle.Check(c.board), c.solves) << c.what;
        EXPECT_EQ(puzzle.solved(), c.solves) << c.what;
    }
}

TEST(Puzzle, ClockStopsWhenSolved)
{
    TangramModel model;
    const Figure square = FigureOf(model, ClassicSquare);
    Puzzle puzzle(model.pieceSet(), square, Scattered(model));
    puzzle.Elapse(61'500);
    EXPECT_FALSE(puzzle.Check(puzzle.start()));
    puzzle.Elapse(500);
    EXPECT_EQ(puzzle.elapsedMs(), 62'000);
    EXPECT_TRUE(puzzle.Check(square));
    EXPECT_FALSE(puzzle.Check(square)) << "solved once only";
    puzzle.Elapse(5'000);
    EXPECT_EQ(puzzle.elapsedMs(), 62'000);
    EXPECT_EQ(puzzle.Hint(square, 1s), square) << "a solved puzzle gives no hint";
    EXPECT_EQ(puzzle.hintsUsed(), 0);
}

TEST(Puzzle, ClockReadsMinutesAndSeconds)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0:00"}, {999, "0:00"}, {59'999, "0:59"}, {61'000, "1:01"}, {3'600'000, "60:00"}, {-5, "0:00"}};
    for (const auto& [ms, text] : cases)
        EXPECT_EQ(ClockText(ms), text) << ms;
}

// Hints one after another: each moves one piece and leaves the pieces put
// down before it where they are, and the board is solved with no more hints
// than there are pieces.
void ExpectHintsSolve(const PieceSet& set, const Figure& target, Figure board, const std::vector<int>& keep)
{
    Puzzle puzzle(set, target, board);
    for (int hint = 1; !puzzle.Check(board) && hint <= set.pieceCount; ++hint) {
        const Figure next = puzzle.Hint(board, 5s);
        int moved = 0;
        for (int i = 0; i < set.pieceCount; ++i)
            moved += next.placement(i) != board.placement(i);
        EXPECT_EQ(moved, 1) << "hint " << hint;
        for (int i : keep)
            EXPECT_EQ(next.placement(i), board.placement(i)) << "hint " << hint << " moved piece " << i;
        EXPECT_EQ(puzzle.hintsUsed(), hint);
        board = next;
    }
    EXPECT_TRUE(puzzle.solved());
}

TEST(Puzzle, HintsSolveFromTheStartScatter)
{
    TangramModel model;
    ExpectHintsSolve(model.pieceSet(), FigureOf(model, ClassicSquare), Scattered(model), {});
}

TEST(Puzzle, HintsKeepThePiecesOfTheOwnPlacementAlreadyDown)
{
    TangramModel model;
    const Figure square = FigureOf(model, ClassicSquare);
    Figure board = Scattered(model);
    for (int i : {0, 3})
        board.setPlacement(i, square.placement(i));
    ExpectHintsSolve(model.pieceSet(), square, board, {0, 3});
}

// The frame's bars may lie or stand: a bar put upright leads the hints to
// the upright solution, not back to the figure's own.
TEST(Puzzle, HintsFollowAnotherSolutionThePlayerBegan)
{
    TangramModel model;
    InstallPieces(model, FramePieces, FrameStart, "180");
    const Figure lying = FigureOf(model, Frame);
    Figure board = FigureOf(model, "300,300,0,1,300,360,0,1,300,420,0,1,380,420,0,1");
    board.setPlacement(0, FigureOf(model, UprightFrame).placement(0));
    ExpectHintsSolve(model.pieceSet(), lying, board, {0});
}

// A figure partly off the board cannot be searched; its own placement
// still gives the hints.
TEST(Puzzle, HintsFromTheOwnPlacementWhenTheFigureIsOffTheBoard)
{
    TangramModel model;
    const Figure offBoard = MovedOnBoard(model, FigureOf(model, ClassicSquare), 300, 0);
    ExpectHintsSolve(model.pieceSet(), offBoard, Scattered(model), {});
}

} // namespace
} // namespace zol
