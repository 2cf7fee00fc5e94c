#include "PieceGeometry.h"

#include "model/TangramModel.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>

namespace zol::datacheck {

namespace {

// Irrational offsets from the pixel corner: a sample never lies on a line
// through two integer points, whatever its slope.
const double SampleDx = 0.5 + 0.1 * std::sqrt(2.0);
const double SampleDy = 0.5 + 0.1 * std::sqrt(3.0);

double PointSegmentDistance(double px, double py, const Point& a, const Point& b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

long long Cross(const Point& o, const Point& a, const Point& b)
{
    return static_cast<long long>(a.x - o.x) * (b.y - o.y) - static_cast<long long>(a.y - o.y) * (b.x - o.x);
}

bool SegmentsCross(const Point& a, const Point& b, const Point& c, const Point& d)
{
    const long long d1 = Cross(c, d, a);
    const long long d2 = Cross(c, d, b);
    const long long d3 = Cross(a, b, c);
    const long long d4 = Cross(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

double SegmentDistance(const Point& a, const Point& b, const Point& c, const Point& d)
{
    if (SegmentsCross(a, b, c, d))
        return 0.0;
    return std::min({PointSegmentDistance(a.x, a.y, c, d), PointSegmentDistance(b.x, b.y, c, d),
                     PointSegmentDistance(c.x, c.y, a, b), PointSegmentDistance(d.x, d.y, a, b)});
}

} // namespace

std::vector<Polygon> BoardPolygons(const TangramModel& model)
{
    std::vector<Polygon> pieces;
    for (int i = 0; i < model.pieceCount(); ++i) {
        const Point* p = model.boardPolygon(i);
        pieces.emplace_back(p, p + model.polygonSize(i));
    }
    return pieces;
}

long long DoubleArea(const Polygon& polygon)
{
    long long sum = 0;
    for (size_t j = 0; j < polygon.size(); ++j) {
        const Point& a = polygon[j];
        const Point& b = polygon[(j + 1) % polygon.size()];
        sum += static_cast<long long>(a.x) * b.y - static_cast<long long>(b.x) * a.y;
    }
    return std::llabs(sum);
}

bool Contains(const Polygon& polygon, double x, double y)
{
    bool inside = false;
    for (size_t j = 0, k = polygon.size() - 1; j < polygon.size(); k = j++) {
        const Point& a = polygon[j];
        const Point& b = polygon[k];
        if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / double(b.y - a.y))
            inside = !inside;
    }
    return inside;
}

Coverage MeasureCoverage(const std::vector<Polygon>& pieces, const Rect& area, const Polygon* shape)
{
    Coverage result;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const double sx = x + SampleDx;
            const double sy = y + SampleDy;
            const int count = static_cast<int>(
                std::count_if(pieces.begin(), pieces.end(), [&](const Polygon& p) { return Contains(p, sx, sy); }));
            result.covered += count > 0;
            result.overlapped += count > 1;
            if (shape && count != (Contains(*shape, sx, sy) ? 1 : 0))
                ++result.mismatched;
        }
    }
    return result;
}

double Distance(const Polygon& a, const Polygon& b)
{
    if (Contains(a, b[0].x + 0.0, b[0].y + 0.0) || Contains(b, a[0].x + 0.0, a[0].y + 0.0))
        return 0.0;
    double best = INFINITY;
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j)
            best = std::min(best, SegmentDistance(a[i], a[(i + 1) % a.size()], b[j], b[(j + 1) % b.size()]));
    return best;
}

int CountConnectedGroups(const std::vector<Polygon>& pieces, double tolerance)
{
    std::vector<int> group(pieces.size());
    std::iota(group.begin(), group.end(), 0);
    auto root = [&](int i) {
        while (group[i] != i)
            i = group[i] = group[group[i]];
        return i;
    };
    int groups = static_cast<int>(pieces.size());
    for (size_t i = 0; i < pieces.size(); ++i)
        for (size_t j = i + 1; j < pieces.size(); ++j)
            if (Distance(pieces[i], pieces[j]) <= tolerance && root(i) != root(j)) {
                group[root(i)] = root(j);
                --groups;
            }
    return groups;
}

Rect Bounds(const std::vector<Polygon>& pieces)
{
    Rect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const Polygon& p : pieces)
        for (const Point& v : p) {
            r.left = std::min(r.left, v.x);
            r.top = std::min(r.top, v.y);
            r.right = std::max(r.right, v.x);
            r.bottom = std::max(r.bottom, v.y);
        }
    return r;
}

} // namespace zol::datacheck
