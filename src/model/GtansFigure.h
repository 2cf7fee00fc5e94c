#pragma once
// A figure of a gTans collection as its file holds it: per piece its type, a
// flip flag, where its handle point lies in units of the square's side, and
// its turn in 1/65536 of a turn.

#include <string>
#include <vector>

namespace zol {

enum GtansPieceType {
    GtansLargeTriangle = 0,
    GtansMediumTriangle = 1,
    GtansSquare = 2,
    GtansParallelogram = 3,
    GtansSmallTriangle = 4,
};
inline constexpr int GtansPieceTypeCount = 5;
inline constexpr int GtansFigurePieces = 7;
inline constexpr int GtansTurn = 65536;

struct GtansPiece {
    int type = GtansSquare;
    int flip = 0; // 0 as designed, 1 mirrored
    double x = 0; // the handle point: the piece's centroid
    double y = 0;
    int rotation = 0; // 0..65535, counter-clockwise on the screen
    bool operator==(const GtansPiece&) const = default;
};

struct GtansFigure {
    // The three numbers that open a figure; every known file has 1, 1 and
    // 1024 there, and nothing here depends on them.
    double lead1 = 1.0;
    double lead2 = 1.0;
    int lead3 = 1024;
    std::vector<GtansPiece> pieces;
    bool operator==(const GtansFigure&) const = default;
};

using GtansCollection = std::vector<GtansFigure>;

} // namespace zol
