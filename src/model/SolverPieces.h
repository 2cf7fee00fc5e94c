#pragma once
// The pieces of a set as the silhouette solver tries them: every distinct
// pose (turn on the set's angle grid, flipped or not) of every piece as a
// pixel mask, and the pieces grouped into kinds of equal shape.

#include "model/PieceSet.h"
#include "model/PixelMask.h"

#include <vector>

namespace zol {

struct PiecePose {
    int angle = 0;
    double flip = 1.0;
    PixelMask mask;      // the board pixels of the piece placed at (0, 0)
    PixelMask rim;       // those and every pixel touching them
    int rimCount = 0;    // pixels of the rim
    // The solid part the piece leaves in a region it fills once the pieces
    // around it take their rims: a part of the region with less than the
    // least of these holds no piece.
    int solidArea = 0;
    Point lead;          // the mask's leading solid pixel (or its first pixel)
    int area = 0;        // pixels
    int allowance = 0;   // pixels it may stick out of the silhouette by
    double outline = 0;  // the length of its outline, in pixels
};

// One piece in one pose.
struct PoseChoice {
    int piece = 0;
    PiecePose pose;
};

// Pieces of one shape, mirrors included, and the shapes they take: a square
// turned by a right angle, a symmetric triangle flipped or the other large
// triangle in the same pose makes the same shape, rounded a little
// differently on the board. The search tries each shape once, in whichever
// of its poses fits best.
struct SolverKind {
    std::vector<int> pieces;
    std::vector<std::vector<PoseChoice>> shapes;
};

// What the search counts of a piece; rounding makes its poses' areas differ
// by a few percent.
struct PieceMeasure {
    int leastSolid = 0;
    int leastArea = 0;
    int mostArea = 0;
    int allowance = 0; // the most of any pose
    double outline = 0;
};

struct SolverPieces {
    std::vector<PieceMeasure> pieces; // one per piece of the set
    std::vector<SolverKind> kinds;    // largest first
};

// Every angle that is a multiple of the set's step, with and without the
// flip.
SolverPieces PiecesOf(const PieceSet& set);

// The pose of a piece at a placement the solver did not choose (a piece the
// user put down already).
PiecePose PoseOf(const PieceSet& set, int piece, const PiecePlacement& placement);

} // namespace zol
