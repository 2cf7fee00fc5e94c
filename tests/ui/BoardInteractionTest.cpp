// Picking up, carrying, turning, flipping and dropping pieces with the mouse.
#include "EditorFixture.h"

#include "ui/PaintBox.h"

#include <QApplication>
#include <QMouseEvent>

namespace zol::test {
namespace {

class Board : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        PlaceOnBoard(Spread());
        entries = form->editor().undoRing().undoCount();
    }
    // Picks up piece 0 (on top of the draw order) by a click on its pivot.
    void PickPieceZero()
    {
        ClickBoard(SpreadPivot(0));
        ASSERT_EQ(form->board().mode, BoardMode::Carrying);
        ASSERT_EQ(form->editor().model.selection(), 0);
    }
    const Figure& board() const { return form->editor().model.currentFigure(); }
    QPoint Centre() const { return Origin() + QPoint(256, 256); }

    int entries = 0;
};

TEST_F(Board, ClickPicksThePieceItFollowsTheMouseAndTheDropIsOneEntry)
{
    PickPieceZero();
    EXPECT_EQ(pointer.pos, Centre());
    EXPECT_EQ(BoardBox().cursor().shape(), Qt::BlankCursor);
    const QImage guide = form->editor().guideBitmap;

    MovePointer({10, 5});
    MovePointer({-3, 20});
    EXPECT_EQ(board().x[0], SpreadPivot(0).x() + 7);
    EXPECT_EQ(board().y[0], SpreadPivot(0).y() + 25);
    EXPECT_EQ(board().x[1], SpreadPivot(1).x());
    EXPECT_EQ(pointer.pos, Centre()) << "the pointer is held at the board centre";
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard()) << "carried pieces are drawn as outlines";
    EXPECT_EQ(form->editor().guideBitmap, guide) << "the guide waits for the drop";
    EXPECT_EQ(form->editor().undoRing().undoCount(), entries);

    ClickBoard(PointerOnBoard());
    EXPECT_EQ(form->board().mode, BoardMode::Idle);
    EXPECT_EQ(form->editor().model.selection(), -1);
    EXPECT_EQ(PointerOnBoard(), SpreadPivot(0) + QPoint(7, 25)) << "the pointer lands on the piece";
    EXPECT_EQ(BoardBox().cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(form->editor().undoRing().undoCount(), entries + 1);
    EXPECT_EQ(form->editor().guideFigure, board());
    EXPECT_NE(form->editor().guideBitmap, guide);
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
}

TEST_F(Board, ClickOnEmptyBoardCarriesEverythingAndDropsWhereItWasClicked)
{
    const QPoint empty(500, 500);
    ClickBoard(empty);
    ASSERT_EQ(form->editor().model.selection(), -2);
    MovePointer({-4, -6});
    for (int i = 0; i < form->editor().model.pieceCount(); ++i)
        EXPECT_EQ(QPoint(board().x[i], board().y[i]), SpreadPivot(i) - QPoint(4, 6)) << i;
    ClickBoard(PointerOnBoard());
    EXPECT_EQ(PointerOnBoard(), empty);
}

struct BandCase {
    QPoint press;
    QPoint release;
    bool bandShown;
    int selection; // after the release; -1 nothing picked
};

void PrintTo(const BandCase& c, std::ostream* os)
{
    *os << "from" << c.press.x() << "_" << c.press.y() << "_to" << c.release.x() << "_" << c.release.y();
}

class Band : public Board, public ::testing::WithParamInterface<BandCase> {};

// Within 20 pixels of the press no band shows and the release picks by
// click; beyond that the band selects the pieces with a vertex inside it.
TEST_P(Band, SelectsByVerticesBeyondTwentyPixels)
{
    const BandCase c = GetParam();
    const QImage drawn = DrawnBoard();
    PressBoard(Qt::LeftButton, c.press);
    pointer.pos = Origin() + c.release;
    MovePointer({0, 0});
    EXPECT_EQ(form->board().bandShown, c.bandShown);
    EXPECT_EQ(form->editor().boardBitmap != drawn, c.bandShown) << "the band is drawn on the board";
    ReleaseBoard(Qt::LeftButton, c.release);
    EXPECT_EQ(form->editor().model.selection(), c.selection);
    EXPECT_EQ(form->board().mode, c.selection == -1 ? BoardMode::Idle : BoardMode::Carrying);
    if (c.selection == -1) {
        EXPECT_EQ(form->editor().boardBitmap, drawn) << "the band is erased";
        EXPECT_EQ(form->editor().undoRing().undoCount(), entries);
    }
}

