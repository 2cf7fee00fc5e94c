#pragma once
// The silhouette of a figure: the union of its pieces' board polygons, outer
// outlines and holes, as the user sees it filled on the board. The pieces'
// integer placements leave gaps and overlaps of a pixel where they touch; a
// silhouette closes them, so that pieces that touch read as one outline.

#include "model/PieceSet.h"

#include <vector>

namespace zol {

struct Silhouette {
    // Outlines are kept in eighths of a board pixel: closing the gaps moves
    // edges by less than a pixel, which whole pixels would round away.
    static constexpr int Unit = 8;
    using Ring = std::vector<Point>;
    // Outer outlines run clockwise on the screen (positive shoelace area with
    // y pointing down), holes the other way.
    std::vector<Ring> rings;

    bool empty() const { return rings.empty(); }
};

// Gaps narrower than twice this (board pixels) between pieces are closed.
inline constexpr double SilhouetteClosing = 1.5;

// The silhouette of every piece of the set at the figure's placements, as the
// board draws them.
Silhouette FigureSilhouette(const PieceSet& set, const Figure& figure);

// The silhouette of polygons in board pixels that are already an outline: the
// area inside an odd number of them (an outer outline and its holes).
Silhouette OutlineSilhouette(const std::vector<std::vector<Point>>& polygons);

// Board pixels: area (holes taken away), length of every outline, and the
// smallest rectangle of whole pixels around it ({0, 0, 0, 0} when empty).
double SilhouetteArea(const Silhouette& silhouette);
double SilhouettePerimeter(const Silhouette& silhouette);
Rect SilhouetteBounds(const Silhouette& silhouette);

} // namespace zol
