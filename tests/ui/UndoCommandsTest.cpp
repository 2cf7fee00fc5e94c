// Undo, redo and break through the window's commands.
#include "EditorFixture.h"

#include "ui/DisplayText.h"

#include <QLineEdit>

namespace zol::test {
namespace {

class UndoCommands : public EditorFixture {
protected:
    // A drop-like entry of a new arrangement: the board moved by `shift`.
    Figure Enter(int shift, const char* caption = "名称未設定")
    {
        const Figure f = Shifted(shift, QString::fromUtf8(caption));
        PlaceOnBoard(f);
        return f;
    }
};

TEST_F(UndoCommands, StepBackThroughAFullRingUntilUndoIsDisabled)
{
    for (int k = 1; k <= 150; ++k)
        Enter(k);
    for (int step = 1; step <= 99; ++step) {
        ASSERT_TRUE(Action("EditUndo").isEnabled()) << step;
        Run("EditUndo");
        ASSERT_EQ(form->editor().model.GetCurrentFigure(), Shifted(150 - step, QStringLiteral("名称未設定")));
    }
    EXPECT_FALSE(Action("EditUndo").isEnabled());
    Run("EditUndo"); // does nothing
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), Shifted(51, QStringLiteral("名称未設定")));
    EXPECT_TRUE(Action("EditRedo").isEnabled());
}

TEST_F(UndoCommands, RedoReturnsUntilANewEntryIsMade)
{
    const Figure a = Enter(1), b = Enter(2), c = Enter(3);
    Run("EditUndo");
    Run("EditUndo");
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), a);
    Run("EditRedo");
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), b);
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
    EXPECT_EQ(form->editor().guideFigure, b);
    EXPECT_TRUE(Action("EditRedo").isEnabled());
    Enter(4);
    EXPECT_FALSE(Action("EditRedo").isEnabled());
    Run("EditUndo");
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), b);
    (void)c;
}

TEST_F(UndoCommands, TypedCaptionIsNotAnEntry)
{
    Enter(1, "first");
    Enter(2, "second");
    CaptionField()->setText(QStringLiteral("typed"));
    Run("EditUndo");
    EXPECT_EQ(CaptionShown(), QStringLiteral("first"));
    Run("EditRedo");
    EXPECT_EQ(CaptionShown(), QStringLiteral("second"));
    EXPECT_EQ(form->editor().model.GetFigureCaption(BoardFigure), "second");
}

TEST_F(UndoCommands, WithTheGuideLockedOnlyTheBoardChanges)
{
    Enter(1);
    Enter(2);
    form->editor().view.guideLocked = true;
    const Figure guide = form->editor().guideFigure;
    const QImage guideImage = form->editor().guideBitmap;
    Run("EditUndo");
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), Shifted(1, QStringLiteral("名称未設定")));
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
    EXPECT_EQ(form->editor().guideFigure, guide);
    EXPECT_EQ(form->editor().guideBitmap, guideImage);
}

TEST_F(UndoCommands, BreakScattersAgainAndCanBeUndone)
{
    const Figure start = form->editor().model.GetCurrentFigure();
    AddFigures({"A"});
    const bool modified = form->editor().model.modified();
    form->editor().model.SetCurrentFigure(start);
    Run("EditBreak");
    const Figure broken = form->editor().model.GetCurrentFigure();
    EXPECT_NE(broken.x, start.x);
    EXPECT_EQ(CaptionShown(), QStringLiteral("名称未設定"));
    EXPECT_EQ(form->editor().model.figureCount(), 1);
    EXPECT_EQ(form->editor().model.modified(), modified);
    EXPECT_EQ(form->editor().guideFigure, broken);
    Run("EditUndo");
    EXPECT_EQ(form->editor().model.GetCurrentFigure().x, start.x);
}

TEST_F(UndoCommands, UndoTurnsTheTableViewOff)
{
    AddFigures({"A", "B"});
    Enter(5);
    ClickRow(0);
    Run("ToolButtonShowTable");
    ASSERT_TRUE(Action("ToolButtonShowTable").isChecked());
    Run("EditUndo");
    EXPECT_FALSE(Action("ToolButtonShowTable").isChecked());
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
}

} // namespace
} // namespace zol::test
