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

// The name of the built-in set: documents of that set name it, though no
// file holds it.
inline constexpr const char* BuiltInSetKey = "tan";

struct PieceSet {
    std::string name;        // key of documents and of the .plt file name
    int pieceCount = 0;
    std::array<PieceShape, MaxPieces> shapes{};
    int angleStep = 90;      // snap unit; also switches on edge straightening
    std::string displayName; // bytes in the set file's text encoding
};

} // namespace zol
