#include "model/PlacedPolygon.h"

#include "model/Rotation.h"

#include <cstdlib>

namespace zol {

namespace {

int Trunc(double v) { return static_cast<int>(v); }

int Sign(int v) { return v < 0 ? -1 : 1; }

// At the set's snap angles, rounding leaves 45-degree edges a pixel off; slide
// one end along its axis-parallel neighbour edge until the edge is exact.
void StraightenEdges(Point* pt, int n)
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

} // namespace

Point Turned(int x, int y, int angle)
{
    const Point64 r = Roll(x, y, angle);
    return {static_cast<int>(r.x), static_cast<int>(r.y)};
}

void PlacedPolygon(const PieceShape& shape, const PiecePlacement& placement, int angleStep, Point* out)
{
    const int a = placement.angle;
    const double f = placement.flip;
    const Point p = Turned(Trunc(shape.pivotX * f), shape.pivotY, a);
    for (int j = 0; j < shape.vertexCount; ++j) {
        const Point q = Turned(Trunc(shape.x[j] * f), shape.y[j], a);
        out[j] = {placement.x + q.x - p.x, placement.y + q.y - p.y};
    }
    if (a % angleStep == 0)
        StraightenEdges(out, shape.vertexCount);
}

} // namespace zol
