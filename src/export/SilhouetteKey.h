#pragma once
// Cheap measures of a silhouette that a turn on the set's angle grid, a
// mirror and a move leave alone, and that two outlines within the
// same-silhouette distance d of each other can differ in only a little: the
// area, and the widths across the grid's directions (each by at most 2 d).
// Figures whose measures differ more cannot be the same, so the exact test
// runs only where they agree.

#include "model/Silhouette.h"

#include <vector>

namespace zol {

struct SilhouetteKey {
    double area = 0;
    double perimeter = 0;
    // Widths across the directions of the angle grid (every multiple of the
    // step within a half turn), largest first; none on a grid finer than 8
    // directions, where they would cost more than they save.
    std::vector<double> widths;
};

SilhouetteKey KeyOf(const Silhouette& silhouette, int angleStep);

// Whether two silhouettes with these keys may be the same within `distance`.
bool MayBeSame(const SilhouetteKey& a, const SilhouetteKey& b, double distance);

} // namespace zol
