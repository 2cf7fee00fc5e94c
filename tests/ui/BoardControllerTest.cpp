// The board's mouse handling on its own: an editor, a pointer and a view
// that records what the controller asks of the window.
#include "EditorFixture.h"

#include "ui/BoardController.h"
#include "ui/Editor.h"

namespace zol::test {
namespace {

class RecordingView : public BoardView {
public:
    QPoint BoardOrigin() const override { return {1000, 2000}; }
    void TableClicked(QPoint at) override { calls << QStringLiteral("table %1,%2").arg(at.x()).arg(at.y()); }
    void RepaintBoard() override { ++repaints; }
    void RedrawBoardFollowingGuide() override { calls << QStringLiteral("redraw"); }
    void CarryStarted() override { calls << QStringLiteral("carry"); }
    void CarryEnded() override { calls << QStringLiteral("end"); }

    int repaints = 0;
    QStringList calls;
};

class Controller : public ::testing::Test {
protected:
    static constexpr QPoint Origin{1000, 2000};
    static constexpr QPoint PivotZero{60, 70};

    void SetUp() override
    {
        editor.model.LoadBuiltInSet();
        Figure f = editor.model.GetCurrentFigure();
        for (int i = 0; i < editor.model.pieceCount(); ++i) {
            f.x[i] = 60 + 130 * (i % 4);
            f.y[i] = 70 + 200 * (i / 4);
            f.angle[i] = 0;
        }
        editor.model.SetCurrentFigure(f);
        editor.DrawBoard();
        editor.CreateUndoRing(10);
        editor.ResetUndo();
    }
    void Click(Qt::MouseButton button, QPoint at)
    {
        pointer.pos = Origin + at;
        board.MouseDown(button, at);
        board.MouseUp(button, at);
    }

    Editor editor;
    FakePointer pointer;
    RecordingView view;
    BoardController board{editor, pointer, view};
};

TEST_F(Controller, PickCarryAndDropTellTheViewInOrderAndMakeOneEntry)
{
    Click(Qt::LeftButton, PivotZero);
    ASSERT_EQ(board.state().mode, BoardMode::Carrying);
    EXPECT_EQ(view.calls, QStringList({"carry"}));
    EXPECT_EQ(pointer.pos, Origin + QPoint(256, 256)) << "held at the board centre";

    pointer.pos += QPoint(5, -3);
    board.MouseMove(pointer.pos - Origin);
    EXPECT_EQ(editor.model.currentFigure().x[0], PivotZero.x() + 5);
    EXPECT_EQ(editor.model.currentFigure().y[0], PivotZero.y() - 3);
    EXPECT_GT(view.repaints, 0);

    board.MouseDown(Qt::LeftButton, pointer.pos - Origin);
    EXPECT_EQ(board.state().mode, BoardMode::Idle);
    EXPECT_EQ(view.calls, QStringList({"carry", "end", "redraw"}));
    EXPECT_EQ(editor.model.selection(), -1);
    EXPECT_EQ(editor.undoRing().undoCount(), 1);
    EXPECT_EQ(editor.undoRing().top(), editor.model.GetCurrentFigure());
}

TEST_F(Controller, LeftClickOnTheTableViewGoesToTheViewAlone)
{
    editor.view.tableShown = true;
    const Figure before = editor.model.GetCurrentFigure();
    board.MouseDown(Qt::LeftButton, {300, 40});
    EXPECT_EQ(view.calls, QStringList({"table 300,40"}));
    EXPECT_EQ(board.state().mode, BoardMode::Idle);
    EXPECT_EQ(editor.model.GetCurrentFigure(), before);
}

TEST_F(Controller, RightClickSendsAPieceBackWithoutAnEntry)
{
    ASSERT_NE(editor.model.drawOrder()[0], 0);
    Click(Qt::RightButton, PivotZero);
    EXPECT_EQ(view.calls, QStringList({"redraw"}));
    EXPECT_EQ(board.state().mode, BoardMode::Idle);
    EXPECT_EQ(editor.model.drawOrder()[0], 0) << "piece 0 is drawn first, under the others";
    EXPECT_EQ(editor.undoRing().undoCount(), 0);
}

// The pointer can move on between an event and its handling; the pieces are
// taken from under the pointer and the board origin is the board's own.
TEST_F(Controller, PickAndSendToBackTakeThePieceUnderThePointerNow)
{
    const QPoint pivotOne{190, 70};
    const struct {
        Qt::MouseButton button;
        const char* name;
    } presses[] = {{Qt::LeftButton, "pick up"}, {Qt::RightButton, "send to back"}};
    for (const auto& press : presses) {
        SCOPED_TRACE(press.name);
        SetUp();
        pointer.pos = Origin + pivotOne; // moved on before the click is handled
        board.MouseDown(press.button, PivotZero);
        board.MouseUp(press.button, PivotZero);
        EXPECT_EQ(board.state().boardOrigin, Origin);
        EXPECT_EQ(board.state().pointerPoint, Origin + pivotOne);
        if (press.button == Qt::RightButton) {
            EXPECT_EQ(editor.model.drawOrder()[0], 1) << "piece 1 is drawn first";
            continue;
        }
        ASSERT_EQ(editor.model.selection(), 1);
        board.MouseDown(Qt::LeftButton, {256, 256}); // drop where it was
        EXPECT_EQ(pointer.pos, Origin + pivotOne) << "the pointer comes back onto the piece";
    }
}

// The band's frame runs through the press point and the pointer, whichever
// way it was dragged.
TEST_F(Controller, BandFrameCoversTheSamePixelsInEveryDirection)
{
    const QPoint a{100, 120}, b{160, 200};
    const struct {
        QPoint press, to;
    } drags[] = {{a, b}, {b, a}, {QPoint(a.x(), b.y()), QPoint(b.x(), a.y())}, {QPoint(b.x(), a.y()), QPoint(a.x(), b.y())}};
    for (const auto& drag : drags) {
        SCOPED_TRACE(testing::Message() << drag.press.x() << "," << drag.press.y());
        SetUp();
        BoardController band(editor, pointer, view);
        const QImage before = editor.boardBitmap.copy();
        band.MouseDown(Qt::LeftButton, drag.press);
        band.MouseMove(drag.to);
        ASSERT_TRUE(band.state().bandShown);
        QRect changed;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != editor.boardBitmap.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        EXPECT_EQ(changed, QRect(a, b));
        band.MouseMove(drag.press); // back within the threshold: erased
        EXPECT_EQ(editor.boardBitmap, before);
    }
}

} // namespace
} // namespace zol::test
