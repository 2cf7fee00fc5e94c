// The board's mouse handling. A click picks pieces up (or a band drawn with
// the left button held selects them); they follow the mouse with the pointer
// hidden and held at the board centre, so the mouse can travel without
// bound; the right button turns them, the middle button or a quick shake
// flips them; the next left click puts them down and makes an undo entry.
#include "ui/ZolForm.h"

#include "ui/BoardPointer.h"
#include "ui/PaintBox.h"

#include <QAction>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace zol {

namespace {

// Within this distance of the press point in both directions no band shows.
constexpr int BandThreshold = 20;

} // namespace

void TZolForm::pb1MouseDown(Qt::MouseButton button, QPoint at)
{
    switch (board_.mode) {
    case BoardMode::Idle:
        if (button == Qt::LeftButton && tableShown()) {
            TableViewClick(at);
        } else if (button == Qt::LeftButton) {
            board_.press = at;
            board_.bandShown = false;
            board_.mode = BoardMode::Pressing;
        } else if (button == Qt::RightButton) {
            SendToBack(at);
        }
        break;
    case BoardMode::Carrying:
        if (button == Qt::LeftButton) {
            Drop();
        } else if (button == Qt::RightButton) {
            model.EndRotation(); // each press of the right button starts a fresh turn
            board_.mode = BoardMode::Turning;
        } else if (button == Qt::MiddleButton) {
            model.FlipSelection();
            model.DrawFigure(-1, 1.0, boardBitmap, Background::Fill);
            RepaintBoxes(true, false);
        }
        break;
    case BoardMode::Turning:
        if (button == Qt::LeftButton) {
            model.SnapSelectionAngle();
            model.DrawFigure(-1, 1.0, boardBitmap, Background::Fill);
            RepaintBoxes(true, false);
        }
        break;
    case BoardMode::Pressing:
        break;
    }
}

void TZolForm::pb1MouseMove(QPoint at)
{
    switch (board_.mode) {
    case BoardMode::Pressing: DrawBand(at); break;
    case BoardMode::Carrying: CarryStep(); break;
    case BoardMode::Turning: TurnStep(); break;
    case BoardMode::Idle: break;
    }
}

void TZolForm::pb1MouseUp(Qt::MouseButton button, QPoint at)
{
    if (board_.mode == BoardMode::Pressing && button == Qt::LeftButton) {
        PickUp(at);
    } else if (board_.mode == BoardMode::Turning && button == Qt::RightButton) {
        model.EndRotation();
        board_.mode = BoardMode::Carrying;
    }
}

// The band is inverted onto the board bitmap with a dotted pen; drawing the
// same frame again restores the pixels, which erases it.
void TZolForm::DrawBand(QPoint corner)
{
    {
        QPainter painter(&boardBitmap);
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        const auto frame = [&](QPoint to) { painter.drawRect(QRect(board_.press, to).normalized()); };
        if (board_.bandShown)
            frame(board_.bandCorner);
        if (std::abs(board_.press.x() - corner.x()) > BandThreshold ||
            std::abs(board_.press.y() - corner.y()) > BandThreshold) {
            board_.bandShown = true;
            board_.bandCorner = corner;
            frame(corner);
        } else {
            board_.bandShown = false;
        }
    }
    RepaintBoxes(true, false);
}

void TZolForm::PickUp(QPoint at)
{
    board_.pointerPoint = pointer_.Position();
    board_.boardOrigin = board_.pointerPoint - at;
    if (board_.bandShown) {
        model.SelectInRect(board_.press.x(), board_.press.y(), board_.bandCorner.x(), board_.bandCorner.y());
        board_.carriedByClick = false;
    } else {
        // A release just off the board (it is within the band threshold of the
        // press) picks at the nearest board pixel.
        const int x = std::clamp(at.x(), 0, BoardSize - 1);
        const int y = std::clamp(at.y(), 0, BoardSize - 1);
        model.PickPiece(x, y, boardBitmap, true);
        board_.carriedByClick = true;
    }
    if (model.selection() == -1) {
        board_.mode = BoardMode::Idle;
        model.DrawFigure(-1, 1.0, boardBitmap, Background::Fill);
        RepaintBoxes(true, false);
        return;
    }
    board_.mode = BoardMode::Carrying;
    CaptionInput->setFocus(Qt::OtherFocusReason);
    pb1->setCursor(Qt::BlankCursor);
    board_.shake.Reset({settings.dcxsmin, settings.dcxabsmax, settings.flipsens, settings.fssens});
    model.DrawFigure(-1, 1.0, boardBitmap, Background::Fill);
    RepaintBoxes(true, false);
    CentrePointer();
}

QPoint TZolForm::BoardCentreOnScreen() const { return board_.boardOrigin + QPoint(BoardSize / 2, BoardSize / 2); }

void TZolForm::CentrePointer()
{
    const QPoint centre = BoardCentreOnScreen();
    if (pointer_.Position() != centre)
        pointer_.MoveTo(centre);
    // Where the platform does not let programs move the pointer, the next
    // step is measured from wherever the pointer is now.
    board_.measureFrom = pointer_.Position();
}

void TZolForm::CarryStep()
{
    const QPoint d = pointer_.Position() - board_.measureFrom;
    if (board_.shake.Step(d.x()))
        model.FlipSelection();
    model.MoveSelection(d.x(), d.y());
    CentrePointer();
    model.DrawFigure(-1, 1.0, boardBitmap, Background::Fill);
    RepaintBoxes(true, false);
}

void TZolForm::TurnStep()
{
    // One pixel to the right turns by one unit (half a degree) clockwise.
    model.RotateSelection(pointer_.Position().x() - board_.measureFrom.x());
    CentrePointer();
    model.DrawFigure(-1, 1.0, boardBitmap, Background::Fill);
    RepaintBoxes(true, false);
}

void TZolForm::Drop()
{
    board_.mode = BoardMode::Idle;
    // The pointer comes back where the user sees the pieces: on the pivot of
    // a single piece, the centre of a band's group, or where a click picked
    // the whole figure. With nothing selected any more it stays.
    const int s = model.selection();
    if (s >= 0) {
        const Figure& f = model.currentFigure();
        pointer_.MoveTo(board_.boardOrigin + QPoint(f.x[s], f.y[s]));
    } else if (s == -2 && board_.carriedByClick) {
        pointer_.MoveTo(board_.pointerPoint);
    } else if (s == -2) {
        const Point c = model.SelectionCentre();
        pointer_.MoveTo(board_.boardOrigin + QPoint(c.x, c.y));
    }
    model.ClearSelection();
    pb1->unsetCursor();
    RedrawBoardFollowingGuide();
    PushUndo();
    UpdateCommandState();
}

void TZolForm::SendToBack(QPoint at)
{
    board_.pointerPoint = pointer_.Position();
    board_.boardOrigin = board_.pointerPoint - at;
    model.PickPiece(at.x(), at.y(), boardBitmap, false);
    RedrawBoardFollowingGuide();
}

} // namespace zol
