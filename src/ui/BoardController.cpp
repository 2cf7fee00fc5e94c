// The board's mouse handling. A click picks pieces up (or a band drawn with
// the left button held selects them); they follow the mouse with the pointer
// hidden and held at the board centre, so the mouse can travel without
// bound; the right button turns them, the middle button or a quick shake
// flips them; the next left click puts them down and makes an undo entry.
#include "ui/BoardController.h"

#include "ui/BoardPointer.h"
#include "ui/Editor.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace zol {

namespace {

// Within this distance of the press point in both directions no band shows.
constexpr int BandThreshold = 20;

} // namespace

BoardController::BoardController(Editor& editor, BoardPointer& pointer, BoardView& view)
    : editor_(editor), pointer_(pointer), view_(view)
{
}

void BoardController::MouseDown(Qt::MouseButton button, QPoint at)
{
    switch (state_.mode) {
    case BoardMode::Idle:
        if (button == Qt::LeftButton && editor_.view.tableShown) {
            view_.TableClicked(at);
        } else if (button == Qt::LeftButton) {
            state_.press = at;
            state_.bandShown = false;
            state_.mode = BoardMode::Pressing;
        } else if (button == Qt::RightButton) {
            SendToBack();
        }
        break;
    case BoardMode::Carrying:
        if (button == Qt::LeftButton) {
            Drop();
        } else if (button == Qt::RightButton) {
            editor_.model.EndRotation(); // each press of the right button starts a fresh turn
            state_.mode = BoardMode::Turning;
        } else if (button == Qt::MiddleButton) {
            editor_.model.FlipSelection();
            editor_.DrawBoard();
            view_.RepaintBoard();
        }
        break;
    case BoardMode::Turning:
        if (button == Qt::LeftButton) {
            editor_.model.SnapSelectionAngle();
            editor_.DrawBoard();
            view_.RepaintBoard();
        }
        break;
    case BoardMode::Pressing:
        break;
    }
}

void BoardController::MouseMove(QPoint at)
{
    switch (state_.mode) {
    case BoardMode::Pressing: DrawBand(at); break;
    case BoardMode::Carrying: CarryStep(); break;
    case BoardMode::Turning: TurnStep(); break;
    case BoardMode::Idle: break;
    }
}

void BoardController::MouseUp(Qt::MouseButton button, QPoint /*at*/)
{
    if (state_.mode == BoardMode::Pressing && button == Qt::LeftButton) {
        PickUp();
    } else if (state_.mode == BoardMode::Turning && button == Qt::RightButton) {
        editor_.model.EndRotation();
        state_.mode = BoardMode::Carrying;
    }
}

// The band is inverted onto the board bitmap with a dotted pen; drawing the
// same frame again restores the pixels, which erases it.
void BoardController::DrawBand(QPoint corner)
{
    {
        QPainter painter(&editor_.boardBitmap);
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        // A one-pixel pen outlines a QRect one pixel beyond its right and
        // bottom edges: given as corner and extent, the frame runs through
        // both points whichever way the band was dragged.
        const auto frame = [&](QPoint to) {
            const QPoint from = state_.press;
            painter.drawRect(std::min(from.x(), to.x()), std::min(from.y(), to.y()), std::abs(to.x() - from.x()),
                             std::abs(to.y() - from.y()));
        };
        if (state_.bandShown)
            frame(state_.bandCorner);
        if (std::abs(state_.press.x() - corner.x()) > BandThreshold ||
            std::abs(state_.press.y() - corner.y()) > BandThreshold) {
            state_.bandShown = true;
            state_.bandCorner = corner;
            frame(corner);
        } else {
            state_.bandShown = false;
        }
    }
    view_.RepaintBoard();
}

QPoint BoardController::MeasurePointer()
{
    state_.pointerPoint = pointer_.Position();
    state_.boardOrigin = view_.BoardOrigin();
    return state_.pointerPoint - state_.boardOrigin;
}

void BoardController::PickUp()
{
    const QPoint at = MeasurePointer();
    if (state_.bandShown) {
        editor_.model.SelectInRect(state_.press.x(), state_.press.y(), state_.bandCorner.x(), state_.bandCorner.y());
        state_.carriedByClick = false;
    } else {
        // A release just off the board (it is within the band threshold of the
        // press) picks at the nearest board pixel.
        const int x = std::clamp(at.x(), 0, BoardSize - 1);
        const int y = std::clamp(at.y(), 0, BoardSize - 1);
        editor_.model.PickPiece(x, y, editor_.boardBitmap, true);
        state_.carriedByClick = true;
    }
    if (editor_.model.selection() == -1) {
        state_.mode = BoardMode::Idle;
        editor_.DrawBoard();
        view_.RepaintBoard();
        return;
    }
    state_.mode = BoardMode::Carrying;
    view_.CarryStarted();
    state_.shake.Reset({editor_.settings.dcxsmin, editor_.settings.dcxabsmax, editor_.settings.flipsens, editor_.settings.fssens});
    editor_.DrawBoard();
    view_.RepaintBoard();
    CentrePointer();
}

QPoint BoardController::BoardCentreOnScreen() const { return state_.boardOrigin + QPoint(BoardSize / 2, BoardSize / 2); }

void BoardController::CentrePointer()
{
    const QPoint centre = BoardCentreOnScreen();
    if (pointer_.Position() != centre)
        pointer_.MoveTo(centre);
    // Where the platform does not let programs move the pointer, the next
    // step is measured from wherever the pointer is now.
    state_.measureFrom = pointer_.Position();
}

void BoardController::CarryStep()
{
    const QPoint d = pointer_.Position() - state_.measureFrom;
    if (state_.shake.Step(d.x()))
        editor_.model.FlipSelection();
    editor_.model.MoveSelection(d.x(), d.y());
    CentrePointer();
    editor_.DrawBoard();
    view_.RepaintBoard();
}

void BoardController::TurnStep()
{
    // One pixel to the right turns by one unit (half a degree) clockwise.
    editor_.model.RotateSelection(pointer_.Position().x() - state_.measureFrom.x());
    CentrePointer();
    editor_.DrawBoard();
    view_.RepaintBoard();
}

void BoardController::Drop()
{
    state_.mode = BoardMode::Idle;
    // The pointer comes back where the user sees the pieces: on the pivot of
    // a single piece, the centre of a band's group, or where a click picked
    // the whole figure. With nothing selected any more it stays.
    const int s = editor_.model.selection();
    if (s >= 0) {
        const Figure& f = editor_.model.currentFigure();
        pointer_.MoveTo(state_.boardOrigin + QPoint(f.x[s], f.y[s]));
    } else if (s == GroupSelection && state_.carriedByClick) {
        pointer_.MoveTo(state_.pointerPoint);
    } else if (s == GroupSelection) {
        const Point c = editor_.model.SelectionCentre();
        pointer_.MoveTo(state_.boardOrigin + QPoint(c.x, c.y));
    }
    editor_.model.ClearSelection();
    view_.CarryEnded();
    view_.RedrawBoardFollowingGuide();
    editor_.PushUndo();
}

void BoardController::SendToBack()
{
    const QPoint at = MeasurePointer();
    editor_.model.PickPiece(at.x(), at.y(), editor_.boardBitmap, false);
    view_.RedrawBoardFollowingGuide();
}

} // namespace zol
