// gTans figures on the board: the piece shapes, handle points and turn sense
// of the format, the integer fit, and gTans figures written from placements.
#include "model/GtansFit.h"
#include "model/TangramModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace zol {
namespace {

struct Spot {
    double x;
    double y;
};

// Board point of a gTans point: (4, 4) on the centre, 40 sqrt 2 pixels a unit.
Spot Board(double gx, double gy) { return {256 + (gx - 4) * GtansPixels, 256 + (gy - 4) * GtansPixels}; }

GtansFigure Figure7(std::vector<GtansPiece> pieces)
{
    GtansFigure figure;
    figure.pieces = std::move(pieces);
    return figure;
}

// Every expected vertex has a board vertex of piece i within tolerance.
void ExpectVertices(const TangramModel& model, const zol::Figure& figure, int i, const std::vector<Spot>& expected,
                    double tolerance)
{
    Point polygon[PolygonCapacity];
    model.FigurePolygon(figure, i, polygon);
    for (const Spot& e : expected) {
        double nearest = INFINITY;
        for (int j = 0; j < model.polygonSize(i); ++j)
            nearest = std::min(nearest, std::hypot(polygon[j].x - e.x, polygon[j].y - e.y));
        EXPECT_LE(nearest, tolerance) << "piece " << i << " vertex near (" << e.x << ", " << e.y << ")";
    }
}

// The pieces of one figure, far enough apart to be told from each other: a
// triangle's handle is its centroid, the rotation turns counter-clockwise on
// the screen, the square stands on a side at 0, the parallelogram's flip
// mirrors it top to bottom.
TEST(GtansFit, PlacesEachKindAsTheFormatDrawsIt)
{
    const double t = 1.0 / 3;
    const GtansFigure gtans = Figure7({
        {GtansLargeTriangle, 0, 2, 2, 0},
        {GtansLargeTriangle, 0, 6, 2, 16384}, // a quarter turn: the right angle at the bottom left
        {GtansMediumTriangle, 0, 2, 6, 32768},
        {GtansSquare, 0, 4, 4, 0},
        {GtansParallelogram, 1, 6, 6, 0},
        {GtansSmallTriangle, 0, 4, 1, 0},
        {GtansSmallTriangle, 0, 4, 7, 8192}, // an eighth turn: the right angle points left
    });
    const TangramModel model;
    const GtansImport imported = FigureFromGtans(model, gtans);
    EXPECT_LE(imported.worstError, 1.5);
    const double m = std::sqrt(2.0) / 3;
    const double h = std::sqrt(2.0) / 2;
    const double r = std::sqrt(2.0);
    ExpectVertices(model, imported.figure, 5, {Board(2 - 2 * t, 2 - 2 * t), Board(2 + 4 * t, 2 - 2 * t), Board(2 - 2 * t, 2 + 4 * t)}, 1.5);
    ExpectVertices(model, imported.figure, 6, {Board(6 - 2 * t, 2 + 2 * t), Board(6 - 2 * t, 2 - 4 * t), Board(6 + 4 * t, 2 + 2 * t)}, 1.5);
    ExpectVertices(model, imported.figure, 0, {Board(2 + m, 6 + m), Board(2 + m - r, 6 + m), Board(2 + m, 6 + m - r)}, 1.5);
    ExpectVertices(model, imported.figure, 2, {Board(3.5, 3.5), Board(4.5, 3.5), Board(4.5, 4.5), Board(3.5, 4.5)}, 1.5);
    ExpectVertices(model, imported.figure, 4, {Board(6 - h / 2, 6 - 3 * h / 2), Board(6 + h / 2, 6 - h / 2),
                                               Board(6 + h / 2, 6 + 3 * h / 2), Board(6 - h / 2, 6 + h / 2)}, 1.5);
    ExpectVertices(model, imported.figure, 1, {Board(4 - t, 1 - t), Board(4 + 2 * t, 1 - t), Board(4 - t, 1 + 2 * t)}, 1.5);
    // Turned an eighth counter-clockwise about the centroid, which lies a
    // third of the height from the hypotenuse, now upright on the right.
    const double a = std::sqrt(2.0) / 3;
    ExpectVertices(model, imported.figure, 3, {Board(4 - a, 7), Board(4 + a / 2, 7 - 1.5 * a), Board(4 + a / 2, 7 + 1.5 * a)}, 1.5);
    // The parallelogram is the only piece that needs a flip to be drawn.
    for (const int i : {0, 1, 2, 3, 5, 6})
        EXPECT_EQ(imported.figure.flip[i], 1.0) << i;
    EXPECT_EQ(imported.figure.flip[4], -1.0);
}

// No known file flips a triangle; the flag mirrors it top to bottom as it
// does the parallelogram, and the board draws that unflipped, turned.
TEST(GtansFit, FlipFlagMirrorsATriangleTopToBottom)
{
    const double t = 1.0 / 3;
    const GtansFigure gtans = Figure7({{GtansLargeTriangle, 1, 2, 2, 0}, {GtansLargeTriangle, 0, 6, 2, 0},
                                       {GtansMediumTriangle, 0, 2, 6, 0}, {GtansSquare, 0, 4, 4, 0},
                                       {GtansParallelogram, 0, 6, 6, 0}, {GtansSmallTriangle, 0, 4, 1, 0},
                                       {GtansSmallTriangle, 0, 4, 7, 0}});
    const TangramModel model;
    const GtansImport imported = FigureFromGtans(model, gtans);
    ExpectVertices(model, imported.figure, 5, {Board(2 - 2 * t, 2 + 2 * t), Board(2 + 4 * t, 2 + 2 * t), Board(2 - 2 * t, 2 - 4 * t)}, 1.5);
    EXPECT_EQ(imported.figure.flip[5], 1.0);
}

TEST(GtansFit, MovesAFigureOffTheBoardOntoIt)
{
    GtansFigure gtans = Figure7({{GtansLargeTriangle, 0, -2, 0, 0}, {GtansLargeTriangle, 0, -1, 0, 0},
                                 {GtansMediumTriangle, 0, -1, 1, 0}, {GtansSquare, 0, -2, 1, 0},
                                 {GtansParallelogram, 0, -3, 1, 0}, {GtansSmallTriangle, 0, -2, 2, 0},
                                 {GtansSmallTriangle, 0, -1, 2, 0}});
    const TangramModel model;
    const GtansImport imported = FigureFromGtans(model, gtans);
    Point polygon[PolygonCapacity];
    int left = BoardSize;
    for (int i = 0; i < 7; ++i) {
        model.FigurePolygon(imported.figure, i, polygon);
        for (int j = 0; j < model.polygonSize(i); ++j) {
            left = std::min(left, polygon[j].x);
            EXPECT_GE(polygon[j].y, 0);
        }
    }
    EXPECT_GE(left, 0);
    EXPECT_LE(left, 4); // moved just far enough
}

// A figure written as gTans pieces and read back is the same figure: for
// every turn and place, and mirrored parallelograms.
TEST(GtansFit, ExportedPlacementsImportUnchanged)
{
    const TangramModel model;
    std::mt19937 random(15);
    // Far enough inside that no figure is moved onto the board.
    std::uniform_int_distribution<int> place(130, 380);
    std::uniform_int_distribution<int> turn(0, 719);
    int differing = 0;
    for (int round = 0; round < 300; ++round) {
        zol::Figure figure;
        for (int i = 0; i < 7; ++i)
            figure.setPlacement(i, {place(random), place(random), turn(random), i == 4 && round % 2 ? -1.0 : 1.0});
        const GtansImport back = FigureFromGtans(model, GtansFromFigure(model, figure));
        for (int i = 0; i < 7; ++i)
            if (back.figure.placement(i).x != figure.x[i] || back.figure.y[i] != figure.y[i] ||
                back.figure.angle[i] != figure.angle[i] || back.figure.flip[i] != figure.flip[i]) {
                ++differing;
                ADD_FAILURE() << "round " << round << " piece " << i << ": " << figure.x[i] << "," << figure.y[i]
                              << "," << figure.angle[i] << "," << figure.flip[i] << " came back as "
                              << back.figure.x[i] << "," << back.figure.y[i] << "," << back.figure.angle[i] << ","
                              << back.figure.flip[i];
            }
        if (differing > 5)
            break;
        EXPECT_LE(back.worstError, 1.5);
    }
}

// gTans knows no mirrored triangles: a flipped triangle comes back unflipped,
// turned so that it covers the same pixels.
TEST(GtansFit, MirroredTriangleComesBackAsTheSamePolygon)
{
    const TangramModel model;
    zol::Figure figure;
    for (int i = 0; i < 7; ++i)
        figure.setPlacement(i, {100 + 40 * i, 200 + 20 * i, 37 * i, -1.0});
    const GtansImport back = FigureFromGtans(model, GtansFromFigure(model, figure));
    for (int i = 0; i < 7; ++i) {
        Point original[PolygonCapacity];
        model.FigurePolygon(figure, i, original);
        std::vector<Spot> spots;
        for (int j = 0; j < model.polygonSize(i); ++j)
            spots.push_back({double(original[j].x), double(original[j].y)});
        ExpectVertices(model, back.figure, i, spots, 1.5);
    }
}

TEST(GtansFit, OnlyTheBuiltInSetHoldsGtansFigures)
{
    TangramModel model;
    EXPECT_TRUE(HoldsBuiltInSet(model));
    model.InstallSetLines({"square", "1", "4,0,0,0,0,10,0,10,10,0,10", "0,0,0,1", "x", "90"}, TextEncoding::Cp932);
    EXPECT_FALSE(HoldsBuiltInSet(model));
    EXPECT_THROW(GtansFromFigure(model, model.GetCurrentFigure()), std::invalid_argument);
}

} // namespace
} // namespace zol
