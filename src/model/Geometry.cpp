#include "model/TangramModel.h"

#include "model/PlacedPolygon.h"
#include "model/Rotation.h"

#include <algorithm>
#include <cstdlib>

namespace zol {

namespace {

int Trunc(double v) { return static_cast<int>(v); }

// Drawn coordinates stay inside what the raster engine draws (2^23).
constexpr int DrawLimit = 1 << 22;

} // namespace

int TangramModel::NormalizeAngle(int a)
{
    return zol::NormalizeAngle(int64_t{a});
}

Point TangramModel::RotateVector(int x, int y, int a) const { return Turned(x, y, a); }

void TangramModel::FigurePolygon(const Figure& figure, int i, Point* out) const
{
    PlacedPolygon(set_.shapes[i], figure.placement(i), set_.angleStep, out);
}

void TangramModel::UpdatePolygon(int i) { FigurePolygon(current_, i, polygons_[i].data()); }

void TangramModel::UpdatePolygons()
{
    for (int i = 0; i < set_.pieceCount; ++i)
        UpdatePolygon(i);
}

bool TangramModel::PointInRect(int x1, int y1, int x2, int y2, int px, int py)
{
    return std::min(x1, x2) <= px && px <= std::max(x1, x2) && std::min(y1, y2) <= py && py <= std::max(y1, y2);
}

// Scaling by s, then the zoom about the centre of the drawn area (256 s).
Point TangramModel::DrawnPoint(const Point& p, double s) const
{
    const double c = 256 * s;
    const int sx = Trunc(p.x * s);
    const int sy = Trunc(p.y * s);
    // Any zoom the user types stays drawable: points far off the bitmap are
    // held within the rasteriser's range instead of overflowing the cast.
    const auto zoomed = [&](int v) {
        return Trunc(std::clamp((v - c) * zoomPercent_ * 0.01 + c, -double(DrawLimit), double(DrawLimit)));
    };
    return {zoomed(sx), zoomed(sy)};
}

Rect TangramModel::FigureBounds(double s)
{
    Rect r{127, 127, 0, 0};
    for (int i = 0; i < set_.pieceCount; ++i) {
        for (int j = 0; j < polygonSize(i); ++j) {
            const Point p = DrawnPoint(polygons_[i][j], s);
            r.left = std::min(r.left, p.x);
            r.right = std::max(r.right, p.x);
            r.top = std::min(r.top, p.y);
            r.bottom = std::max(r.bottom, p.y);
        }
    }
    return r;
}

} // namespace zol
