#pragma once
// Reading the numbers of a placement line into a figure.

#include "model/Figure.h"

#include <vector>

namespace zol {

// Four numbers per piece: x, y, angle, flip; offset is added to x and y (the
// start placements of a set are stored relative to its layout square). Too few
// numbers, or values beyond the coordinate bound, throw ConversionError.
Figure PlacementsFromValues(const std::vector<int>& values, int pieceCount, int offset);

} // namespace zol
