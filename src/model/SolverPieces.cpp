#include "model/SolverPieces.h"

#include "model/PlacedPolygon.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zol {

namespace {

// A piece may stick out of the silhouette, or into a piece placed before it,
// by this many pixels per pixel of its outline: equal pieces of a set are
// rounded differently on the board, and a silhouette's edges are a pixel off
// wherever its pieces left a gap.
constexpr double AllowancePerOutlinePixel = 0.3;

// The exact shape of a pose, as exact arithmetic turns it: its vertices
// moved to the bounds' corner, sorted, in 1/10000 pixels.
using ExactShape = std::vector<std::pair<long long, long long>>;

ExactShape ExactShapeOf(const PieceShape& shape, int angle, double flip)
{
    const double phi = 2 * std::numbers::pi * angle / 720;
    const double c = std::cos(phi);
    const double s = std::sin(phi);
    std::vector<std::pair<double, double>> points;
    double left = INFINITY, top = INFINITY;
    for (int j = 0; j < shape.vertexCount; ++j) {
        const double x = (shape.x[j] - shape.pivotX) * flip;
        const double y = shape.y[j] - shape.pivotY;
        points.push_back({x * c - y * s, x * s + y * c});
        left = std::min(left, points.back().first);
        top = std::min(top, points.back().second);
    }
    ExactShape exact;
    for (const auto& [x, y] : points)
        exact.push_back({std::llround((x - left) * 1e4), std::llround((y - top) * 1e4)});
    std::sort(exact.begin(), exact.end());
    return exact;
}

double Perimeter(const Point* polygon, int n)
{
    double sum = 0;
    for (int j = 0, k = n - 1; j < n; k = j++)
        sum += std::hypot(double(polygon[j].x - polygon[k].x), double(polygon[j].y - polygon[k].y));
    return sum;
}

} // namespace

PiecePose PoseOf(const PieceSet& set, int piece, const PiecePlacement& placement)
{
    const PieceShape& shape = set.shapes[piece];
    Point polygon[PolygonCapacity];
    PlacedPolygon(shape, {0, 0, placement.angle, placement.flip}, set.angleStep, polygon);
    PiecePose pose;
    pose.angle = placement.angle;
    pose.flip = placement.flip;
    pose.mask = PixelMask::OfRings({std::vector<Point>(polygon, polygon + shape.vertexCount)}, 1);
    pose.area = pose.mask.count();
    pose.rim = pose.mask.Grown();
    pose.rimCount = pose.rim.count();
    pose.solidArea = 0;
    for (const int area : pose.mask.Shrunk().SolidPartAreas())
        pose.solidArea += area;
    pose.outline = Perimeter(polygon, shape.vertexCount);
    pose.allowance = int(std::ceil(pose.outline * AllowancePerOutlinePixel));
    if (const std::optional<Point> solid = pose.mask.LeadingSolidPixel()) {
        pose.lead = *solid;
    } else { // a piece too thin to have a solid part: its first pixel
        for (int y = pose.mask.top(); y < pose.mask.top() + pose.mask.height() && pose.area; ++y)
            for (int x = pose.mask.left(); x < pose.mask.left() + pose.mask.width(); ++x)
                if (pose.mask.test(x, y)) {
                    pose.lead = {x, y};
                    y = INT32_MAX - 1;
                    break;
                }
    }
    return pose;
}

SolverPieces PiecesOf(const PieceSet& set)
{
    SolverPieces result;
    std::vector<std::vector<ExactShape>> kindShapes; // each kind's shapes, in the order of its `shapes`
    for (int i = 0; i < set.pieceCount; ++i) {
        std::vector<ExactShape> shapes;
        std::vector<std::vector<PoseChoice>> choices;
        PieceMeasure measure;
        measure.leastArea = INT32_MAX;
        measure.leastSolid = INT32_MAX;
        for (int angle = 0; angle < 720; angle += std::max(set.angleStep, 1)) {
            for (const double flip : {1.0, -1.0}) {
                ExactShape exact = ExactShapeOf(set.shapes[i], angle, flip);
                const size_t k = std::find(shapes.begin(), shapes.end(), exact) - shapes.begin();
                if (k == shapes.size()) {
                    shapes.push_back(std::move(exact));
                    choices.emplace_back();
                }
                PoseChoice choice{i, PoseOf(set, i, {0, 0, angle, flip})};
                measure.leastArea = std::min(measure.leastArea, choice.pose.area);
                measure.leastSolid = std::min(measure.leastSolid, choice.pose.solidArea);
                measure.mostArea = std::max(measure.mostArea, choice.pose.area);
                measure.allowance = std::max(measure.allowance, choice.pose.allowance);
                measure.outline = std::max(measure.outline, choice.pose.outline);
                choices[k].push_back(std::move(choice));
            }
        }
        result.pieces.push_back(measure);
        // Pieces that take the same shapes are one kind.
        std::vector<ExactShape> sorted = shapes;
        std::sort(sorted.begin(), sorted.end());
        size_t kind = 0;
        for (; kind < result.kinds.size(); ++kind) {
            std::vector<ExactShape> theirs = kindShapes[kind];
            std::sort(theirs.begin(), theirs.end());
            if (theirs == sorted)
                break;
        }
        if (kind == result.kinds.size()) {
            result.kinds.push_back({{i}, std::move(choices)});
            kindShapes.push_back(std::move(shapes));
            continue;
        }
        SolverKind& joined = result.kinds[kind];
        joined.pieces.push_back(i);
        for (size_t k = 0; k < shapes.size(); ++k) {
            const size_t at = std::find(kindShapes[kind].begin(), kindShapes[kind].end(), shapes[k]) - kindShapes[kind].begin();
            for (PoseChoice& choice : choices[k])
                joined.shapes[at].push_back(std::move(choice));
        }
    }
    // Large pieces first: they fit in fewer places, so the search narrows sooner.
    std::stable_sort(result.kinds.begin(), result.kinds.end(), [&](const SolverKind& a, const SolverKind& b) {
        return result.pieces[a.pieces.front()].leastArea > result.pieces[b.pieces.front()].leastArea;
    });
    return result;
}

} // namespace zol
