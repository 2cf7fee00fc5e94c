#pragma once
// The board polygon of one piece of any set at any placement, computed without
// a model: what the board draws for that placement, pixel for pixel.

#include "model/PieceSet.h"

namespace zol {

// (x, y) turned by `angle` as the board turns it; the 64-bit rotation gives
// the 32-bit results wherever those do not overflow.
Point Turned(int x, int y, int angle);

// Writes the shape's vertexCount points into out. The polygon of a placement
// at (x, y) is the one at (0, 0) moved by (x, y): rounding depends only on
// the turn and the flip.
void PlacedPolygon(const PieceShape& shape, const PiecePlacement& placement, int angleStep, Point* out);

} // namespace zol
