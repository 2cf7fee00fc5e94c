#include "model/GtansFit.h"

#include "model/TangramModel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace zol {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Root2 = 1.41421356237309505;

struct Vec {
    double x = 0;
    double y = 0;
};
using Shape = std::vector<Vec>;

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double s, Vec a) { return {s * a.x, s * a.y}; }

// Turned by phi radians, clockwise on the screen (y points down).
Vec Turned(Vec v, double phi)
{
    const double c = std::cos(phi);
    const double s = std::sin(phi);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

Vec Mean(const Shape& shape)
{
    Vec sum;
    for (const Vec& v : shape)
        sum = sum + v;
    return (1.0 / double(shape.size())) * sum;
}

Shape Centred(Shape shape, Vec centre)
{
    for (Vec& v : shape)
        v = v - centre;
    return shape;
}

// The gTans pieces in units, about their centroids, at turn 0. A triangle has
// its right angle at the top left with its legs along the axes; the square
// stands on a side; the parallelogram has its long sides upright and rises to
// the right along its short sides. The flip flag mirrors a piece top to
// bottom; the known files flip only parallelograms.
Shape GtansShape(int type, int flip)
{
    const auto triangle = [](double leg) { return Shape{{0, 0}, {leg, 0}, {0, leg}}; };
    Shape shape;
    switch (type) {
    case GtansLargeTriangle: shape = triangle(2); break;
    case GtansMediumTriangle: shape = triangle(Root2); break;
    case GtansSquare: shape = {{0, 0}, {1, 0}, {1, 1}, {0, 1}}; break;
    case GtansParallelogram: {
        const double h = Root2 / 2;
        shape = {{0, 0}, {h, -h}, {h, -3 * h}, {0, -2 * h}};
        break;
    }
    default: shape = triangle(1); break;
    }
    if (flip)
        for (Vec& v : shape)
            v.y = -v.y;
    return Centred(shape, Mean(shape));
}

// The kind of gTans piece that each piece of the built-in set is.
constexpr std::array<int, 7> BuiltInKinds = {GtansMediumTriangle, GtansSmallTriangle, GtansSquare,
                                             GtansSmallTriangle,  GtansParallelogram, GtansLargeTriangle,
                                             GtansLargeTriangle};

double RadiansOf(int rotation) { return 2 * Pi * rotation / GtansTurn; }

Shape GtansPixelShape(int type, int flip)
{
    Shape shape = GtansShape(type, flip);
    for (Vec& v : shape)
        v = GtansPixels * v;
    return shape;
}

Vec BoardPoint(double gx, double gy)
{
    return {BoardSize / 2 + (gx - GtansCentre) * GtansPixels, BoardSize / 2 + (gy - GtansCentre) * GtansPixels};
}

// The piece's polygon on the board, before any move that keeps a figure on it.
Shape GtansBoardPolygon(const GtansPiece& piece)
{
    // gTans turns counter-clockwise on the screen: the opposite of the board's sense.
    const double phi = -RadiansOf(piece.rotation);
    const Vec handle = BoardPoint(piece.x, piece.y);
    Shape polygon;
    for (const Vec& v : GtansPixelShape(piece.type, piece.flip))
        polygon.push_back(handle + Turned(v, phi));
    return polygon;
}

// Which target vertex shape vertex j lies on.
struct Correspondence {
    int shift = 0;
    bool reversed = false;
    int operator()(int j, int n) const { return reversed ? ((shift - j) % n + n) % n : (shift + j) % n; }
};

struct TurnFit {
    double phi = 0;
    Correspondence match;
    double residual = 0;
};

double AngleBetween(double a, double b)
{
    const double d = std::remainder(a - b, 2 * Pi);
    return std::abs(d);
}

// The turn about the centroids and the vertex order that best lay shape onto
// target (least squares); both are the same polygon up to a turn, give or
// take the rounding of pixels. A square or a parallelogram fits in several
// turns alike: then the one nearest to preferred wins, so that the same
// piece always maps to the same turn.
TurnFit FitTurn(const Shape& shape, const Shape& target, double preferred = 0)
{
    const int n = int(shape.size());
    const Shape a = Centred(shape, Mean(shape));
    const Shape b = Centred(target, Mean(target));
    std::vector<TurnFit> fits;
    for (const bool reversed : {false, true}) {
        for (int shift = 0; shift < n; ++shift) {
            const Correspondence match{shift, reversed};
            double dot = 0;
            double cross = 0;
            for (int j = 0; j < n; ++j) {
                const Vec p = a[j];
                const Vec q = b[match(j, n)];
                dot += p.x * q.x + p.y * q.y;
                cross += p.x * q.y - p.y * q.x;
            }
            const double phi = std::atan2(cross, dot);
            double residual = 0;
            for (int j = 0; j < n; ++j) {
                const Vec d = Turned(a[j], phi) - b[match(j, n)];
                residual += d.x * d.x + d.y * d.y;
            }
            fits.push_back({phi, match, residual});
        }
    }
    double least = INFINITY;
    for (const TurnFit& fit : fits)
        least = std::min(least, fit.residual);
    // Alike: within a square pixel, far below what a different turn costs.
    const TurnFit* best = nullptr;
    for (const TurnFit& fit : fits)
        if (fit.residual <= least + 1.0 &&
            (!best || AngleBetween(fit.phi, preferred) < AngleBetween(best->phi, preferred) - 1e-9))
            best = &fit;
    return *best;
}

// A built-in piece's vertices about its pivot, flipped as the board flips.
Shape PieceAboutPivot(const PieceShape& shape, double flip)
{
    Shape v;
    for (int j = 0; j < shape.vertexCount; ++j)
        v.push_back({(shape.x[j] - shape.pivotX) * flip, double(shape.y[j] - shape.pivotY)});
    return v;
}

struct PieceFit {
    PiecePlacement placement;
    double worstError = 0;
};

// The gTans flip flag that draws piece i as the board does with flip: only
// the parallelogram's shape changes when mirrored.
int GtansFlipOf(int i, double flip) { return BuiltInKinds[i] == GtansParallelogram && flip < 0 ? 1 : 0; }

// The turn that lays built-in piece i (flipped by flip) onto its gTans piece
// at rotation 0: a piece here stands at this turn plus the gTans one. For the
// square and the parallelogram it picks one of their equal turns, the same
// each time, so that placements map one to one.
double TurnOffset(const TangramModel& model, int i, double flip)
{
    return FitTurn(PieceAboutPivot(model.pieceSet().shapes[i], flip),
                   GtansPixelShape(BuiltInKinds[i], GtansFlipOf(i, flip)))
        .phi;
}

// The integer placement of piece i whose board polygon lies closest (least
// squares over the vertices) to target, the board polygon of the gTans piece.
PieceFit FitPiece(const TangramModel& model, int i, const GtansPiece& piece, const Shape& target)
{
    const PieceShape& shape = model.pieceSet().shapes[i];
    const int n = shape.vertexCount;
    const double gtansPhi = -RadiansOf(piece.rotation);
    // The unflipped piece wins where both fit, as it does for every triangle.
    double flip = 1.0;
    TurnFit turn = FitTurn(PieceAboutPivot(shape, 1.0), target, TurnOffset(model, i, 1.0) + gtansPhi);
    const TurnFit mirrored = FitTurn(PieceAboutPivot(shape, -1.0), target, TurnOffset(model, i, -1.0) + gtansPhi);
    if (mirrored.residual < turn.residual - 1.0) {
        flip = -1.0;
        turn = mirrored;
    }
    const Shape local = PieceAboutPivot(shape, flip);
    const Vec targetCentre = Mean(target);
    const Vec localCentre = Mean(local);

    // A turn within a tenth of a step of a whole step is that step (as every
    // turn written by GtansFromFigure is); else the better of its two neighbours.
    const double steps = turn.phi * 720 / (2 * Pi);
    const int below = int(std::floor(steps));
    const bool whole = std::abs(steps - std::round(steps)) <= 0.1;
    const int firstAngle = whole ? int(std::lround(steps)) : below;
    const int lastAngle = whole ? firstAngle : below + 1;
    PieceFit best;
    double bestScore = INFINITY;
    Figure figure;
    std::array<Point, PolygonCapacity> polygon{};
    for (int angle = firstAngle; angle <= lastAngle; ++angle) {
        const Vec pivot = targetCentre - Turned(localCentre, 2 * Pi * angle / 720);
        const int x0 = int(std::floor(pivot.x));
        const int y0 = int(std::floor(pivot.y));
        for (int x = x0 - 1; x <= x0 + 2; ++x) {
            for (int y = y0 - 1; y <= y0 + 2; ++y) {
                const PiecePlacement placement{x, y, TangramModel::NormalizeAngle(angle), flip};
                figure.setPlacement(i, placement);
                model.FigurePolygon(figure, i, polygon.data());
                double score = 0;
                double worst = 0;
                for (int j = 0; j < n; ++j) {
                    const Vec d = Vec{double(polygon[j].x), double(polygon[j].y)} - target[turn.match(j, n)];
                    const double squared = d.x * d.x + d.y * d.y;
                    score += squared;
                    worst = std::max(worst, squared);
                }
                if (score < bestScore) {
                    bestScore = score;
                    best = {placement, std::sqrt(worst)};
                }
            }
        }
    }
    return best;
}

// The move, in whole pixels, that brings the span lo..hi within the board,
// with a margin for the rounding of the fit; a span wider than that is
// centred on the board.
int MoveOntoBoard(double lo, double hi)
{
    constexpr double first = 2;
    constexpr double last = BoardSize - 3;
    if (hi - lo > last - first)
        return int(std::lround((first + last - lo - hi) / 2));
    if (lo < first)
        return int(std::ceil(first - lo));
    if (hi > last)
        return int(std::floor(last - hi));
    return 0;
}

void MoveShapes(std::vector<Shape>& shapes, Vec by)
{
    for (Shape& shape : shapes)
        for (Vec& v : shape)
            v = v + by;
}

// Where each built-in piece goes: the gTans pieces of its kind in file order.
std::array<int, GtansFigurePieces> AssignPieces(const GtansFigure& gtans)
{
    if (gtans.pieces.size() != GtansFigurePieces)
        throw std::invalid_argument("a gTans figure has seven pieces");
    std::array<int, GtansFigurePieces> source{};
    std::array<bool, GtansFigurePieces> taken{};
    for (int i = 0; i < GtansFigurePieces; ++i) {
        int k = 0;
        while (k < GtansFigurePieces && (taken[k] || gtans.pieces[k].type != BuiltInKinds[i]))
            ++k;
        if (k == GtansFigurePieces)
            throw std::invalid_argument("a gTans figure has the seven pieces of a tangram");
        taken[k] = true;
        source[i] = k;
    }
    return source;
}

} // namespace

