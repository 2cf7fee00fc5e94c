#pragma once
// Between gTans figures and figures of the built-in set. A gTans piece is
// turned about its centroid; a piece here about its pivot in 1/720 turn, with
// integer pixels, so an imported piece takes the integer placement whose board
// polygon lies closest to the gTans polygon.

#include "model/Figure.h"
#include "model/GtansFigure.h"

#include <stdexcept>

namespace zol {

class TangramModel;

// Board pixels per gTans unit: the side of the built-in square, 40 sqrt 2.
inline constexpr double GtansPixels = 56.568542494923802;
// The gTans point that lies on the board's centre: the middle of its play area.
inline constexpr double GtansCentre = 4.0;

struct GtansImport {
    Figure figure;           // placements only; the caption is left empty
    double worstError = 0.0; // the largest distance of a board vertex from its gTans vertex, in pixels
};

// Figures of the built-in set only; the model's set must be that one.
// Seven pieces of the set's kinds (two large triangles, a medium triangle, a
// square, a parallelogram, two small triangles) in any order. A figure that
// would leave the board is moved onto it whole.
GtansImport FigureFromGtans(const TangramModel& model, const GtansFigure& gtans);

// The placements of a figure of the built-in set as gTans pieces, each at its
// drawn polygon's centroid.
GtansFigure GtansFromFigure(const TangramModel& model, const Figure& figure);

// True when the model holds the built-in set, the one gTans figures map to.
bool HoldsBuiltInSet(const TangramModel& model);

} // namespace zol
