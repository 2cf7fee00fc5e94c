#pragma once
// How smooth a silhouette is, measured on its 128 x 128 work image.

#include "model/FigureRenderer.h"
#include "model/ScratchBoard.h"

#include <QImage>

#include <cstdint>

namespace zol {

// The image is cut into cells of (1 << level) pixels a side (level 0, 2 or 4);
// each cell's balance counts its pixels that differ from `background` minus
// those equal to it. The key sums the products of the balances of every pair of
// cells that are neighbours along a row or a column: high for a smooth outline,
// lower the more ragged it is. At level 0 it lies within -32512 ... 32512.
// Another level throws std::invalid_argument.
int NuanceKey(const QImage& work, uint32_t background, int level);

// The keys of figures of one model, each drawn as the board would show it
// (zoom percent included) and plainly reduced to its work image. It only
// reads the model; give each thread one of its own.
class NuanceKeyRenderer {
public:
    NuanceKeyRenderer(const TangramModel& model, int level);
    int Key(const Figure& figure);

private:
    FigureRenderer renderer_;
    uint32_t background_;
    int level_;
    ScratchBoard board_;
    QImage work_;
};

} // namespace zol