bool HoldsBuiltInSet(const TangramModel& model)
{
    const PieceSet& set = model.pieceSet();
    if (set.name != BuiltInSetKey || set.pieceCount != GtansFigurePieces)
        return false;
    for (int i = 0; i < GtansFigurePieces; ++i)
        if (set.shapes[i].vertexCount != (BuiltInKinds[i] == GtansSquare || BuiltInKinds[i] == GtansParallelogram ? 4 : 3))
            return false;
    return true;
}

GtansImport FigureFromGtans(const TangramModel& model, const GtansFigure& gtans)
{
    if (!HoldsBuiltInSet(model))
        throw std::invalid_argument("gTans figures are figures of the built-in set");
    const std::array<int, GtansFigurePieces> source = AssignPieces(gtans);
    std::vector<Shape> targets;
    Vec lo{INFINITY, INFINITY};
    Vec hi{-INFINITY, -INFINITY};
    for (int i = 0; i < GtansFigurePieces; ++i) {
        targets.push_back(GtansBoardPolygon(gtans.pieces[source[i]]));
        for (const Vec& v : targets.back()) {
            lo = {std::min(lo.x, v.x), std::min(lo.y, v.y)};
            hi = {std::max(hi.x, v.x), std::max(hi.y, v.y)};
        }
    }
    MoveShapes(targets, {double(MoveOntoBoard(lo.x, hi.x)), double(MoveOntoBoard(lo.y, hi.y))});

    GtansImport result;
    for (int i = 0; i < GtansFigurePieces; ++i) {
        const PieceFit fit = FitPiece(model, i, gtans.pieces[source[i]], targets[i]);
        result.figure.setPlacement(i, fit.placement);
        result.worstError = std::max(result.worstError, fit.worstError);
    }
    return result;
}