// Piece 0 (a triangle with pivot (28, 28)) has its vertices at pivot
// + (-28, -28), (-28, 52) and (52, -28); piece 1's pivot is 130 to the right.
INSTANTIATE_TEST_SUITE_P(
    Cases, Band,
    ::testing::Values(BandCase{{60, 70}, {80, 50}, false, 0},       // 20 in both: a click on piece 0
                      BandCase{{2, 2}, {40, 45}, true, 0},          // touches vertex (32, 42) of piece 0
                      BandCase{{2, 2}, {23, 23}, true, -1},         // 21 pixels, touches nothing
                      BandCase{{0, 0}, {21, 0}, true, -1},          // 21 in x alone shows the band
                      BandCase{{500, 2}, {2, 160}, true, -2}),    // a row of pieces: a group
    PrintedName());

TEST_F(Board, ShakingLeftAndRightFlipsAtTheSeventhStep)
{
    PickPieceZero(); // flipsens 8 x fssens 5: a window of 40 steps
    for (int step = 1; step <= 6; ++step) {
        MovePointer({step % 2 ? 30 : -30, 0});
        ASSERT_EQ(board().flip[0], 1.0) << step;
    }
    MovePointer({30, 0});
    EXPECT_EQ(board().flip[0], -1.0);
    // The count starts over after a flip.
    for (int step = 1; step <= 6; ++step)
        MovePointer({step % 2 ? -30 : 30, 0});
    EXPECT_EQ(board().flip[0], -1.0);
}

TEST_F(Board, OneLongStepNeverFlips)
{
    PickPieceZero();
    MovePointer({250, 0});
    EXPECT_EQ(board().flip[0], 1.0);
}

// A sensitivity of 1 makes the window fssens = 5 steps: a shake of 30-pixel
// strokes never travels 200 pixels within it. The change counts from the
// next pick-up on.
TEST_F(Board, TheFlipSensitivitySetsTheShakeWindowFromTheNextPickUp)
{
    PickPieceZero();
    form->editor().settings.flipsens = 1;
    for (int step = 1; step <= 7; ++step)
        MovePointer({step % 2 ? 30 : -30, 0});
    EXPECT_EQ(board().flip[0], -1.0) << "still the window of 40 steps";
    ClickBoard(PointerOnBoard());

    ClickBoard(PointerOnBoard());
    ASSERT_EQ(form->board().mode, BoardMode::Carrying);
    for (int step = 1; step <= 30; ++step)
        MovePointer({step % 2 ? 30 : -30, 0});
    EXPECT_EQ(board().flip[0], -1.0);
}

TEST_F(Board, RightButtonTurnsALeftClickSnapsAndReleasingCarriesOn)
{
    PickPieceZero();
    PressBoard(Qt::RightButton, PointerOnBoard());
    EXPECT_EQ(form->board().mode, BoardMode::Turning);
    MovePointer({90, 0});
    EXPECT_EQ(board().angle[0], 90);
    MovePointer({10, 30}); // vertical motion does not turn
    EXPECT_EQ(board().angle[0], 100);
    EXPECT_EQ(pointer.pos, Centre());
    ClickBoard(PointerOnBoard()); // snaps to the set's step of 90
    EXPECT_EQ(board().angle[0], 90);
    EXPECT_EQ(form->board().mode, BoardMode::Turning);
    ReleaseBoard(Qt::RightButton, PointerOnBoard());
    EXPECT_EQ(form->board().mode, BoardMode::Carrying);
    MovePointer({5, 0});
    EXPECT_EQ(board().x[0], SpreadPivot(0).x() + 5);
    EXPECT_EQ(form->editor().undoRing().undoCount(), entries);
}

