#pragma once
// Reading the numbers of a placement line into a figure.

#include "model/Figure.h"

#include <span>
#include <string_view>

namespace zol {

// Four numbers per piece: x, y, angle, flip; offset is added to x and y (the
// start placements of a set are stored relative to its layout square). Too few
// numbers, or values beyond the coordinate bound, throw ConversionError.
Figure PlacementsFromValues(std::span<const int> values, int pieceCount, int offset);

// PlacementsFromValues(ParseCommaList(line), ...) with the same errors in the
// same order, without a vector: every figure of a document is read this way.
Figure ParsePlacementLine(std::string_view line, int pieceCount, int offset);

} // namespace zol
