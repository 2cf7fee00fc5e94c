#pragma once
// The guide image's reduction of a drawn board, for callers that draw the
// board themselves (over a picture, say) before reducing it.

#include <array>

class QImage;

namespace zol {

// Reduces the whole board into the whole guide: the 4 x 4 mean through the
// gamma table when antialiasing a 512 board into a 128 guide, otherwise the
// nearest-pixel stretch.
void ReduceBoard(const QImage& board, QImage& guide, bool antialias, const std::array<int, 256>& gamma);

} // namespace zol
