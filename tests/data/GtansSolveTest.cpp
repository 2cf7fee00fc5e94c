// The solver on real silhouettes: a sample of the figures of Debian's gTans
// collections that lie on the 45-degree grid, each imported as the editor
// imports it and solved where it stands; every solution is checked with the
// same-silhouette test and for pieces that overlap.

#include "io/GtansFile.h"
#include "model/GtansFit.h"
#include "model/PixelMask.h"
#include "model/SilhouetteMatch.h"
#include "model/SilhouetteSolver.h"
#include "model/TangramModel.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace zol;

namespace {

constexpr const char* GtansFolder = "/usr/share/games/gtans/figures";
// One figure in this many of those on the grid.
constexpr int SampleEvery = 10;

std::vector<Point> PolygonOf(const TangramModel& model, const Figure& figure, int i)
{
    std::vector<Point> polygon(PolygonCapacity);
    model.FigurePolygon(figure, i, polygon.data());
    polygon.resize(model.polygonSize(i));
    return polygon;
}

// Pixels (by their centres) that two pieces share, and the length of the
// shorter piece's longest edge: pieces that meet along an edge share at
// most a row of pixels along it.
void ExpectNoOverlap(const TangramModel& model, const Figure& figure)
{
    for (int i = 0; i < model.pieceCount(); ++i) {
        const PixelMask a = PixelMask::OfRings({PolygonOf(model, figure, i)}, 1);
        for (int j = i + 1; j < model.pieceCount(); ++j) {
            const std::vector<Point> other = PolygonOf(model, figure, j);
            const PixelMask b = PixelMask::OfRings({other}, 1);
            int shared = 0;
            for (int y = a.top(); y < a.top() + a.height(); ++y)
                for (int x = a.left(); x < a.left() + a.width(); ++x)
                    shared += a.test(x, y) && b.test(x, y);
            double longest = 0;
            for (size_t k = 0, m = other.size() - 1; k < other.size(); m = k++)
                longest = std::max(longest, std::hypot(double(other[k].x - other[m].x), double(other[k].y - other[m].y)));
            EXPECT_LE(shared, longest) << "pieces " << i << " and " << j;
        }
    }
}

TEST(GtansFigures, SampleIsSolvedInPlace)
{
    const QStringList files = QDir(GtansFolder).entryList({"*.figures"}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        GTEST_SKIP() << "no gTans collections in " << GtansFolder << " (Debian package gtans)";
    TangramModel model;
    int onGrid = 0, solved = 0;
    for (const QString& file : files) {
        const GtansCollection collection = ReadGtansFile(QDir(GtansFolder).filePath(file));
        for (size_t k = 0; k < collection.size(); ++k) {
            const Figure figure = FigureFromGtans(model, collection[k]).figure;
            bool grid = true;
            for (int i = 0; i < model.pieceCount(); ++i)
                grid = grid && figure.angle[i] % model.pieceSet().angleStep == 0;
            if (!grid || onGrid++ % SampleEvery != 0)
                continue;
            SCOPED_TRACE(file.toStdString() + " figure " + std::to_string(k + 1));
            SolveRequest request;
            request.target = FigureSilhouette(model.pieceSet(), figure);
            request.set = model.pieceSet();
            request.deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
            const SolveResult result = Solve(request);
            ASSERT_EQ(result.solutions.size(), 1u);
            const Figure& solution = result.solutions[0];
            const Silhouette made = FigureSilhouette(model.pieceSet(), solution);
            EXPECT_LE(OutlineDistance(made, request.target), SameSilhouetteTolerance);
            EXPECT_TRUE(MatchSilhouettes(made, request.target, model.pieceSet().angleStep).same());
            ExpectNoOverlap(model, solution);
            ++solved;
        }
    }
    EXPECT_GE(solved, 25); // about 300 figures lie on the grid
}

} // namespace
