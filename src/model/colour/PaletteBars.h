#pragma once
// The six track bars of the palette customisation dialog: a pair each for hue,
// saturation and value. A bar's position runs 0 (top) to 255; its value is
// 255 - position, so the top means 255.

#include "model/Palette.h"

namespace zol {

enum class PaletteBar { H1, H2, S1, S2, V1, V2 };

struct PaletteBarPositions {
    int h1 = 0, h2 = 0;
    int s1 = 0, s2 = 0;
    int v1 = 0, v2 = 0;
    bool operator==(const PaletteBarPositions&) const = default;
    int& operator[](PaletteBar bar);
    int operator[](PaletteBar bar) const;
};

// The hue thumbs either coincide or lie at least this far apart.
inline constexpr int HueBarGap = 8;

// The bars after the user moved `moved`: a hue thumb that comes within the gap
// of its partner jumps onto it; a first saturation or value bar moved below
// its partner's value pushes the partner along, and a second one moved above
// its partner's value pulls the partner along.
PaletteBarPositions CoupleBars(PaletteBarPositions bars, PaletteBar moved);

// The record the bars stand for, on `bgcolor`. The hue range runs from the
// first bar's hue upward, wrapping past 255, to just below the second's.
PaletteParams ParamsFromBars(const PaletteBarPositions& bars, uint32_t bgcolor);

// The bars that show `params`: positions held to 0..255, each second bar
// coupled to its first as if the user had set it, so that the record read
// back is the one given whenever the bars can show it.
PaletteBarPositions BarsFromParams(const PaletteParams& params);

} // namespace zol
