#pragma once
// The one place where sorting, the clipboard and the catalogue draw figures.
// List figures pass through the model's board figure, which is parked and put
// back, so callers see the model as it was.

#include "model/Figure.h"

#include <QImage>

#include <cstdint>

namespace zol {

class TangramModel;

// List figure `index` drawn on `board` at scale 1 (with the zoom percent) and
// reduced into `reduced`, plainly or antialiased. Throws ConversionError for a
// figure whose placement line does not parse; the board figure stays.
void RenderListFigure(TangramModel& model, int index, QImage& board, QImage& reduced, bool antialias);

// FigureBounds(0.25) of list figure `index`: its extent in a 128-pixel image.
Rect ListFigureBounds(TangramModel& model, int index);

// The board figure in a new 512 x 512 picture, exactly as the board shows it,
// selection marks included.
QImage BoardPicture(TangramModel& model);

// The model's background as a pixel of a drawn image (alpha bits cleared).
uint32_t BackgroundPixel(const TangramModel& model);

} // namespace zol
