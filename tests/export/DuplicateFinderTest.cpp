// Grouping a document's figures by silhouette: turned, mirrored and moved
// copies group together, changed figures and unreadable lines stay out.
#include "ExportFixtures.h"

#include "export/DuplicateFinder.h"
#include "support/SilhouetteFigures.h"

#include <gtest/gtest.h>

namespace zol::test {
namespace {

// The figure selected whole on the board, turned by `turn`, mirrored when
// told and moved, as the board's own commands do it.
std::string Rebuilt(const char* line, int turn, bool mirrored, int dx)
{
    TangramModel board;
    board.SetFigureLines(std::vector<std::string>{"tan", "figure", line}, TextEncoding::Cp932);
    board.LoadFigure(0);
    board.SelectInRect(0, 0, BoardSize, BoardSize);
    board.RotateSelection(turn);
    board.EndRotation();
    if (mirrored)
        board.FlipSelection();
    board.MoveSelection(dx, 0);
    return board.FormatPlacementLine();
}

TangramModel Document(const std::vector<std::string>& placementLines)
{
    std::vector<std::string> lines = {"tan"};
    for (size_t i = 0; i < placementLines.size(); ++i) {
        lines.push_back("figure " + std::to_string(i));
        lines.push_back(placementLines[i]);
    }
    TangramModel model;
    model.SetFigureLines(lines, TextEncoding::Cp932);
    return model;
}

TEST(Duplicates, GroupsRebuildsAndLeavesOutTheRest)
{
    const TangramModel model = Document({ClassicSquare, RoundsFarthest, Rebuilt(ClassicSquare, 90, false, 20), "1,2,3",
                                         Rebuilt(RoundsFarthest, 270, true, -30), NotchedSquare, Rebuilt(RoundsFarthest, 450, false, 0)});
    RecordedProgress progress;
    const DuplicateGroups found = FindDuplicates(model, progress);
    EXPECT_EQ(found.groups, (std::vector<std::vector<int>>{{0, 2}, {1, 4, 6}}));
    EXPECT_EQ(found.unreadable, std::vector<int>{3});
    EXPECT_FALSE(found.stopped);
    EXPECT_EQ(progress.starts, std::vector<int>{14});
    EXPECT_EQ(progress.finishes, 1);
    ASSERT_FALSE(progress.steps.empty());
    EXPECT_EQ(progress.steps.back(), 14);
}

TEST(Duplicates, NoneAmongDifferentFigures)
{
    const TangramModel model = Document({ClassicSquare, RoundsFarthest, NotchedSquare});
    NoProgress none;
    EXPECT_TRUE(FindDuplicates(model, none).groups.empty());
}

TEST(Duplicates, StopsWhenAsked)
{
    const TangramModel model = Document({ClassicSquare, ClassicSquare, ClassicSquare});
    std::stop_source stop;
    stop.request_stop();
    RecordedProgress progress;
    const DuplicateGroups found = FindDuplicates(model, progress, stop.get_token());
    EXPECT_TRUE(found.stopped);
    EXPECT_TRUE(found.groups.empty());
    EXPECT_TRUE(found.unreadable.empty()) << "figures never reached are not unreadable ones";
    EXPECT_EQ(progress.finishes, 1);
}

} // namespace
} // namespace zol::test