GtansFigure GtansFromFigure(const TangramModel& model, const Figure& figure)
{
    if (!HoldsBuiltInSet(model))
        throw std::invalid_argument("gTans figures are figures of the built-in set");
    GtansFigure gtans;
    std::array<Point, PolygonCapacity> polygon{};
    for (int i = 0; i < GtansFigurePieces; ++i) {
        const PiecePlacement p = figure.placement(i);
        // The turn comes from the exact shape, the place from the drawn one:
        // that polygon is what an import has to find again.
        Shape exact;
        for (const Vec& v : PieceAboutPivot(model.pieceSet().shapes[i], p.flip))
            exact.push_back(Turned(v, 2 * Pi * TangramModel::NormalizeAngle(p.angle) / 720));
        model.FigurePolygon(figure, i, polygon.data());
        Shape drawn;
        for (int j = 0; j < model.polygonSize(i); ++j)
            drawn.push_back({double(polygon[j].x), double(polygon[j].y)});

        GtansPiece piece;
        piece.type = BuiltInKinds[i];
        piece.flip = GtansFlipOf(i, p.flip);
        const double ourPhi = 2 * Pi * TangramModel::NormalizeAngle(p.angle) / 720;
        const TurnFit turn = FitTurn(GtansPixelShape(piece.type, piece.flip), exact, ourPhi - TurnOffset(model, i, p.flip));
        const long turns = std::lround(-turn.phi / (2 * Pi) * GtansTurn);
        piece.rotation = int(((turns % GtansTurn) + GtansTurn) % GtansTurn);
        const Vec centre = Mean(drawn);
        piece.x = GtansCentre + (centre.x - BoardSize / 2) / GtansPixels;
        piece.y = GtansCentre + (centre.y - BoardSize / 2) / GtansPixels;
        gtans.pieces.push_back(piece);
    }
    return gtans;
}

} // namespace zol
