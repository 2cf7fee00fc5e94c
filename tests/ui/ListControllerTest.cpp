// The figure list's commands on their own: an editor, and a view that keeps
// what the controller tells the list box. No window.
#include "Printers.h"
#include "ui/Editor.h"
#include "ui/FigureListModel.h"
#include "ui/ListController.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace zol::test {
namespace {

class RecordingListView : public ListView {
public:
    static constexpr int RowHeight = 12;
    static constexpr int ShownRows = 30;

    explicit RecordingListView(const TangramModel& model) : rows(model) {}
    FigureListModel& Rows() override { return rows; }
    void ShowSelectedRow(int row) override { shownRow = row; }
    int RowAt(QPoint p) const override
    {
        if (p.y() < 0 || p.y() >= ShownRows * RowHeight)
            return -1;
        return std::min(top + p.y() / RowHeight, rows.rowCount());
    }
    int TopRow() const override { return top; }
    void SetTopRow(int row) override { top = row; }
    void ToggleDropMark(int row) override
    {
        if (!marks.erase(row))
            marks.insert(row);
    }
    void ClearDropMarks() override { marks.clear(); }
    void RepaintBoard() override { ++boardRepaints; }
    void RepaintGuide() override { ++guideRepaints; }
    void ShowCaption() override { ++captionsShown; }
    void ShowFigureCount() override { ++countsShown; }
    void LeavePuzzle() override {}

    // A point in the `visible`-th row shown.
    static QPoint Visible(int visible) { return {20, visible * RowHeight + 6}; }

    FigureListModel rows;
    int shownRow = -1;
    int top = 0;
    std::set<int> marks;
    int boardRepaints = 0;
    int guideRepaints = 0;
    int captionsShown = 0;
    int countsShown = 0;
};

using Captions = std::vector<std::string>;

class ListControl : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor.model.LoadBuiltInSet();
        editor.CreateUndoRing(20);
        editor.ResetUndo();
        editor.DrawBoard();
    }
    // Figures with these captions, each its own arrangement, in the list and
    // its rows; the board keeps its figure.
    void Fill(const Captions& captions)
    {
        const Figure board = editor.model.GetCurrentFigure();
        for (const std::string& caption : captions) {
            editor.model.SetCurrentFigure(Arrangement(editor.model.figureCount() + 1, caption));
            editor.model.StoreFigure(-1);
        }
        editor.model.SetCurrentFigure(board);
        list.RowsRead(0, editor.model.figureCount());
        editor.model.setModified(false);
    }
    Figure Arrangement(int k, const std::string& caption) const
    {
        Figure f = editor.model.startFigure();
        for (int i = 0; i < editor.model.pieceCount(); ++i)
            f.x[i] += 7 * k;
        f.caption = caption;
        return f;
    }
    Captions ModelCaptions() const
    {
        Captions out;
        for (int i = 0; i < editor.model.figureCount(); ++i)
            out.push_back(editor.model.GetFigureCaption(i));
        return out;
    }
    Captions RowsShown() const
    {
        Captions out;
        for (int i = 0; i < view.rows.rowCount(); ++i)
            out.push_back(view.rows.index(i).data().toString().toStdString());
        return out;
    }
    int Selected() const
    {
        EXPECT_EQ(view.shownRow, editor.view.selectedRow) << "the list shows the editor's row";
        return editor.view.selectedRow;
    }
    QImage DrawnBoard()
    {
        QImage image(BoardSize, BoardSize, QImage::Format_RGB32);
        editor.model.DrawFigure(BoardFigure, 1.0, image, Background::Fill);
        return image;
    }

    Editor editor;
    RecordingListView view{editor.model};
    ListController list{editor, view};
};

struct AddCase {
    const char* what;
    int selected;
    AddMode mode;
    Captions captions;
    int selectedAfter;
    int newEntries; // in the undo history
};

void PrintTo(const AddCase& c, std::ostream* os) { *os << c.what; }

class Adding : public ListControl, public ::testing::WithParamInterface<AddCase> {};

