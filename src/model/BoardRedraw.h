#pragma once
// A board image drawn again and again in place: the board while pieces are
// carried, a slide show, a sort rendering every figure. Each drawing puts the
// background back only over the areas the previous one touched, as long as
// the image is exactly as that drawing left it; anything else (a first
// drawing, another image, a resized or reassigned one, anyone else's painting
// into it, another background colour) gets the whole image filled. Either way
// the picture is the same as a drawing over a freshly filled image.

#include "model/FigureRenderer.h"

#include <QImage>

namespace zol {

class BoardRedraw {
public:
    // As the renderer's calls with Background::Fill; returns the area drawn.
    QRect DrawBoardFigure(const FigureRenderer& renderer, double scale, QImage& image);
    QRect DrawFigure(const FigureRenderer& renderer, const Figure& figure, double scale, QImage& image);

    // Whether `image` is as the last drawing left it, over `renderer`'s
    // background: plain background outside drawn().
    bool PlainOutsideDrawn(const FigureRenderer& renderer, const QImage& image) const;
    const QRect& drawn() const { return areas_.all; }

private:
    void PutBackBackground(const FigureRenderer& renderer, QImage& image) const;
    void Remember(const FigureRenderer& renderer, const QImage& image);

    DrawnAreas areas_;
    // QImage changes its cache key whenever its pixels may be written (any
    // painter, fill, scanLine or bits call), so an equal key means nobody
    // drew into the image since.
    qint64 imageKey_ = 0;
    QRgb background_ = 0;
};

} // namespace zol
