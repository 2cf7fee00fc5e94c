#include "export/SilhouetteKey.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <numeric>

namespace zol {

namespace {

constexpr int MostDirections = 8;

} // namespace

SilhouetteKey KeyOf(const Silhouette& silhouette, int angleStep)
{
    SilhouetteKey key;
    key.area = SilhouetteArea(silhouette);
    key.perimeter = SilhouettePerimeter(silhouette);
    const int step = std::gcd(std::max(angleStep, 1), 720);
    if (360 / step > MostDirections || silhouette.empty())
        return key;
    for (int turn = 0; turn < 360; turn += step) {
        const double phi = 2 * std::numbers::pi * turn / 720;
        const double c = std::cos(phi);
        const double s = std::sin(phi);
        double low = INFINITY, high = -INFINITY;
        for (const Silhouette::Ring& ring : silhouette.rings)
            for (const Point& p : ring) {
                const double along = p.x * c + p.y * s;
                low = std::min(low, along);
                high = std::max(high, along);
            }
        key.widths.push_back((high - low) / Silhouette::Unit);
    }
    std::sort(key.widths.begin(), key.widths.end(), std::greater<>());
    return key;
}

bool MayBeSame(const SilhouetteKey& a, const SilhouetteKey& b, double distance)
{
    // Moving every point of an outline by up to d changes the area by at most
    // d times the outline's length (and a little at its corners).
    const double areaSlack = distance * std::max(a.perimeter, b.perimeter) + 4 * distance * distance;
    if (std::abs(a.area - b.area) > areaSlack || a.widths.size() != b.widths.size())
        return false;
    for (size_t k = 0; k < a.widths.size(); ++k)
        if (std::abs(a.widths[k] - b.widths[k]) > 2 * distance)
            return false;
    return true;
}

} // namespace zol