TEST_F(Board, MiddleButtonFlipsWhileCarrying)
{
    PickPieceZero();
    PressBoard(Qt::MiddleButton, PointerOnBoard());
    EXPECT_EQ(board().flip[0], -1.0);
    EXPECT_EQ(form->board().mode, BoardMode::Carrying);
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
}

TEST_F(Board, RightClickWhileIdleSendsThePieceToTheBack)
{
    ASSERT_EQ(form->editor().model.drawOrder()[form->editor().model.pieceCount() - 1], 0);
    ClickBoard(SpreadPivot(0), Qt::RightButton);
    EXPECT_EQ(form->editor().model.drawOrder()[0], 0);
    EXPECT_EQ(form->editor().model.selection(), -1);
    EXPECT_EQ(form->board().mode, BoardMode::Idle);
    EXPECT_EQ(form->editor().undoRing().undoCount(), entries);
}

TEST_F(Board, WithTheGuideLockedADropChangesOnlyTheBoard)
{
    form->editor().view.guideLocked = true;
    const Figure guide = form->editor().guideFigure;
    const QImage guideImage = form->editor().guideBitmap;
    PickPieceZero();
    MovePointer({40, 0});
    ClickBoard(PointerOnBoard());
    EXPECT_EQ(form->editor().guideFigure, guide);
    EXPECT_EQ(form->editor().guideBitmap, guideImage);
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
    EXPECT_EQ(form->editor().undoRing().undoCount(), entries + 1);
}

// Where the platform does not let programs move the pointer, each step is
// measured from where the pointer was at the step before.
TEST_F(Board, CarryingWorksWhenThePointerCannotBeMoved)
{
    pointer.movable = false;
    PickPieceZero();
    MovePointer({10, 0});
    MovePointer({10, 4});
    EXPECT_EQ(board().x[0], SpreadPivot(0).x() + 20);
    EXPECT_EQ(board().y[0], SpreadPivot(0).y() + 4);
}

TEST_F(Board, UndoDuringACarryLeavesNothingInHandAndThePointerWhereItIs)
{
    PickPieceZero();
    MovePointer({10, 0});
    Run("EditUndo");
    ASSERT_EQ(form->editor().model.selection(), -1);
    MovePointer({10, 0});
    const QPoint at = pointer.pos;
    ClickBoard(PointerOnBoard());
    EXPECT_EQ(pointer.pos, at);
    EXPECT_EQ(form->board().mode, BoardMode::Idle);
}

// With fractional display scaling events fall between pixels: positions
// truncate toward zero, so the board's last column stays on the board.
TEST(PaintBoxEvents, PositionsTruncateTowardZero)
{
    QImage bitmap(BoardSize, BoardSize, QImage::Format_RGB32);
    PaintBox box(bitmap, bitmap.size(), nullptr);
    QList<QPoint> reported;
    QObject::connect(&box, &PaintBox::mousePressed, [&](Qt::MouseButton, QPoint at) { reported << at; });
    QObject::connect(&box, &PaintBox::mouseMoved, [&](QPoint at) { reported << at; });
    QObject::connect(&box, &PaintBox::mouseReleased, [&](Qt::MouseButton, QPoint at) { reported << at; });
    const struct {
        QPointF at;
        QPoint expected;
    } cases[] = {{{511.6, 100.5}, {511, 100}}, {{0.9, 0.99}, {0, 0}}, {{-0.6, 3.5}, {0, 3}}, {{-1.5, 7.0}, {-1, 7}}};
    for (const auto& c : cases) {
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease}) {
            const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::RightButton;
            QMouseEvent event(type, c.at, c.at, button, button, Qt::NoModifier);
            QApplication::sendEvent(&box, &event);
        }
        EXPECT_EQ(reported, QList<QPoint>({c.expected, c.expected, c.expected})) << c.at.x() << "," << c.at.y();
        reported.clear();
    }
}

} // namespace
} // namespace zol::test
