#pragma once
// Pieces on the board: one placement per piece, and a captioned figure of them.

#include <array>
#include <string>

namespace zol {

inline constexpr int BoardSize = 512;
inline constexpr int GuideSize = 128;
inline constexpr int MaxPieces = 32;
inline constexpr int MaxVertices = 63;
inline constexpr int PolygonCapacity = 64;
// Built-in shapes fill a 160-unit square; this centres it on the board.
inline constexpr int StartOffset = 176;
// Positions, shape coordinates and angles read from files stay within this
// bound, and moves are clamped to it, so that no geometry overflows 32 bits.
inline constexpr int CoordinateLimit = 1 << 20;

struct PiecePlacement {
    int x = 0;
    int y = 0;
    int angle = 0;     // 1/720 turn, clockwise on the screen
    double flip = 1.0; // +1 as designed, -1 mirrored
    bool operator==(const PiecePlacement&) const = default;
};

// A caption and 32 placements, kept as parallel arrays; copied by value for
// undo states and for parking the board figure while list figures are drawn.
struct Figure {
    std::string caption; // bytes in the document's text encoding
    std::array<int, MaxPieces> x;
    std::array<int, MaxPieces> y;
    std::array<int, MaxPieces> angle;
    std::array<double, MaxPieces> flip;

    // Every placement at the origin, unturned and unmirrored. One loop over
    // all four arrays becomes a few vector stores; a zero-fill of each array
    // on its own took four string instructions, whose start-up cost was most
    // of the time of reading a placement line.
    Figure()
    {
        for (int i = 0; i < MaxPieces; ++i) {
            x[i] = 0;
            y[i] = 0;
            angle[i] = 0;
            flip[i] = 1.0;
        }
    }

    PiecePlacement placement(int i) const { return {x[i], y[i], angle[i], flip[i]}; }
    void setPlacement(int i, const PiecePlacement& p)
    {
        x[i] = p.x;
        y[i] = p.y;
        angle[i] = p.angle;
        flip[i] = p.flip;
    }
    bool operator==(const Figure&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
};

} // namespace zol
