// The model's own drawing calls: thin callers of FigureRenderer, and the
// gamma table that the guide reduction reads.
#include "model/FigureRenderer.h"

#include <QImage>

#include <cmath>
#include <vector>

namespace zol {

bool TangramModel::isSelected(int piece) const
{
    return piece == selection_ || (selection_ == -2 && groupFlags_[piece]);
}

namespace {

// Figure `index` of the model (-1 the board figure) drawn by `renderer`;
// returns the area the pieces touched.
QRect Draw(TangramModel& model, const FigureRenderer& renderer, int index, double s, QImage& bitmap,
           Background background)
{
    if (index == -1)
        return renderer.DrawBoardFigure(s, bitmap, background);
    // The background goes down before the list line is read, so a line that
    // cannot be read leaves an empty picture rather than the previous one.
    if (background == Background::Fill)
        renderer.FillBackground(bitmap);
    const QRect drawn = renderer.DrawFigure(model.ParseFigure(index), s, bitmap, Background::Keep);
    model.ClearSelection();
    return drawn;
}

} // namespace

void TangramModel::DrawFigure(int index, double s, QImage& bitmap, Background background)
{
    Draw(*this, FigureRenderer(*this), index, s, bitmap, background);
}

// The board was filled before the pieces went down, so the reduction needs
// to read only where they went.
void TangramModel::RenderBoard(int index, QImage& board, QImage& guide, bool antialias)
{
    const FigureRenderer renderer(*this);
    const QRect drawn = Draw(*this, renderer, index, 1.0, board, Background::Fill);
    renderer.ReduceBoard(board, guide, antialias ? GuideReduction::Antialias : GuideReduction::Stretch, drawn);
}

void TangramModel::SetGamma(double g)
{
    if (g < 1.0 || g > 3.0 || std::isnan(g))
        g = 2.2;
    gamma_ = g;
    for (int i = 0; i < 256; ++i)
        gammaTable_[i] = i;
    if (g == 1.0)
        return;
    int level = 1;
    for (double x = 0.0; x < 1.0; x += 0.0005) {
        if (static_cast<int>(256 * std::pow(x, g)) == level) {
            ++level;
            if (level <= 255)
                gammaTable_[level] = static_cast<int>(256 * x);
        }
    }
    gammaTable_[0] = 0;
    gammaTable_[255] = 255;
}

} // namespace zol
