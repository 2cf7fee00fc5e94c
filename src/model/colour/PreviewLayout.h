#pragma once
// The preview of the palette customisation dialog: 256 small squares winding
// outward from the middle of a 185 x 128 picture, each in a colour drawn as
// the palette generator draws a piece colour.

#include "model/Palette.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zol {

inline constexpr int PreviewWidth = 185;
inline constexpr int PreviewHeight = 128;
inline constexpr int PreviewSquares = 256;

struct PreviewRect {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive
    bool operator==(const PreviewRect&) const = default;
};

// About four turns from (91, 63) to a radius of 64; sides 2, 3, then 4.
const std::array<PreviewRect, PreviewSquares>& PreviewLayout();

// The next `count` colours 0x00BBGGRR of `params` from the process-wide
// generator: the sequence SetPalette would draw from the same state.
std::vector<uint32_t> PreviewColours(const PaletteParams& params, int count = PreviewSquares);

} // namespace zol
