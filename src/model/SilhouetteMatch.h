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
// group of pieces truncates each pivot's new place to whole pixels and
// rounds each piece's corners on their own, so neighbouring pieces shift
// against each other by a pixel or two, and the tip of a 45-degree corner
// that two pieces make moves half as far again. Over the 308 gTans figures
// on the 45-degree grid, turned as a group by every multiple of 45 degrees,
// mirrored or turned again by 45 degrees, the distance stayed
// at 4.1 or below (mostly 1 to 2). The two closest different figures of
// those lie 12.8 apart, and a piece pulled 4 pixels away opens a gap that
// the closing keeps, which puts the gap's depth between the outlines.
// Pieces off that grid round farther when turned by an odd multiple of 45
// degrees (up to 8.5 over the 73 such gTans figures), so such a copy may be
// told apart from its original.
inline constexpr double SameSilhouetteTolerance = 4.5;

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
