#include "model/TangramModel.h"

#include "model/Rotation.h"

#include <algorithm>
#include <cstdlib>

namespace zol {

namespace {

int Trunc(double v) { return static_cast<int>(v); }

// Drawn coordinates stay inside what the raster engine draws (2^23).
constexpr int DrawLimit = 1 << 22;

int Sign(int v) { return v < 0 ? -1 : 1; }

} // namespace

int TangramModel::NormalizeAngle(int a)
{
    return zol::NormalizeAngle(int64_t{a});
}

Point TangramModel::RotateVector(int x, int y, int a) const
{
    // The 64-bit rotation gives the 32-bit results wherever those do not overflow.
    const Point64 r = Roll(x, y, a);
    return {static_cast<int>(r.x), static_cast<int>(r.y)};
}

void TangramModel::FigurePolygon(const Figure& figure, int i, Point* out) const
{
    const PieceShape& shape = set_.shapes[i];
    const int x = figure.x[i];
    const int y = figure.y[i];
    const int a = figure.angle[i];
    const double f = figure.flip[i];
    const Point p = RotateVector(Trunc(shape.pivotX * f), shape.pivotY, a);
    for (int j = 0; j < shape.vertexCount; ++j) {
        const Point q = RotateVector(Trunc(shape.x[j] * f), shape.y[j], a);
        out[j] = {x + q.x - p.x, y + q.y - p.y};
    }
    if (a % set_.angleStep == 0)
        straightenEdges(out, shape.vertexCount);
}

// At the set's snap angles, rounding leaves 45-degree edges a pixel off; slide
// one end along its axis-parallel neighbour edge until the edge is exact.
void TangramModel::straightenEdges(Point* pt, int n) const
{
    for (int k = 0; k < n; ++k) {
        const int next = (k + 1) % n;
        const int dx = pt[next].x - pt[k].x;
        const int dy = pt[next].y - pt[k].y;
        if (!(std::abs(dx) > 20 && std::abs(std::abs(dx) - std::abs(dy)) < 2))
            continue;
        const int nn = (next + 1) % n;
        const int ex = pt[next].x - pt[nn].x;
        const int ey = pt[next].y - pt[nn].y;
        if (ex != 0 && ey != 0) {
            const int prev = (k + n - 1) % n;
            const int qx = pt[prev].x - pt[k].x;
            const int qy = pt[prev].y - pt[k].y;
            if (qx == 0)
                pt[k].y = pt[next].y - Sign(dy) * std::abs(dx);
            if (qy == 0)
                pt[k].x = pt[next].x - Sign(dx) * std::abs(dy);
        } else {
            if (ex == 0)
                pt[next].y = pt[k].y + Sign(dy) * std::abs(dx);
            if (ey == 0)
                pt[next].x = pt[k].x + Sign(dx) * std::abs(dy);
        }
    }
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
