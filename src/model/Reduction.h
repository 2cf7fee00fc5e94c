#pragma once
// The guide image's reduction of a drawn board, for callers that draw the
// board themselves (over a picture, say) before reducing it.

#include <QRect>
#include <QRgb>

#include <array>

class QImage;

namespace zol {

// What a caller knows of a board it drew: every pixel outside `drawn` is
// `background`. The reduction then reads only the drawn area.
struct PlainOutside {
    QRect drawn;
    QRgb background;
};

// Reduces the whole board into the whole guide: the 4 x 4 mean through the
// gamma table when antialiasing a 512 board into a 128 guide, otherwise the
// nearest-pixel stretch. `known`, when given, applies to boards whose pixels
// are QRgb values (RGB32 and the two ARGB32 formats).
void ReduceBoard(const QImage& board, QImage& guide, bool antialias, const std::array<int, 256>& gamma,
                 const PlainOutside* known = nullptr);

// Whether the image's pixels are QRgb words, as the fast paths expect.
bool HasQRgbPixels(const QImage& image);

} // namespace zol
