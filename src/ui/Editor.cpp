#include "ui/Editor.h"

#include "io/TextCodec.h"
#include "model/FigureRenderer.h"

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

namespace {

GuideReduction Reduction(bool antialias) { return antialias ? GuideReduction::Antialias : GuideReduction::Stretch; }

} // namespace

// Outside the drawn area the bitmap is plain background, which the reduction
// need not read.
void Editor::RenderBoardAndGuide(bool antialias)
{
    const FigureRenderer renderer(model);
    const QRect drawn = boardRedraw_.DrawBoardFigure(renderer, 1.0, boardBitmap);
    renderer.ReduceBoard(boardBitmap, guideBitmap, Reduction(antialias), drawn);
}

void Editor::RenderGuideFigure(bool antialias)
{
    const FigureRenderer renderer(model);
    const QRect drawn = boardRedraw_.DrawFigure(renderer, guideFigure, 1.0, boardBitmap);
    renderer.ReduceBoard(boardBitmap, guideBitmap, Reduction(antialias), drawn);
}

void Editor::TakeGuideSnapshot() { guideFigure = model.GetCurrentFigure(); }

void Editor::RecodeHeldCaptions(TextEncoding from, TextEncoding to)
{
    const auto recode = [&](const std::string& caption) { return Recode(caption, from, to).value_or(caption); };
    guideFigure.caption = recode(guideFigure.caption);
    undo_->RecodeCaptions(recode);
}

} // namespace zol
