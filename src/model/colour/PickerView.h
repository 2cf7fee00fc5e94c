#pragma once
// The colour picker's view of the HSV solid: hue turns about the vertical
// axis, saturation times value is the distance from it, value is the height.
// Every named colour becomes a square; nearer squares are larger and drawn
// later, so they cover those behind.

#include "model/colour/NamedColours.h"

#include <array>
#include <vector>

namespace zol {

inline constexpr int PickerSide = 256;       // the view is PickerSide square
inline constexpr uint32_t PickerGrey = 0x808080; // the empty field

// cos(2 pi i / 256) scaled by 512.5, truncated.
const std::array<int, 256>& PickerCosines();

struct TurnedPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TurnedPoint&) const = default;
};

// (x, y) turned by `angle` 1/256 turns (angle >= 0).
TurnedPoint Turn(int x, int y, int angle);

struct PickerBars {
    int sbx = 128; // turn about the vertical axis, 0..255
    int sby = 128; // tilt, 0..255
    int sbz = 20;  // zoom, 10..100
    bool operator==(const PickerBars&) const = default;
};

struct ColourSquare {
    int sx = 0; // left
    int sy = 0; // top
    int nearness = 0;
    int size = 0; // side
};

struct PickerProjection {
    std::vector<ColourSquare> squares; // by colour index
    std::vector<int> order;            // colour indices, farthest first
};

PickerProjection ProjectColours(const TColors& colours, const PickerBars& bars);

// The topmost square under (x, y), or -1.
int SquareAt(const PickerProjection& view, int x, int y);

// A click on the picture that hit only the grey field picks nothing. A named
// colour of exactly that grey is still picked on its own square.
bool IsFieldClick(const PickerProjection& view, uint32_t pixel, int x, int y);

// The white arrow whose tip touches the centre of `square` and whose tail
// points away from the middle of the view: a polyline of seven points.
std::array<TurnedPoint, 7> PointerArrow(const ColourSquare& square);

} // namespace zol
