#pragma once
// The shapes of a tangram set, where they start, its name and angle step.

#include "model/Figure.h"

#include <array>
#include <string>

namespace zol {

struct PieceShape {
    int vertexCount = 0;
    int pivotX = 0;
    int pivotY = 0;
    std::array<int, PolygonCapacity> x{};
    std::array<int, PolygonCapacity> y{};
};

struct PieceSet {
    std::string name;        // key of documents and of the .plt file name
    int pieceCount = 0;
    std::array<PieceShape, MaxPieces> shapes{};
    int angleStep = 90;      // snap unit; also switches on edge straightening
    std::string displayName; // bytes in the set file's text encoding
};

} // namespace zol
