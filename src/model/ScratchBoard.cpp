#include "model/ScratchBoard.h"

#include "model/FigureRenderer.h"

namespace zol {

ScratchBoard::ScratchBoard(int side) : board_(side, side, QImage::Format_RGB32) { board_.fill(Qt::black); }

void ScratchBoard::Draw(const FigureRenderer& renderer, const Figure& figure, double scale)
{
    const QRgb background = renderer.backgroundPixel();
    if (plain_ && background == plainBackground_)
        renderer.FillBackground(board_, drawn_);
    else
        renderer.FillBackground(board_);
    plain_ = true;
    plainBackground_ = background;
    drawn_ = renderer.DrawFigure(figure, scale, board_, Background::Keep);
}

void ScratchBoard::DrawOver(const FigureRenderer& renderer, const Figure& figure, double scale,
                            const QImage& picture)
{
    board_ = picture;
    plain_ = false;
    drawn_ = renderer.DrawFigure(figure, scale, board_, Background::Keep);
}

void ScratchBoard::Reduce(const FigureRenderer& renderer, QImage& guide, GuideReduction reduction) const
{
    if (plain_ && renderer.backgroundPixel() == plainBackground_)
        renderer.ReduceBoard(board_, guide, reduction, drawn_);
    else
        renderer.ReduceBoard(board_, guide, reduction);
}

} // namespace zol
