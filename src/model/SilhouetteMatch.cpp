#include "model/SilhouetteMatch.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace zol {

namespace {

struct Vec {
    double x = 0;
    double y = 0;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }

// The outline of a silhouette in board pixels: every ring's edges.
struct Outline {
    std::vector<Vec> from;
    std::vector<Vec> to;
    Vec centroid; // of the area, holes taken away
};

Outline OutlineOf(const Silhouette& silhouette)
{
    Outline outline;
    double area = 0;
    Vec moment;
    for (const Silhouette::Ring& ring : silhouette.rings) {
        for (size_t j = 0, k = ring.size() - 1; j < ring.size(); k = j++) {
            const Vec a{double(ring[k].x) / Silhouette::Unit, double(ring[k].y) / Silhouette::Unit};
            const Vec b{double(ring[j].x) / Silhouette::Unit, double(ring[j].y) / Silhouette::Unit};
            outline.from.push_back(a);
            outline.to.push_back(b);
            const double cross = a.x * b.y - b.x * a.y;
            area += cross;
            moment = moment + Vec{(a.x + b.x) * cross, (a.y + b.y) * cross};
        }
    }
    if (area != 0)
        outline.centroid = {moment.x / (3 * area), moment.y / (3 * area)};
    return outline;
}

double SquaredDistanceToSegment(Vec p, Vec a, Vec b)
{
    const Vec ab = b - a;
    const Vec ap = p - a;
    const double length = ab.x * ab.x + ab.y * ab.y;
    double t = length > 0 ? (ap.x * ab.x + ap.y * ab.y) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    const Vec d = ap - Vec{ab.x * t, ab.y * t};
    return d.x * d.x + d.y * d.y;
}

// The squared distance from p to the outline, exact when above `enough`
// squared; at or below it, any value at or below it may come back. The edge
// that came nearest last time (`hint`) is tried first: the next sample along
// an edge is mostly near the same edge, so one look often settles it.
double SquaredDistanceTo(Vec p, const Outline& outline, double enough, size_t& hint)
{
    double best = SquaredDistanceToSegment(p, outline.from[hint], outline.to[hint]);
    if (best <= enough)
        return best;
    for (size_t s = 0; s < outline.from.size(); ++s) {
        const double d = SquaredDistanceToSegment(p, outline.from[s], outline.to[s]);
        if (d < best) {
            best = d;
            hint = s;
        }
    }
    return best;
}

// How a distance between outlines is measured: at points no farther apart
// than `spacing` along each edge (0: at the edges' ends alone), so that the
// true distance exceeds the measure by at most half the spacing; exactly
// only above `enough` (below it, the measure only says "within enough"); and
// no further once above `stopAbove`.
struct Measure {
    double spacing = 0;
    double enough = 0;
    double stopAbove = INFINITY;
};

double DirectedDistance(const Outline& outline, const Outline& other, const Measure& measure)
{
    double worst = 0;
    const double spacing = measure.spacing;
    const double stop = measure.stopAbove * measure.stopAbove;
    const double enough = measure.enough > 0 ? measure.enough * measure.enough : -1;
    size_t hint = 0;
    for (size_t s = 0; s < outline.from.size() && worst <= stop; ++s) {
        const Vec a = outline.from[s];
        const Vec b = outline.to[s];
        const int samples = spacing > 0 ? std::max(1, int(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / spacing))) : 1;
        for (int k = 0; k < samples; ++k) {
            const double t = double(k) / samples;
            worst = std::max(worst, SquaredDistanceTo({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}, other, enough, hint));
        }
    }
    return std::sqrt(worst);
}

double Hausdorff(const Outline& a, const Outline& b, const Measure& measure)
{
    const double ab = DirectedDistance(a, b, measure);
    if (ab > measure.stopAbove)
        return ab;
    return std::max(ab, DirectedDistance(b, a, measure));
}

struct Box {
    double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
};

Box BoxOf(const Outline& outline)
{
    Box box;
    for (const Vec& p : outline.from) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    return box;
}

// a turned by `turn` (1/720 turn, clockwise on the screen) about its
// centroid, mirrored first when told, and moved so that its centroid lies on
// `onto` plus `shift`.
Outline Placed(const Outline& a, int turn, bool mirrored, Vec onto, Vec shift = {})
{
    const double phi = 2 * std::numbers::pi * turn / 720;
    const double c = std::cos(phi);
    const double s = std::sin(phi);
    const auto place = [&](Vec p) {
        Vec d = p - a.centroid;
        if (mirrored)
            d.x = -d.x;
        return Vec{d.x * c - d.y * s, d.x * s + d.y * c} + onto + shift;
    };
    Outline placed;
    placed.from.reserve(a.from.size());
    placed.to.reserve(a.to.size());
    for (size_t s = 0; s < a.from.size(); ++s) {
        placed.from.push_back(place(a.from[s]));
        placed.to.push_back(place(a.to[s]));
    }
    placed.centroid = onto + shift;
    return placed;
}

