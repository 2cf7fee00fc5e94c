#pragma once
// Plane geometry over the board polygons of a model, for checking that the
// pieces of a figure tile a shape: areas, coverage, overlap and contact.

#include "model/Figure.h"

#include <vector>

namespace zol {
class TangramModel;
}

namespace zol::datacheck {

using Polygon = std::vector<Point>;

// The board polygons of the model's current figure, one per piece.
std::vector<Polygon> BoardPolygons(const TangramModel& model);

// Twice the unsigned area (shoelace formula), exact for integer vertices.
long long DoubleArea(const Polygon& polygon);

// Crossing-number test; a point exactly on an edge may go either way, so
// callers sample off the integer lattice.
bool Contains(const Polygon& polygon, double x, double y);

// One sample point per pixel of a rectangle, placed off the lattice so that
// no sample lies on an edge between integer points.
struct Coverage {
    int covered = 0;    // samples inside at least one piece
    int overlapped = 0; // samples inside two or more pieces
    int mismatched = 0; // samples whose cover count differs from the shape's
};

// Samples [left, right) x [top, bottom); with a shape, a sample inside it must
// be covered exactly once and a sample outside it not at all.
Coverage MeasureCoverage(const std::vector<Polygon>& pieces, const Rect& area, const Polygon* shape = nullptr);

// Smallest distance between the outlines of two polygons; 0 when they cross.
double Distance(const Polygon& a, const Polygon& b);

// Groups of pieces connected through contacts closer than tolerance pixels.
int CountConnectedGroups(const std::vector<Polygon>& pieces, double tolerance);

Rect Bounds(const std::vector<Polygon>& pieces);

} // namespace zol::datacheck