TEST_P(Adding, PutsTheBoardFigureWhereTheRowAndTheModeSay)
{
    const AddCase c = GetParam();
    Fill({"A", "B", "C"});
    const Figure replaced = editor.model.ParseFigure(1);
    const Figure n = Arrangement(9, "N");
    editor.model.SetCurrentFigure(n);
    list.Select(c.selected);
    editor.view.addMode = c.mode;
    const int entries = editor.undoRing().undoCount();

    list.Add();

    EXPECT_EQ(ModelCaptions(), c.captions);
    EXPECT_EQ(RowsShown(), c.captions);
    EXPECT_EQ(Selected(), c.selectedAfter);
    EXPECT_TRUE(editor.model.modified());
    EXPECT_EQ(editor.model.GetCurrentFigure(), n);
    EXPECT_EQ(editor.guideFigure, n);
    EXPECT_EQ(view.countsShown, 1);
    ASSERT_EQ(editor.undoRing().undoCount(), entries + c.newEntries);
    if (c.newEntries > 0) {
        EXPECT_EQ(editor.undo().Undo(), replaced) << "one Undo brings the replaced figure back";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Adding,
    ::testing::Values(AddCase{"AppendWithoutARow", -1, AddMode::Insert, {"A", "B", "C", "N"}, 0, 0},
                      AddCase{"InsertBeforeTheRow", 1, AddMode::Insert, {"A", "N", "B", "C"}, 1, 0},
                      AddCase{"ReplaceTheRow", 1, AddMode::Replace, {"A", "N", "C"}, 1, 1},
                      AddCase{"ReplaceWithoutARowAppends", -1, AddMode::Replace, {"A", "B", "C", "N"}, 0, 0}),
    PrintedName());

TEST_F(ListControl, AddModeSwitchesBetweenInsertAndReplace)
{
    list.ToggleAddMode();
    EXPECT_EQ(editor.view.addMode, AddMode::Replace);
    list.ToggleAddMode();
    EXPECT_EQ(editor.view.addMode, AddMode::Insert);
}

struct DeleteCase {
    int selected;
    Captions captions;
    int selectedAfter;
};

TEST_F(ListControl, DeleteKeepsTheBoardAndShowsTheNewlySelectedFigureInTheGuide)
{
    const DeleteCase cases[] = {{1, {"A", "C"}, 1}, {2, {"A", "B"}, 1}, {0, {"B", "C"}, 0}};
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.selected);
        editor.model.ClearFigureList();
        list.RowsCleared();
        Fill({"A", "B", "C"});
        const Figure board = editor.model.GetCurrentFigure();
        const Figure deleted = editor.model.ParseFigure(c.selected);
        list.Select(c.selected);

        list.Delete();

        EXPECT_EQ(ModelCaptions(), c.captions);
        EXPECT_EQ(RowsShown(), c.captions);
        EXPECT_EQ(Selected(), c.selectedAfter);
        EXPECT_EQ(editor.model.GetCurrentFigure(), board);
        EXPECT_EQ(editor.boardBitmap, DrawnBoard());
        EXPECT_EQ(editor.guideFigure, editor.model.ParseFigure(c.selectedAfter));
        EXPECT_EQ(editor.undo().Undo(), deleted) << "one Undo puts the deleted figure on the board";
    }
}

TEST_F(ListControl, DeletingTheOnlyFigureLeavesNoRowAndNoTable)
{
    Fill({"A"});
    list.Select(0);
    list.ToggleTable();
    ASSERT_TRUE(editor.view.tableShown);
    list.Delete();
    EXPECT_EQ(editor.model.figureCount(), 0);
    EXPECT_TRUE(RowsShown().empty());
    EXPECT_EQ(Selected(), -1);
    EXPECT_FALSE(editor.view.tableShown);
    EXPECT_EQ(editor.boardBitmap, DrawnBoard());
    EXPECT_EQ(editor.guideFigure, editor.model.GetCurrentFigure());
}

struct MoveCase {
    int selected;
    int step; // +1 down, -1 up
    Captions captions;
    int selectedAfter;
};

TEST_F(ListControl, UpAndDownMoveTheSelectedFigureAndStopAtTheEnds)
{
    const MoveCase cases[] = {
        {0, 1, {"B", "A", "C"}, 1},
        {1, 1, {"A", "C", "B"}, 2},
        {2, 1, {"A", "B", "C"}, 2},
        {2, -1, {"A", "C", "B"}, 1},
        {0, -1, {"A", "B", "C"}, 0},
        {-1, 1, {"A", "B", "C"}, -1},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.selected << (c.step > 0 ? " down" : " up"));
        editor.model.ClearFigureList();
        list.RowsCleared();
        Fill({"A", "B", "C"});
        const Figure board = editor.model.GetCurrentFigure();
        const int entries = editor.undoRing().undoCount();
        list.Select(c.selected);
        c.step > 0 ? list.MoveDown() : list.MoveUp();
        EXPECT_EQ(ModelCaptions(), c.captions);
        EXPECT_EQ(RowsShown(), c.captions);
        EXPECT_EQ(Selected(), c.selectedAfter);
        EXPECT_EQ(editor.model.GetCurrentFigure(), board);
        EXPECT_EQ(editor.undoRing().undoCount(), entries);
    }
}

