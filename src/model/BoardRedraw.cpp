#include "model/BoardRedraw.h"

namespace zol {

bool BoardRedraw::PlainOutsideDrawn(const FigureRenderer& renderer, const QImage& image) const
{
    return imageKey_ != 0 && image.cacheKey() == imageKey_ && renderer.backgroundPixel() == background_;
}

void BoardRedraw::PutBackBackground(const FigureRenderer& renderer, QImage& image) const
{
    if (PlainOutsideDrawn(renderer, image))
        renderer.FillBackground(image, areas_);
    else
        renderer.FillBackground(image);
}

void BoardRedraw::Remember(const FigureRenderer& renderer, const QImage& image)
{
    imageKey_ = image.isNull() ? 0 : image.cacheKey();
    background_ = renderer.backgroundPixel();
}

QRect BoardRedraw::DrawBoardFigure(const FigureRenderer& renderer, double scale, QImage& image)
{
    PutBackBackground(renderer, image);
    renderer.DrawBoardFigure(scale, image, Background::Keep, &areas_);
    Remember(renderer, image);
    return areas_.all;
}

QRect BoardRedraw::DrawFigure(const FigureRenderer& renderer, const Figure& figure, double scale, QImage& image)
{
    PutBackBackground(renderer, image);
    renderer.DrawFigure(figure, scale, image, Background::Keep, &areas_);
    Remember(renderer, image);
    return areas_.all;
}

} // namespace zol
