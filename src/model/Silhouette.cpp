#include "model/Silhouette.h"

#include "model/PlacedPolygon.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

using ClipperLib::IntPoint;
using ClipperLib::Path;
using ClipperLib::Paths;

// Pinholes and specks smaller than this (square board pixels) are rounding, not shape.
constexpr double SmallestRing = 4.0;
// The closing's corners stay sharp down to the thinnest spike a set may have.
constexpr double MiterLimit = 64.0;

Path ScaledPath(const Point* points, int n)
{
    Path path;
    path.reserve(n);
    for (int j = 0; j < n; ++j)
        path.emplace_back(ClipperLib::cInt{points[j].x} * Silhouette::Unit,
                          ClipperLib::cInt{points[j].y} * Silhouette::Unit);
    return path;
}

Silhouette FromPaths(const Paths& paths)
{
    Silhouette silhouette;
    constexpr double unitArea = double(Silhouette::Unit) * Silhouette::Unit;
    for (const Path& path : paths) {
        if (path.size() < 3 || std::abs(ClipperLib::Area(path)) < SmallestRing * unitArea)
            continue;
        Silhouette::Ring ring;
        ring.reserve(path.size());
        for (const IntPoint& p : path)
            ring.push_back({static_cast<int>(p.X), static_cast<int>(p.Y)});
        silhouette.rings.push_back(std::move(ring));
    }
    return silhouette;
}

// Twice the signed area of a ring, in square units.
double DoubleArea(const Silhouette::Ring& ring)
{
    double sum = 0;
    for (size_t j = 0, k = ring.size() - 1; j < ring.size(); k = j++)
        sum += double(ring[k].x) * ring[j].y - double(ring[j].x) * ring[k].y;
    return sum;
}

} // namespace

Silhouette FigureSilhouette(const PieceSet& set, const Figure& figure)
{
    Paths pieces;
    Point polygon[PolygonCapacity];
    for (int i = 0; i < set.pieceCount; ++i) {
        const PieceShape& shape = set.shapes[i];
        PlacedPolygon(shape, figure.placement(i), set.angleStep, polygon);
        Path path = ScaledPath(polygon, shape.vertexCount);
        if (ClipperLib::Area(path) == 0)
            continue;
        // A mirrored piece runs the other way round; the offset would take it for a hole.
        if (!ClipperLib::Orientation(path))
            ClipperLib::ReversePath(path);
        pieces.push_back(std::move(path));
    }
    // A morphological closing: every piece grown by the closing distance (the
    // offset unites them), then the union shrunk back by as much.
    const double delta = SilhouetteClosing * Silhouette::Unit;
    ClipperLib::ClipperOffset grow(MiterLimit);
    grow.AddPaths(pieces, ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    Paths grown;
    grow.Execute(grown, delta);
    ClipperLib::ClipperOffset shrink(MiterLimit);
    shrink.AddPaths(grown, ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    Paths closed;
    shrink.Execute(closed, -delta);
    ClipperLib::CleanPolygons(closed, 1.0);
    return FromPaths(closed);
}

Silhouette OutlineSilhouette(const std::vector<std::vector<Point>>& polygons)
{
    Paths paths;
    for (const std::vector<Point>& polygon : polygons)
        if (polygon.size() >= 3)
            paths.push_back(ScaledPath(polygon.data(), static_cast<int>(polygon.size())));
    ClipperLib::Clipper clipper;
    clipper.AddPaths(paths, ClipperLib::ptSubject, true);
    Paths united;
    clipper.Execute(ClipperLib::ctUnion, united, ClipperLib::pftEvenOdd, ClipperLib::pftEvenOdd);
    ClipperLib::CleanPolygons(united, 1.0);
    return FromPaths(united);
}

double SilhouetteArea(const Silhouette& silhouette)
{
    double sum = 0;
    for (const Silhouette::Ring& ring : silhouette.rings)
        sum += DoubleArea(ring);
    return sum / 2 / (double(Silhouette::Unit) * Silhouette::Unit);
}

double SilhouettePerimeter(const Silhouette& silhouette)
{
    double sum = 0;
    for (const Silhouette::Ring& ring : silhouette.rings)
        for (size_t j = 0, k = ring.size() - 1; j < ring.size(); k = j++)
            sum += std::hypot(double(ring[j].x - ring[k].x), double(ring[j].y - ring[k].y));
    return sum / Silhouette::Unit;
}

Rect SilhouetteBounds(const Silhouette& silhouette)
{
    if (silhouette.empty())
        return {};
    int left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    for (const Silhouette::Ring& ring : silhouette.rings)
        for (const Point& p : ring) {
            left = std::min(left, p.x);
            top = std::min(top, p.y);
            right = std::max(right, p.x);
            bottom = std::max(bottom, p.y);
        }
    const auto down = [](int v) { return v >= 0 ? v / Silhouette::Unit : -((-v + Silhouette::Unit - 1) / Silhouette::Unit); };
    const auto up = [&](int v) { return -down(-v); };
    return {down(left), down(top), up(right), up(bottom)};
}

} // namespace zol
