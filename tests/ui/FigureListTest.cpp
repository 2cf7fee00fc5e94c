// Adding, deleting, moving and showing figures of the list.
#include "EditorFixture.h"

#include "ui/DisplayText.h"

#include <QTest>

namespace zol::test {
namespace {

class FigureList : public EditorFixture {
protected:
    // Puts a new arrangement with `caption` on the board, as editing would.
    Figure Edit(int shift, const char* caption)
    {
        const Figure f = Shifted(shift, QString::fromUtf8(caption));
        form->editor().model.SetCurrentFigure(f);
        form->ShowEditor();
        return f;
    }
    QImage GuideOf(int index)
    {
        QImage board(BoardSize, BoardSize, QImage::Format_RGB32), guide(GuideSize, GuideSize, QImage::Format_RGB32);
        form->editor().model.RenderBoard(index, board, guide, true);
        return guide;
    }
};

TEST_F(FigureList, AddingToAnEmptyListAppendsAndSelectsTheRow)
{
    const Figure f = Edit(3, "山");
    const int entries = form->editor().undoRing().undoCount();
    Run("EditAdd");
    EXPECT_EQ(Rows(), QStringList({"山"}));
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(form->editor().model.ParseFigure(0), f);
    EXPECT_TRUE(form->editor().model.modified());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zol editor（変更）"));
    EXPECT_EQ(FigureCountShown(), QStringLiteral("1"));
    EXPECT_EQ(form->editor().guideFigure, f);
    EXPECT_EQ(form->editor().guideBitmap, GuideOf(BoardFigure));
    EXPECT_EQ(form->editor().undoRing().undoCount(), entries) << "adding is no undo entry";
}

TEST_F(FigureList, InsertModePutsTheNewFigureBeforeTheSelectedRow)
{
    AddFigures({"A", "B", "C"});
    ClickRow(1);
    const int entries = form->editor().undoRing().undoCount();
    const Figure n = Edit(50, "N");
    Run("EditAdd");
    EXPECT_EQ(Rows(), QStringList({"A", "N", "B", "C"}));
    EXPECT_EQ(ModelCaptions(), Rows());
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(form->editor().model.ParseFigure(1), n);
    EXPECT_EQ(form->editor().undoRing().undoCount(), entries);
}

TEST_F(FigureList, RightClickOnTheAddButtonSwitchesBetweenInsertAndReplace)
{
    const qint64 insertPicture = Action("EditAdd").icon().cacheKey();
    EXPECT_EQ(form->editor().view.addMode, AddMode::Insert);
    RightClickAddButton();
    EXPECT_EQ(form->editor().view.addMode, AddMode::Replace);
    EXPECT_NE(Action("EditAdd").icon().cacheKey(), insertPicture);
    EXPECT_EQ(form->editor().model.figureCount(), 0) << "the right button does not add";
    RightClickAddButton();
    EXPECT_EQ(form->editor().view.addMode, AddMode::Insert);
    EXPECT_EQ(Action("EditAdd").icon().cacheKey(), insertPicture);
}

// The replaced figure takes the newest undo entry's place: one Undo shows
// it, a second skips the entry it overwrote.
TEST_F(FigureList, ReplaceModeReplacesTheSelectedFigureAndUndoBringsItBack)
{
    AddFigures({"A", "B", "C"});
    const Figure b = form->editor().model.ParseFigure(1);
    const Figure first = Edit(70, "first");
    PlaceOnBoard(first);
    PlaceOnBoard(Shifted(80, QStringLiteral("overwritten")));
    const Figure n = Edit(90, "N");
    ClickRow(1);
    RightClickAddButton();
    Run("EditAdd");

    EXPECT_EQ(Rows(), QStringList({"A", "N", "C"}));
    EXPECT_EQ(ModelCaptions(), Rows());
    EXPECT_EQ(form->editor().model.ParseFigure(1), n);
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(form->editor().model.modified());
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), n);

    Run("EditUndo");
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), b);
    EXPECT_EQ(CaptionShown(), QStringLiteral("B"));
    EXPECT_EQ(Rows(), QStringList({"A", "N", "C"})) << "list changes are not undone";
    Run("EditUndo");
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), first);
}

// Replacing a figure that cannot be read would leave the rows out of step
// with the list: the add stops before anything changes.
TEST_F(FigureList, ReplacingAnUnreadableFigureChangesNothing)
{
    AddFigures({"A"});
    AddBrokenFigure(QStringLiteral("B"));
    form->editor().model.setModified(false);
    SelectRow(1);
    RightClickAddButton();
    Edit(20, "N");
    Run("EditAdd");
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Error).size(), 1u);
    EXPECT_EQ(Rows(), QStringList({"A", "B"}));
    EXPECT_EQ(ModelCaptions(), Rows());
    EXPECT_FALSE(form->editor().model.modified());
}

// A figure that cannot be read can still be deleted; Undo then finds the
// board figure itself in its place.
TEST_F(FigureList, AnUnreadableFigureCanBeDeleted)
{
    AddFigures({"A"});
    AddBrokenFigure(QStringLiteral("B"));
    const Figure board = Edit(20, "board");
    PlaceOnBoard(board);
    SelectRow(1);
    Run("EditDelete");
    EXPECT_TRUE(dialogs.records().empty());
    EXPECT_EQ(Rows(), QStringList({"A"}));
    EXPECT_EQ(ModelCaptions(), Rows());
    Run("EditUndo");
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
}

