#pragma once
// How the catalogue packs figures, in list order, into strips of at most 680
// pixels: each figure gets a cell as wide as its cropped image plus 6, or as
// its caption plus 16 when the caption is at least as wide.

#include "model/Figure.h"

#include <vector>

namespace zol {

inline constexpr int StripWidth = 680;
inline constexpr int StripHeight = 144;
// The figure images stand on this row; the caption band lies below it.
inline constexpr int CaptionTop = 128;

struct CatalogueCell {
    Rect crop;        // rows and columns of the figure image shown
    int captionWidth; // pixels
    int width() const;
};

// The crop of a figure whose FigureBounds(0.25) is `bounds`: widened by 3
// pixels left and right, 2 above and 6 below, and kept within the image.
Rect CropOf(const Rect& bounds);

struct Strip {
    int first = 0; // index of its first figure
    int end = 0;   // index after its last figure: the number in its file name
    int width = 0; // used width
    bool operator==(const Strip&) const = default;
};

// Strips fill left to right; a cell that no longer fits starts the next strip.
// A cell wider than a strip gets a strip of its own, as wide as the cell.
std::vector<Strip> PackStrips(const std::vector<CatalogueCell>& cells);

} // namespace zol
