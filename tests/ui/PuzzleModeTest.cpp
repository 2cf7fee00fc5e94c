// A list figure played as a puzzle: the mode's state in the editor without a
// window, and the window's commands run by name.
#include "EditorFixture.h"

#include "model/CommaList.h"
#include "model/PlacementLine.h"
#include "support/SilhouetteFigures.h"
#include "ui/CommandRules.h"
#include "ui/DisplayText.h"

#include <QLabel>

#include <set>

namespace zol::test {
namespace {

Figure Square(const TangramModel& model, const char* line = ClassicSquare)
{
    return ParsePlacementLine(line, model.pieceCount(), 0);
}

// --- the editor alone ---------------------------------------------------------

class PuzzleEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor.model.LoadBuiltInSet();
        editor.CreateUndoRing(10);
        editor.model.SetCurrentFigure(Square(editor.model));
        editor.model.StoreFigure(-1);
        editor.model.ResetFigure();
        before = editor.model.GetCurrentFigure();
        editor.ResetUndo();
        editor.model.MoveSelection(0, 0);
        editor.PushUndo();
        editor.model.setModified(false);
        lines = Lines();
    }

    std::vector<std::string> Lines() const
    {
        const FileLines& held = editor.model.figureLines();
        std::vector<std::string> out;
        for (size_t i = 0; i < held.size(); ++i)
            out.emplace_back(held[i]);
        return out;
    }

    Editor editor;
    Figure before;
    std::vector<std::string> lines;
};

TEST_F(PuzzleEditor, LeavingBringsBackTheBoardAndItsHistoryAndWritesNothing)
{
    editor.EnterPuzzle(0);
    ASSERT_TRUE(editor.inPuzzle());
    EXPECT_EQ(editor.model.GetCurrentFigure(), editor.puzzle->start());
    EXPECT_EQ(editor.undoRing().undoCount(), 0) << "the puzzle's moves have a history of their own";
    Figure moved = editor.model.GetCurrentFigure();
    moved.x[2] += 40;
    editor.model.SetCurrentFigure(moved);
    editor.PushUndo();
    EXPECT_EQ(editor.undoRing().undoCount(), 1);

    editor.LeavePuzzle();
    EXPECT_FALSE(editor.inPuzzle());
    EXPECT_EQ(editor.model.GetCurrentFigure(), before);
    EXPECT_EQ(editor.undoRing().undoCount(), 1);
    EXPECT_EQ(editor.undoRing().top(), before);
    EXPECT_EQ(Lines(), lines);
    EXPECT_FALSE(editor.model.modified());
}

TEST_F(PuzzleEditor, GuideShowsTheSilhouetteInOneColourUntilSolved)
{
    editor.model.SetPalette(0x000000, 200, 172, 156, 55, 83, 99); // pieces of many colours
    const auto colours = [&] {
        std::set<QRgb> seen;
        for (int y = 0; y < GuideSize; ++y)
            for (int x = 0; x < GuideSize; ++x)
                seen.insert(editor.guideBitmap.pixel(x, y));
        return seen.size();
    };
    editor.ShowListFigureInGuide(0);
    const size_t figureColours = colours();
    editor.EnterPuzzle(0);
    EXPECT_EQ(colours(), 2u) << "background and silhouette, no piece edges";
    EXPECT_GT(figureColours, 2u);

    editor.model.SetCurrentFigure(Square(editor.model, MovedSquare));
    EXPECT_TRUE(editor.CheckPuzzle());
    EXPECT_EQ(colours(), figureColours) << "solved: the guide shows the figure itself";
}

TEST_F(PuzzleEditor, FigureThatDoesNotReadChangesNothing)
{
    editor.model.SetFigureLines(std::vector<std::string>{Lines()[0], "broken", "1,2,x"}, TextEncoding::Cp932);
    EXPECT_THROW(editor.EnterPuzzle(0), ConversionError);
    EXPECT_FALSE(editor.inPuzzle());
    EXPECT_EQ(editor.model.GetCurrentFigure(), before);
    EXPECT_EQ(editor.undoRing().undoCount(), 1);
}

TEST(PuzzleRules, StartEndAndKeepThePuzzle)
{
    EXPECT_FALSE(CommandEnabled("OptPuzzle", {3, -1, 0, 0, false}));
    EXPECT_TRUE(CommandEnabled("OptPuzzle", {3, 1, 0, 0, false}));
    EXPECT_TRUE(CommandEnabled("OptPuzzle", {3, -1, 0, 0, true})) << "the command ends the puzzle too";
    for (const char* command : {"OptHint", "PuzzleLeave"}) {
        EXPECT_FALSE(CommandEnabled(command, {3, 1, 0, 0, false})) << command;
        EXPECT_TRUE(CommandEnabled(command, {3, 1, 0, 0, true})) << command;
    }
    for (const char* command : {"EditUndo", "EditRedo", "OptHint", "FileSave", "PaletteCSetBW", "OptAA"})
        EXPECT_TRUE(CommandKeepsPuzzle(command)) << command;
    for (const char* command : {"EditAdd", "EditBreak", "EditDelete", "EditGoEdit", "EditUp", "OptSSort",
                                "FileNew", "FileOpen", "ToolButtonShowTable", "defaultPlt"})
        EXPECT_FALSE(CommandKeepsPuzzle(command)) << command;
}

// --- the window ----------------------------------------------------------------

