#pragma once
// Pictures of figures from a model that is only read: this figure, this set,
// this palette, this zoom, into this image. Nothing of the model changes, so
// pictures can be drawn on several threads at once, each into its own image.

#include "model/DrawOptions.h"
#include "model/TangramModel.h"

#include <array>

class QImage;

namespace zol {

class FigureRenderer {
public:
    explicit FigureRenderer(const TangramModel& model);

    // Paints in these colours instead of the palette's; the piece picker
    // paints each piece in a colour that names it.
    void UseColours(ColorRef background, const std::array<ColorRef, MaxPieces>& pieces);

    // The board figure as the board shows it: selected pieces as outlines.
    void DrawBoardFigure(double scale, QImage& image, Background background) const;
    // Any figure of the model's set, in the model's draw order, without
    // selection marks. Scale 1.0 fills a 512-pixel image.
    void DrawFigure(const Figure& figure, double scale, QImage& image, Background background) const;
    void FillBackground(QImage& image) const;
    // Derives the guide image from a board picture. Images of any pixel format
    // are accepted; a null image on either side leaves both as they are.
    void ReduceBoard(const QImage& board, QImage& guide, GuideReduction reduction) const;

    // A new 512-pixel board picture of the figure, and its 128-pixel guide image.
    QImage Board(const Figure& figure) const;
    QImage Guide(const Figure& figure, GuideReduction reduction) const;

private:
    void paint(const Figure* listFigure, double scale, QImage& image) const;

    const TangramModel& model_;
    ColorRef background_;
    std::array<ColorRef, MaxPieces> colours_;
};

} // namespace zol