// The mark goes to the row under the pointer, never onto the dragged row;
// the drop puts the dragged figure before the marked row, lines as they are.
TEST_F(ListControl, ADragMarksTheRowUnderThePointerAndDropsBeforeIt)
{
    Fill({"A", "B", "C"});
    std::vector<std::string> lines = editor.model.figureLines();
    lines[2] = "1,2,x"; // A cannot be read, and moves all the same
    editor.model.SetFigureLines(lines, TextEncoding::Cp932);
    const Figure board = editor.model.GetCurrentFigure();
    list.Select(0);
    list.DragStarted();
    list.DragMoved(RecordingListView::Visible(2));
    EXPECT_EQ(view.marks, std::set<int>({2}));
    list.DragMoved(RecordingListView::Visible(0));
    EXPECT_EQ(view.marks, std::set<int>()) << "the dragged row carries no mark";
    list.DragMoved(RecordingListView::Visible(5)); // below the last row
    EXPECT_EQ(view.marks, std::set<int>({3}));

    list.Dropped();
    list.DragEnded();

    EXPECT_EQ(ModelCaptions(), Captions({"B", "C", "A"}));
    EXPECT_EQ(RowsShown(), ModelCaptions());
    EXPECT_EQ(editor.model.figureLines()[6], "1,2,x");
    EXPECT_EQ(Selected(), 2);
    EXPECT_TRUE(editor.model.modified());
    EXPECT_EQ(editor.model.GetCurrentFigure(), board);
    EXPECT_TRUE(view.marks.empty());
}

TEST_F(ListControl, ADropNextToTheDraggedRowChangesNothing)
{
    Fill({"A", "B", "C"});
    list.Select(1);
    list.DragStarted();
    list.DragMoved(RecordingListView::Visible(2));
    list.Dropped();
    EXPECT_EQ(ModelCaptions(), Captions({"A", "B", "C"}));
    EXPECT_FALSE(editor.model.modified());
}

// A long list scrolls while the pointer is at its last full row, and back
// while it is at the top row.
TEST_F(ListControl, ADragScrollsAtTheEdgesOfALongList)
{
    Captions captions;
    for (int i = 0; i < 40; ++i)
        captions.push_back(std::to_string(i));
    Fill(captions);
    list.Select(0);
    list.DragStarted();
    list.DragMoved(RecordingListView::Visible(28));
    EXPECT_EQ(view.top, 1);
    EXPECT_EQ(view.marks, std::set<int>({29}));
    list.DragMoved(RecordingListView::Visible(27));
    EXPECT_EQ(view.top, 1) << "no scrolling inside the list";
    list.DragMoved(RecordingListView::Visible(0));
    EXPECT_EQ(view.top, 0);
}

TEST_F(ListControl, TheTableViewNeedsASelectedRow)
{
    Fill({"A", "B"});
    list.ToggleTable();
    EXPECT_FALSE(editor.view.tableShown) << "no row to gather the table around";
    EXPECT_EQ(editor.boardBitmap, DrawnBoard());

    list.Select(1);
    list.ToggleTable();
    ASSERT_TRUE(editor.view.tableShown);
    EXPECT_NE(editor.boardBitmap, DrawnBoard());

    list.SelectionChanged(-1);
    EXPECT_FALSE(editor.view.tableShown);
    EXPECT_EQ(editor.boardBitmap, DrawnBoard()) << "the board shows its own figure again";
}

TEST_F(ListControl, AClickOnATableCellTakesItsFigureOntoTheBoard)
{
    Captions captions;
    for (int i = 0; i < 13; ++i)
        captions.push_back("f" + std::to_string(i));
    Fill(captions);
    list.Select(6);
    list.ToggleTable();
    const int entries = editor.undoRing().undoCount();

    list.TableClicked({320, 230}); // one cell right of the centre
    const Figure f7 = editor.model.ParseFigure(7);
    EXPECT_EQ(editor.model.GetCurrentFigure(), f7);
    EXPECT_EQ(editor.guideFigure, f7);
    EXPECT_EQ(Selected(), 7);
    EXPECT_FALSE(editor.view.tableShown);
    EXPECT_EQ(editor.boardBitmap, DrawnBoard());
    EXPECT_EQ(editor.undoRing().undoCount(), entries + 1);
    EXPECT_EQ(view.captionsShown, 1);

    list.Select(0);
    list.ToggleTable();
    list.TableClicked({0, 0}); // before the first figure
    EXPECT_EQ(editor.model.GetCurrentFigure(), f7);
    EXPECT_TRUE(editor.view.tableShown);
}

} // namespace
} // namespace zol::test
