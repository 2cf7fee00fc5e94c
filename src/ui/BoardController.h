#pragma once
// The board's mouse handling as its own object: the board widget feeds it the
// mouse events, it changes the editor's board figure and tells the window
// what to show.

#include "model/FlipGesture.h"

#include <QPoint>

namespace zol {

class BoardPointer;
class Editor;

enum class BoardMode {
    Idle = 0,     // nothing in hand
    Pressing = 1, // left button held on the board; a selection band may show
    Carrying = 2, // pieces picked up follow the mouse
    Turning = 3,  // carrying with the right button held: the mouse turns them
};

// The board's mouse handling between two events.
struct BoardInteraction {
    BoardMode mode = BoardMode::Idle;
    QPoint press;         // board pixels where the left button went down
    QPoint bandCorner;    // the band's other corner as last drawn
    bool bandShown = false;
    bool carriedByClick = false; // picked by a click rather than by the band
    QPoint pointerPoint;  // screen: the pointer at pick-up
    QPoint boardOrigin;   // screen position of board pixel (0, 0)
    QPoint measureFrom;   // screen: where the next carry step is measured from
    FlipGesture shake;    // shake to flip
};

// What the board's mouse handling needs from the window that shows the board.
class BoardView {
public:
    virtual ~BoardView() = default;
    // While the board shows the table view, a left click picks a cell.
    virtual void TableClicked(QPoint at) = 0;
    // The screen position of board pixel (0, 0), in the pointer's coordinates.
    virtual QPoint BoardOrigin() const = 0;
    // The board bitmap changed.
    virtual void RepaintBoard() = 0;
    // The board figure changed for good: the board, and the guide unless it is locked.
    virtual void RedrawBoardFollowingGuide() = 0;
    // Pieces were picked up (the pointer hides while they follow the mouse)
    // or put down again.
    virtual void CarryStarted() = 0;
    virtual void CarryEnded() = 0;
};

class BoardController {
public:
    // All three are lent and outlive the controller.
    BoardController(Editor& editor, BoardPointer& pointer, BoardView& view);

    // Mouse events in board pixels.
    void MouseDown(Qt::MouseButton button, QPoint at);
    void MouseMove(QPoint at);
    void MouseUp(Qt::MouseButton button, QPoint at);

    const BoardInteraction& state() const { return state_; }

private:
    void DrawBand(QPoint corner);
    void PickUp();
    void CarryStep();
    void TurnStep();
    void Drop();
    void SendToBack();
    // Takes the pointer point and the board origin; returns the pointer point
    // in board pixels. The pointer may have moved since the event was queued:
    // the piece picked is the one under it now.
    QPoint MeasurePointer();
    void CentrePointer();
    QPoint BoardCentreOnScreen() const;

    Editor& editor_;
    BoardPointer& pointer_;
    BoardView& view_;
    BoardInteraction state_;
};

} // namespace zol
