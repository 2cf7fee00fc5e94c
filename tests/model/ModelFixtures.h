#pragma once
// Small sets, placements and bitmaps that the model tests build on.

#include "model/TangramModel.h"

#include <QImage>

#include <string>
#include <vector>

namespace zol::test {

// The lines of a piece set made of the given piece lines; start placements are
// stored relative to the layout square, as in every set file.
std::vector<std::string> SetLines(const std::vector<std::string>& pieceLines, const std::string& placementLine,
                                  const std::string& angleStep = "90");

// Installs such a set and clears the list, so that the board starts fresh.
void InstallPieces(TangramModel& model, const std::vector<std::string>& pieceLines,
                   const std::string& placementLine, const std::string& angleStep = "90");

// Puts piece i at (x, y, angle, flip) on the board, the other pieces unchanged.
void Place(TangramModel& model, int i, int x, int y, int angle = 0, double flip = 1.0);

// Puts the set's start arrangement (the solved figure) on the board, unscattered.
void PlaceStartFigure(TangramModel& model);

std::vector<Point> Polygon(const TangramModel& model, int i);

// A fresh RGB32 bitmap filled with a colour no palette of the tests uses.
QImage Bitmap(int size);

// Colours in the bitmap's 0xAARRGGBB form, from a 0x00BBGGRR colour value.
QRgb ToRgb(ColorRef colour);

// Every board polygon equals what a fresh model computes from the same
// placements: the geometry invariant that every operation has to keep.
void ExpectPolygonsMatchPlacements(const TangramModel& model);

// Everything of the model that a refused operation must leave as it was.
struct ModelState {
    std::vector<std::string> setLines;
    std::string setName;
    int pieceCount;
    int angleStep;
    Figure start;
    Figure current;
    std::vector<std::string> figureLines;
    int figureCount;
    bool modified;
    std::array<int, MaxPieces> drawOrder;
    int selection;
    std::vector<std::vector<Point>> polygons;
    bool operator==(const ModelState&) const = default;
};
ModelState Capture(const TangramModel& model);

// White pieces on black, so that a pixel tells piece from background.
inline constexpr ColorRef White = 0xFFFFFF;
void UseWhiteOnBlack(TangramModel& model);

} // namespace zol::test
