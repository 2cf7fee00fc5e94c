#pragma once
// Whether two silhouettes are the same: after a move, a turn by a multiple of
// the set's angle step and perhaps a mirror, every point of either outline
// (outer outlines and holes alike) lies close to the other's. The largest such
// distance (the Hausdorff distance of the outlines) catches one piece pulled a
// few pixels away however long the outline is, where comparing areas would not.

#include "model/Silhouette.h"

#include <limits>

namespace zol {

// Outlines that keep within this many board pixels of each other are the
// same. Two builds of one shape differ by the board's rounding: turning a
// group of pieces truncates each pivot's new place to whole pixels, and each
// piece's corners are rounded on their own, so neighbouring pieces shift
// against each other by up to a pixel or two; where pieces meet only at a
// corner, the closing of gaps bridges them a little differently each time.
// Over the 308 gTans figures on the 45-degree grid, each turned as a group
// by every multiple of 45 degrees about four centres, mirrored or not, the
// distance stayed at 3.26 or below (mostly 1 to 2); a piece pulled 4 pixels
// away from the others opens a gap the closing keeps, and the distance
// grows with the gap's depth.
inline constexpr double SameSilhouetteTolerance = 3.5;

struct SilhouetteMatch {
    // The largest distance between the outlines at the best fit, in board
    // pixels; infinite when either silhouette is empty and the other is not.
    double distance = std::numeric_limits<double>::infinity();
    int turn = 0;          // 1/720 turn of the first silhouette, clockwise
    bool mirrored = false; // the first mirrored left to right before turning
    bool same() const { return distance <= SameSilhouetteTolerance; }
};

// The best fit of a onto b over every turn by a multiple of angleStep,
// mirrored or not, each moved onto b. The distance is measured to within an
// eighth of a pixel. Given a finite stopAbove, the answer only has to tell
// whether some fit lies within it: a fit found within it ends the search and
// its distance may be given as a bound up to half a pixel high, and a result
// above it only says that none does.
SilhouetteMatch MatchSilhouettes(const Silhouette& a, const Silhouette& b, int angleStep,
                                 double stopAbove = std::numeric_limits<double>::infinity());

// The largest distance between the outlines as they stand, in board pixels.
double OutlineDistance(const Silhouette& a, const Silhouette& b);

// Whether OutlineDistance(a, b) is surely within `distance`; quicker, and
// it may say no when the distance is within an eighth of a pixel of it.
bool OutlinesWithin(const Silhouette& a, const Silhouette& b, double distance);

} // namespace zol