struct Fit {
    int turn = 0;
    bool mirrored = false;
    double bound = 0; // a lower bound of the distance at the centroids' fit
};

// How far a fit may move a from the centroids' fit to lessen the distance:
// the centroids of two builds of one shape differ by a fraction of a pixel.
constexpr double LargestShift = 1.5;
// Spacings of the samples: coarse while searching, fine for the answer.
constexpr double Coarse = 1.0;
constexpr double Fine = 0.25;

// The fit's distance at the move that lessens it most, found by a pattern
// search around the centroids' fit. Once the distance is surely within
// `enough`, the coarse measure's upper bound is the answer.
double BestMoveDistance(const Outline& a, const Outline& b, const Fit& fit, double stopAbove, double enough)
{
    // Below `enough` less the coarse measure's error the search is over, so
    // the measure need not be exact there.
    const double settled = enough - Coarse / 2;
    const auto measure = [&](Vec shift, double spacing, double stop) {
        return Hausdorff(Placed(a, fit.turn, fit.mirrored, b.centroid, shift), b, {spacing, settled, stop});
    };
    Vec shift;
    double best = measure(shift, Coarse, stopAbove + LargestShift + Coarse);
    if (best > stopAbove + LargestShift)
        return best;
    for (double step = 0.5; step >= 0.125 && best + Coarse / 2 > enough; step /= 2) {
        bool moved = true;
        while (moved && best + Coarse / 2 > enough) {
            moved = false;
            for (const Vec d : {Vec{step, 0}, Vec{-step, 0}, Vec{0, step}, Vec{0, -step}}) {
                const Vec tried = shift + d;
                if (std::hypot(tried.x, tried.y) > LargestShift)
                    continue;
                const double distance = measure(tried, Coarse, best);
                if (distance < best) {
                    best = distance;
                    shift = tried;
                    moved = true;
                }
            }
        }
    }
    if (best + Coarse / 2 <= enough)
        return best + Coarse / 2;
    return Hausdorff(Placed(a, fit.turn, fit.mirrored, b.centroid, shift), b, {Fine, 0, INFINITY});
}

} // namespace

SilhouetteMatch MatchSilhouettes(const Silhouette& a, const Silhouette& b, int angleStep, double stopAbove)
{
    if (a.empty() || b.empty())
        return {a.empty() && b.empty() ? 0.0 : INFINITY};
    const Outline outlineA = OutlineOf(a);
    const Outline outlineB = OutlineOf(b);
    const Box boxB = BoxOf(outlineB);
    // Turns by multiples of the step reach the multiples of this divisor of a whole turn.
    const int step = std::gcd(std::max(angleStep, 1), 720);
    std::vector<Fit> fits;
    for (int turn = 0; turn < 720; turn += step) {
        for (const bool mirrored : {false, true}) {
            const Outline placed = Placed(outlineA, turn, mirrored, outlineB.centroid);
            // Sides of the bounds that lie apart by d are a lower bound at
            // once; the vertices' distance is a closer one.
            const Box box = BoxOf(placed);
            double bound = std::max({std::abs(box.left - boxB.left), std::abs(box.top - boxB.top),
                                     std::abs(box.right - boxB.right), std::abs(box.bottom - boxB.bottom)});
            const double reach = stopAbove + LargestShift;
            if (bound <= reach)
                bound = std::max(bound, Hausdorff(placed, outlineB, {0, std::isfinite(reach) ? reach : 0, reach}));
            fits.push_back({turn, mirrored, bound});
        }
    }
    std::stable_sort(fits.begin(), fits.end(), [](const Fit& x, const Fit& y) { return x.bound < y.bound; });

    SilhouetteMatch best;
    const double enough = std::isfinite(stopAbove) ? stopAbove : -1;
    for (const Fit& fit : fits) {
        const double bar = std::min(stopAbove, best.distance);
        if (fit.bound - LargestShift > bar)
            break;
        const double distance = BestMoveDistance(outlineA, outlineB, fit, bar, enough);
        if (distance < best.distance)
            best = {distance, fit.turn, fit.mirrored};
        if (best.distance <= enough)
            break;
    }
    if (best.distance == INFINITY)
        best = {fits.front().bound, fits.front().turn, fits.front().mirrored};
    return best;
}

double OutlineDistance(const Silhouette& a, const Silhouette& b)
{
    if (a.empty() || b.empty())
        return a.empty() && b.empty() ? 0.0 : INFINITY;
    return Hausdorff(OutlineOf(a), OutlineOf(b), {Fine, 0, INFINITY});
}

bool OutlinesWithin(const Silhouette& a, const Silhouette& b, double distance)
{
    if (a.empty() || b.empty())
        return a.empty() && b.empty();
    const double settled = distance - Fine / 2;
    return Hausdorff(OutlineOf(a), OutlineOf(b), {Fine, settled, distance}) <= settled;
}

} // namespace zol