class PuzzleWindow : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        Figure square = Square(form->editor().model);
        square.caption = *CaptionBytes(form->editor().model, QStringLiteral("正方形"));
        form->editor().model.SetCurrentFigure(square);
        form->ShowEditor();
        SelectRow(-1);
        Run("EditAdd");
        PlaceOnBoard(Spread());
        SelectRow(0);
        form->editor().model.setModified(false);
        form->ShowEditor();
        before = board();
        undoBefore = form->editor().undoRing().undoCount();
    }
    const Figure& board() const { return form->editor().model.currentFigure(); }
    // The square with piece 0 lying apart at its spread pivot, unturned.
    void PieceZeroApart()
    {
        Figure f = Square(form->editor().model);
        f.x[0] = SpreadPivot(0).x();
        f.y[0] = SpreadPivot(0).y();
        PlaceOnBoard(f);
    }
    // Carries piece 0 to the square's corner by the mouse and drops it there.
    void DropPieceZeroInPlace()
    {
        ClickBoard(SpreadPivot(0));
        ASSERT_EQ(form->editor().model.selection(), 0);
        MovePointer(QPoint(204, 204) - SpreadPivot(0));
        ClickBoard(PointerOnBoard());
    }

    Figure before;
    int undoBefore = 0;
};

TEST_F(PuzzleWindow, StatusBarShowsCaptionClockAndHints)
{
    EXPECT_FALSE(Action("OptHint").isEnabled());
    Run("OptPuzzle");
    ASSERT_TRUE(form->editor().inPuzzle());
    EXPECT_TRUE(Action("OptPuzzle").isChecked());
    EXPECT_TRUE(Action("OptHint").isEnabled());
    EXPECT_EQ(StatusShown(0), QStringLiteral("正方形"));
    EXPECT_EQ(StatusShown(1), QStringLiteral("0:00"));
    EXPECT_EQ(StatusShown(2), QStringLiteral("ヒント 0"));
    EXPECT_TRUE(CaptionField()->isReadOnly());
    EXPECT_EQ(board(), form->editor().puzzle->start());
}

TEST_F(PuzzleWindow, DropThatMakesTheSilhouetteSaysDone)
{
    Run("OptPuzzle");
    PieceZeroApart();
    DropPieceZeroInPlace();
    ASSERT_TRUE(form->editor().puzzle->solved());
    const QStringList told = Shown(ScriptedDialogs::Kind::Information);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("完成！"))) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(QStringLiteral("ヒント 0回")));
    EXPECT_TRUE(form->editor().inPuzzle()) << "the solved board stays until the player leaves";
    EXPECT_FALSE(form->editor().model.modified());
}

TEST_F(PuzzleWindow, UndoStepsBackThroughThePuzzlesMoves)
{
    Run("OptPuzzle");
    const Figure start = board();
    EXPECT_FALSE(Action("EditUndo").isEnabled());
    PieceZeroApart();
    Run("EditUndo");
    EXPECT_TRUE(form->editor().inPuzzle());
    EXPECT_EQ(board(), start);
    Run("EditRedo");
    DropPieceZeroInPlace();
    EXPECT_TRUE(form->editor().puzzle->solved());
}

TEST_F(PuzzleWindow, HintsUntilSolved)
{
    Run("OptPuzzle");
    for (int hint = 1; hint <= 7 && !form->editor().puzzle->solved(); ++hint) {
        Run("OptHint");
        EXPECT_EQ(StatusShown(2), QStringLiteral("ヒント %1").arg(hint));
    }
    EXPECT_TRUE(form->editor().puzzle->solved());
    EXPECT_FALSE(Action("EditUndo").isEnabled() && form->editor().undoRing().undoCount() == 0);
    ASSERT_EQ(Shown(ScriptedDialogs::Kind::Information).size(), 1);
    EXPECT_TRUE(Shown(ScriptedDialogs::Kind::Information)[0].startsWith(QStringLiteral("完成！")));
}

// Escape, the command again, or a command that changes the board or the
// list: each asks nothing and brings back the board from before.
TEST_F(PuzzleWindow, LeavingRestoresTheBoard)
{
    for (const char* command : {"PuzzleLeave", "OptPuzzle", "EditBreak", "EditAdd", "OptSSort"}) {
        SCOPED_TRACE(command);
        const Figure boardBefore = board();
        Run("OptPuzzle");
        PieceZeroApart();
        Run(QString::fromLatin1(command));
        EXPECT_FALSE(form->editor().inPuzzle());
        EXPECT_FALSE(Action("OptPuzzle").isChecked());
        EXPECT_FALSE(CaptionField()->isReadOnly());
        EXPECT_NE(StatusShown(2), QStringLiteral("ヒント 0"));
        if (QByteArray(command) != "EditBreak") {
            EXPECT_EQ(board(), boardBefore);
        }
        EXPECT_TRUE(dialogs.records().empty());
        const bool listChanges = QByteArray(command) == "EditAdd" || QByteArray(command) == "OptSSort";
        if (!listChanges) {
            EXPECT_FALSE(form->editor().model.modified());
        }
        form->editor().model.setModified(false);
        SelectRow(0);
    }
}

TEST_F(PuzzleWindow, PaletteAndGuideCommandsKeepThePuzzle)
{
    Run("PaletteCSetWB");
    Run("OptPuzzle");
    const QImage flat = form->editor().guideBitmap;
    Run("PaletteCSetBW");
    EXPECT_NE(form->editor().guideBitmap, flat) << "white on black now";
    Run("PaletteCSetWB");
    EXPECT_TRUE(form->editor().inPuzzle());
    EXPECT_EQ(form->editor().guideBitmap, flat);
    ClickRow(0);
    EXPECT_EQ(form->editor().guideBitmap, flat) << "a click on a row does not give the answer away";
}

} // namespace
} // namespace zol::test
