#include "ui/Editor.h"

#include "io/TextCodec.h"

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

void Editor::DrawBoard() { model.DrawFigure(BoardFigure, 1.0, boardBitmap, Background::Fill); }

void Editor::RenderBoardAndGuide(bool antialias) { model.RenderBoard(BoardFigure, boardBitmap, guideBitmap, antialias); }

void Editor::TakeGuideSnapshot() { guideFigure = model.GetCurrentFigure(); }

void Editor::RecodeHeldCaptions(TextEncoding from, TextEncoding to)
{
    const auto recode = [&](const std::string& caption) { return Recode(caption, from, to).value_or(caption); };
    guideFigure.caption = recode(guideFigure.caption);
    undo_->RecodeCaptions(recode);
}

} // namespace zol
