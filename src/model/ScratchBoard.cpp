#include "model/ScratchBoard.h"

#include "model/FigureRenderer.h"

namespace zol {

ScratchBoard::ScratchBoard(int side) : board_(side, side, QImage::Format_RGB32) { board_.fill(Qt::black); }

void ScratchBoard::Draw(const FigureRenderer& renderer, const Figure& figure, double scale)
{
    redraw_.DrawFigure(renderer, figure, scale, board_);
}

void ScratchBoard::DrawOver(const FigureRenderer& renderer, const Figure& figure, double scale,
                            const QImage& picture)
{
    // Another image: the next Draw fills it whole.
    board_ = picture;
    renderer.DrawFigure(figure, scale, board_, Background::Keep);
}

void ScratchBoard::Reduce(const FigureRenderer& renderer, QImage& guide, GuideReduction reduction) const
{
    if (redraw_.PlainOutsideDrawn(renderer, board_))
        renderer.ReduceBoard(board_, guide, reduction, redraw_.drawn());
    else
        renderer.ReduceBoard(board_, guide, reduction);
}

} // namespace zol