TEST_F(FigureList, DeleteKeepsTheBoardAndUndoShowsTheDeletedFigure)
{
    AddFigures({"A", "B", "C"});
    const Figure b = form->editor().model.ParseFigure(1);
    const Figure c = form->editor().model.ParseFigure(2);
    const Figure board = Edit(60, "board");
    PlaceOnBoard(board);
    ClickRow(1);
    Run("EditDelete");

    EXPECT_EQ(Rows(), QStringList({"A", "C"}));
    EXPECT_EQ(ModelCaptions(), Rows());
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
    EXPECT_EQ(form->editor().guideFigure, c) << "the guide shows the newly selected figure";
    EXPECT_EQ(FigureCountShown(), QStringLiteral("2"));

    Run("EditUndo");
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), b);
    EXPECT_EQ(Rows(), QStringList({"A", "C"}));
    Run("EditRedo");
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
}

TEST_F(FigureList, DeletingTheLastRowSelectsTheNewLastOne)
{
    AddFigures({"A", "B", "C"});
    ClickRow(2);
    Run("EditDelete");
    EXPECT_EQ(Rows(), QStringList({"A", "B"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_FALSE(Action("EditDown").isEnabled());
}

TEST_F(FigureList, DeletingTheOnlyRowEmptiesTheListAndTurnsTheTableOff)
{
    AddFigures({"A"});
    const Figure board = Edit(40, "board");
    ShowTableOf(0);
    ASSERT_TRUE(TableShown());
    Run("EditDelete");
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_FALSE(TableShown());
    EXPECT_FALSE(Action("ToolButtonShowTable").isEnabled());
    EXPECT_FALSE(Action("EditDelete").isEnabled());
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
    EXPECT_EQ(form->editor().guideFigure, board);
}

TEST_F(FigureList, UpAndDownSwapNeighboursAndStopAtTheEnds)
{
    AddFigures({"A", "B", "C"});
    const Figure board = form->editor().model.GetCurrentFigure();
    const int entries = form->editor().undoRing().undoCount();
    for (int row = 0; row < 3; ++row) {
        ClickRow(row);
        EXPECT_EQ(Action("EditUp").isEnabled(), row > 0) << row;
        EXPECT_EQ(Action("EditDown").isEnabled(), row < 2) << row;
    }
    ClickRow(0);
    Run("EditDown");
    EXPECT_EQ(Rows(), QStringList({"B", "A", "C"}));
    EXPECT_EQ(SelectedRow(), 1);
    Run("EditDown");
    EXPECT_EQ(Rows(), QStringList({"B", "C", "A"}));
    Run("EditDown"); // disabled at the end
    EXPECT_EQ(Rows(), QStringList({"B", "C", "A"}));
    Run("EditUp");
    EXPECT_EQ(Rows(), QStringList({"B", "A", "C"}));
    EXPECT_EQ(ModelCaptions(), Rows());
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
    EXPECT_EQ(form->editor().undoRing().undoCount(), entries);
}

TEST_F(FigureList, ClickingARowShowsItsFigureInTheGuideOnly)
{
    AddFigures({"A", "B"});
    const Figure board = Edit(33, "board");
    ClickRow(1);
    EXPECT_EQ(form->editor().guideFigure, form->editor().model.ParseFigure(1));
    EXPECT_EQ(form->editor().guideBitmap, GuideOf(1));
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
}

TEST_F(FigureList, KeyboardSelectionShowsTheFigureToo)
{
    AddFigures({"A", "B"});
    ClickRow(0);
    QTest::keyClick(&List(), Qt::Key_Down);
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(form->editor().guideFigure, form->editor().model.ParseFigure(1));
}

TEST_F(FigureList, DoubleClickTakesTheFigureOntoTheBoard)
{
    AddFigures({"A", "B"});
    const Figure guide = form->editor().guideFigure;
    const int entries = form->editor().undoRing().undoCount();
    DoubleClickRow(1);
    const Figure b = form->editor().model.ParseFigure(1);
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), b);
    EXPECT_EQ(CaptionShown(), QStringLiteral("B"));
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
    EXPECT_EQ(form->editor().undoRing().undoCount(), entries + 1);
    EXPECT_EQ(form->editor().guideFigure, b) << "the click before the double click showed it";
    (void)guide;
}

TEST_F(FigureList, EditTakesTheSelectedFigureWithoutMovingTheGuide)
{
    AddFigures({"A", "B"});
    ClickRow(0);
    const Figure guide = form->editor().guideFigure;
    SelectRow(1);
    Run("EditGoEdit");
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), form->editor().model.ParseFigure(1));
    EXPECT_EQ(form->editor().guideFigure, guide);
}

// Ctrl+Space would toggle the selected row off and leave Delete and the
// table view without a figure; the list keeps its row.
TEST_F(FigureList, CtrlSpaceKeepsTheSelectedRow)
{
    AddFigures({"A", "B", "C"});
    ShowTableOf(1);
    const QImage table = form->editor().boardBitmap;
    QTest::keyClick(&List(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(Action("EditDelete").isEnabled());
    EXPECT_TRUE(TableShown());
    EXPECT_EQ(form->editor().boardBitmap, table);
}

// However the selection goes, the commands follow it at once, and the
// table view gives the board back to the board figure.
TEST_F(FigureList, LosingTheSelectionTurnsTheRowCommandsAndTheTableOff)
{
    AddFigures({"A", "B"});
    ShowTableOf(1);
    SelectRow(-1);
    EXPECT_FALSE(Action("EditDelete").isEnabled());
    EXPECT_FALSE(Action("ToolButtonShowTable").isEnabled());
    EXPECT_FALSE(TableShown());
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
}

} // namespace
} // namespace zol::test
