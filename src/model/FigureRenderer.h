#pragma once
// Pictures of figures from a model that is only read: this figure, this set,
// this palette, this zoom, into this image. Nothing of the model changes, so
// pictures can be drawn on several threads at once, each into its own image.

#include "model/DrawOptions.h"
#include "model/TangramModel.h"

#include <QRect>
#include <QRgb>

#include <array>

class QImage;

namespace zol {

// The areas one drawing touched: one per piece drawn (pen included, within
// the image) and their union. Pieces scattered over the board leave most of
// the union untouched.
struct DrawnAreas {
    std::array<QRect, MaxPieces> pieces;
    int count = 0;
    QRect all;
};

class FigureRenderer {
public:
    explicit FigureRenderer(const TangramModel& model);

    // Paints in these colours instead of the palette's; the piece picker
    // paints each piece in a colour that names it.
    void UseColours(ColorRef background, const std::array<ColorRef, MaxPieces>& pieces);

    // The drawing calls return the area the pieces may have touched (pen
    // included, within the image); every pixel outside it is as it was.

    // The board figure as the board shows it: selected pieces as outlines.
    QRect DrawBoardFigure(double scale, QImage& image, Background background, DrawnAreas* areas = nullptr) const;
    // Any figure of the model's set, in the model's draw order, without
    // selection marks. Scale 1.0 fills a 512-pixel image.
    QRect DrawFigure(const Figure& figure, double scale, QImage& image, Background background,
                     DrawnAreas* areas = nullptr) const;
    void FillBackground(QImage& image) const;
    // The background put back over every area of a drawing, each pixel once.
    void FillBackground(QImage& image, const DrawnAreas& areas) const;
    // The background colour as a pixel of a 32-bit image.
    QRgb backgroundPixel() const;
    // Derives the guide image from a board picture. Images of any pixel format
    // are accepted; a null image on either side leaves both as they are.
    void ReduceBoard(const QImage& board, QImage& guide, GuideReduction reduction) const;
    // The same, for a board filled with the background colour and drawn on
    // only inside `drawn`: the plain rest is neither read nor summed.
    void ReduceBoard(const QImage& board, QImage& guide, GuideReduction reduction, const QRect& drawn) const;

    // A new 512-pixel board picture of the figure, and its 128-pixel guide image.
    QImage Board(const Figure& figure) const;
    QImage Guide(const Figure& figure, GuideReduction reduction) const;

private:
    QRect paint(const Figure* listFigure, double scale, QImage& image, DrawnAreas* areas) const;

    const TangramModel& model_;
    ColorRef background_;
    std::array<ColorRef, MaxPieces> colours_;
};

} // namespace zol
