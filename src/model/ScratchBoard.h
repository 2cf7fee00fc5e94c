#pragma once
// A board picture drawn again and again (a slide show, a sort rendering every
// figure) only to be reduced. Before each drawing only the area the previous
// figure touched is put back to the background, and the reduction reads only
// the area the new one touched; the picture is the same as if it had been
// filled whole each time.

#include "model/BoardRedraw.h"
#include "model/DrawOptions.h"

#include <QImage>

namespace zol {

class ScratchBoard {
public:
    // A square board of `side` pixels, black until the first drawing.
    explicit ScratchBoard(int side);

    // The figure over the renderer's background colour.
    void Draw(const FigureRenderer& renderer, const Figure& figure, double scale);
    // The figure over `picture`, which has the board's size and format.
    void DrawOver(const FigureRenderer& renderer, const Figure& figure, double scale, const QImage& picture);
    // The last drawing reduced into `guide`.
    void Reduce(const FigureRenderer& renderer, QImage& guide, GuideReduction reduction) const;

    const QImage& picture() const { return board_; }

private:
    QImage board_;
    BoardRedraw redraw_;
};

} // namespace zol
