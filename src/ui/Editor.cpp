#include "ui/Editor.h"

#include "io/TextCodec.h"
#include "model/ColourValue.h"
#include "model/FigureRenderer.h"

#include <QPainter>
#include <QPainterPath>

namespace zol {

Editor::Editor()
    : boardBitmap(BoardSize, BoardSize, QImage::Format_RGB32), guideBitmap(GuideSize, GuideSize, QImage::Format_RGB32)
{
    boardBitmap.fill(Qt::white);
    guideBitmap.fill(Qt::white);
}

void Editor::CreateUndoRing(int size) { undo_ = std::make_unique<UndoRing>(size); }

void Editor::PushUndo() { undo_->Push(model.GetCurrentFigure()); }

void Editor::ReplaceUndoTop() { undo_->ReplaceTop(model.GetCurrentFigure()); }

void Editor::ResetUndo() { undo_->Reset(model.GetCurrentFigure()); }

void Editor::DrawBoard() { boardRedraw_.DrawBoardFigure(FigureRenderer(model), 1.0, boardBitmap); }

// Outside the drawn area the bitmap is plain background, which the reduction
// need not read.
void Editor::RenderBoardAndGuide()
{
    const FigureRenderer renderer(model);
    const QRect drawn = boardRedraw_.DrawBoardFigure(renderer, 1.0, boardBitmap);
    renderer.ReduceBoard(boardBitmap, guideBitmap, view.guideReduction(), drawn);
}

void Editor::RenderGuideFigure()
{
    if (puzzle) {
        RenderPuzzleGuide();
        return;
    }
    const FigureRenderer renderer(model);
    const QRect drawn = boardRedraw_.DrawFigure(renderer, guideFigure, 1.0, boardBitmap);
    renderer.ReduceBoard(boardBitmap, guideBitmap, view.guideReduction(), drawn);
}

// Drawn first: a figure that cannot be read leaves the guide figure as it was.
void Editor::ShowListFigureInGuide(int i)
{
    model.RenderBoard(i, boardBitmap, guideBitmap, view.antialias);
    guideFigure = model.ParseFigure(i);
}

void Editor::TakeGuideSnapshot() { guideFigure = model.GetCurrentFigure(); }

void Editor::DrawBoardFollowingGuide()
{
    if (view.guideLocked || puzzle) {
        DrawBoard();
        return;
    }
    RenderBoardAndGuide();
    TakeGuideSnapshot();
}

void Editor::RenderNewBoardFigure(UndoStep step)
{
    RenderBoardAndGuide();
    TakeGuideSnapshot();
    if (step == UndoStep::Push)
        PushUndo();
    else if (step == UndoStep::Reset)
        ResetUndo();
}

void Editor::RecodeHeldCaptions(TextEncoding from, TextEncoding to)
{
    const auto recode = [&](const std::string& caption) { return Recode(caption, from, to).value_or(caption); };
    guideFigure.caption = recode(guideFigure.caption);
    undo_->RecodeCaptions(recode);
}

void Editor::EnterPuzzle(int i)
{
    const Figure target = model.ParseFigure(i);
    LeavePuzzle();
    boardBeforePuzzle_ = model.GetCurrentFigure();
    model.ResetFigure();
    puzzle.emplace(model.pieceSet(), target, model.GetCurrentFigure());
    undoBeforePuzzle_ = std::move(undo_);
    undo_ = std::make_unique<UndoRing>(undoBeforePuzzle_->size());
    ResetUndo();
    RenderPuzzleGuide();
    DrawBoard();
}

void Editor::LeavePuzzle()
{
    if (!puzzle)
        return;
    puzzle.reset();
    undo_ = std::move(undoBeforePuzzle_);
    model.SetCurrentFigure(boardBeforePuzzle_);
    RenderGuideFigure();
    DrawBoard();
}

bool Editor::CheckPuzzle()
{
    if (!puzzle || !puzzle->Check(model.GetCurrentFigure()))
        return false;
    RenderPuzzleGuide();
    return true;
}

void Editor::RenderPuzzleGuide()
{
    const FigureRenderer renderer(model);
    if (puzzle->solved()) {
        renderer.ReduceBoard(renderer.Board(puzzle->target()), guideBitmap, view.guideReduction());
        return;
    }
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    renderer.FillBackground(board);
    QPainterPath outline;
    outline.setFillRule(Qt::OddEvenFill);
    for (const Silhouette::Ring& ring : puzzle->silhouette().rings) {
        QPolygonF polygon;
        for (const Point p : ring)
            polygon << QPointF(double(p.x) / Silhouette::Unit, double(p.y) / Silhouette::Unit);
        outline.addPolygon(polygon);
        outline.closeSubpath();
    }
    QPainter painter(&board);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(outline, ToQColor(model.Resolve(model.LabelColor())));
    painter.end();
    renderer.ReduceBoard(board, guideBitmap, view.guideReduction());
}

} // namespace zol
