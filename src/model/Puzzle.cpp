#include "model/Puzzle.h"

#include "model/PlacedPolygon.h"
#include "model/SilhouetteMatch.h"
#include "model/SilhouetteSolver.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <vector>

namespace zol {

namespace {

using PieceFlags = std::array<bool, MaxPieces>;

// Corners of two placements of equal pieces this close (board pixels) are
// the same corner: the board rounds each placement on its own.
constexpr int CornerSlack = 2;

std::vector<Point> Polygon(const PieceSet& set, const Figure& figure, int i)
{
    std::vector<Point> out(set.shapes[i].vertexCount);
    PlacedPolygon(set.shapes[i], figure.placement(i), set.angleStep, out.data());
    return out;
}

bool SameShape(const PieceShape& a, const PieceShape& b)
{
    return a.vertexCount == b.vertexCount && a.pivotX == b.pivotX && a.pivotY == b.pivotY &&
           std::equal(a.x.begin(), a.x.begin() + a.vertexCount, b.x.begin()) &&
           std::equal(a.y.begin(), a.y.begin() + a.vertexCount, b.y.begin());
}

// Every corner of one polygon lies on a corner of the other: the same
// triangle turned half round or flipped lies on itself too.
bool Coincide(const std::vector<Point>& a, const std::vector<Point>& b)
{
    if (a.size() != b.size())
        return false;
    return std::all_of(a.begin(), a.end(), [&](Point p) {
        return std::any_of(b.begin(), b.end(), [&](Point q) {
            return std::abs(p.x - q.x) <= CornerSlack && std::abs(p.y - q.y) <= CornerSlack;
        });
    });
}

// Inside an odd number of the silhouette's outlines.
bool Inside(const Silhouette& silhouette, double x, double y)
{
    x *= Silhouette::Unit;
    y *= Silhouette::Unit;
    bool inside = false;
    for (const Silhouette::Ring& ring : silhouette.rings)
        for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
            const Point a = ring[i];
            const Point b = ring[j];
            if ((a.y > y) != (b.y > y) && x < a.x + (b.x - a.x) * (y - a.y) / double(b.y - a.y))
                inside = !inside;
        }
    return inside;
}

Point Centre(const std::vector<Point>& polygon)
{
    double x = 0;
    double y = 0;
    for (const Point p : polygon) {
        x += p.x;
        y += p.y;
    }
    return {int(x / polygon.size()), int(y / polygon.size())};
}

// The pieces of `board` each matched to a piece of `solution` whose place
// it takes, pieces of equal shape standing in for each other.
struct Matching {
    PieceFlags boardRight{};  // board piece i lies where a piece of the solution does
    PieceFlags solutionTaken{}; // the solution's piece k has a board piece on it
};

Matching Match(const PieceSet& set, const Figure& board, const Figure& solution)
{
    Matching m;
    for (int k = 0; k < set.pieceCount; ++k) {
        const std::vector<Point> place = Polygon(set, solution, k);
        for (int i = 0; i < set.pieceCount && !m.solutionTaken[k]; ++i) {
            const bool alike = i == k || SameShape(set.shapes[i], set.shapes[k]);
            if (!m.boardRight[i] && alike && Coincide(Polygon(set, board, i), place))
                m.boardRight[i] = m.solutionTaken[k] = true;
        }
    }
    return m;
}

// The solver's search builds from the top of the silhouette down: the next
// piece it places is the highest of those still missing.
int Highest(const PieceSet& set, const Figure& figure, const PieceFlags& missing)
{
    int best = -1;
    Point bestCorner;
    for (int i = 0; i < set.pieceCount; ++i) {
        if (!missing[i])
            continue;
        const std::vector<Point> polygon = Polygon(set, figure, i);
        const Point corner = *std::min_element(polygon.begin(), polygon.end(), [](Point a, Point b) {
            return a.y != b.y ? a.y < b.y : a.x < b.x;
        });
        if (best < 0 || corner.y < bestCorner.y || (corner.y == bestCorner.y && corner.x < bestCorner.x)) {
            best = i;
            bestCorner = corner;
        }
    }
    return best;
}

std::optional<Figure> SolveKeeping(const PieceSet& set, const Silhouette& target, const Figure& board,
                                   const PieceFlags& keep, std::chrono::milliseconds searchTime)
{
    SolveRequest request;
    request.target = target;
    request.set = set;
    request.placed = keep;
    request.given = board;
    request.deadline = std::chrono::steady_clock::now() + searchTime;
    try {
        SolveResult result = Solve(request);
        if (!result.solutions.empty())
            return result.solutions.front();
    } catch (const SolveTargetError&) {
        // Off the board: the figure's own placement still gives the hint.
    }
    return std::nullopt;
}

} // namespace

Puzzle::Puzzle(const PieceSet& set, const Figure& target, const Figure& start)
    : set_(set), target_(target), start_(start), silhouette_(FigureSilhouette(set, target))
{
}

void Puzzle::Elapse(std::int64_t ms)
{
    if (!solved_ && ms > 0)
        elapsedMs_ += ms;
}

bool Puzzle::Check(const Figure& board)
{
    if (solved_)
        return false;
    solved_ = MatchSilhouettes(FigureSilhouette(set_, board), silhouette_, set_.angleStep, SameSilhouetteTolerance)
                  .same();
    return solved_;
}

Figure Puzzle::Hint(const Figure& board, std::chrono::milliseconds searchTime)
{
    if (solved_)
        return board;
    ++hintsUsed_;
    Figure hinted = board;
    const auto put = [&](int piece, const PiecePlacement& placement) {
        hinted.setPlacement(piece, placement);
        hinted_.setPlacement(piece, placement);
        hintedPieces_[piece] = true;
    };
    const auto putNext = [&](const Figure& solution, const PieceFlags& kept) {
        PieceFlags missing{};
        for (int i = 0; i < set_.pieceCount; ++i)
            missing[i] = !kept[i];
        if (const int next = Highest(set_, solution, missing); next >= 0)
            put(next, solution.placement(next));
    };

    PieceFlags inside{};
    for (int i = 0; i < set_.pieceCount; ++i) {
        const Point c = Centre(Polygon(set_, board, i));
        inside[i] = Inside(silhouette_, c.x + 0.5, c.y + 0.5);
    }
    if (const auto solution = SolveKeeping(set_, silhouette_, board, inside, searchTime)) {
        putNext(*solution, inside);
        return hinted;
    }
    const Matching own = Match(set_, board, target_);
    PieceFlags known = own.boardRight;
    for (int i = 0; i < set_.pieceCount; ++i)
        known[i] = known[i] || (hintedPieces_[i] && board.placement(i) == hinted_.placement(i));
    if (known != inside)
        if (const auto solution = SolveKeeping(set_, silhouette_, board, known, searchTime)) {
            putNext(*solution, known);
            return hinted;
        }
    // The figure's own placement: its highest piece not yet taken, by the
    // piece itself or another of its shape not yet right.
    PieceFlags untaken{};
    for (int k = 0; k < set_.pieceCount; ++k)
        untaken[k] = !own.solutionTaken[k];
    const int k = Highest(set_, target_, untaken);
    if (k < 0)
        return hinted;
    int piece = k;
    for (int i = 0; i < set_.pieceCount && own.boardRight[piece]; ++i)
        if (!own.boardRight[i] && SameShape(set_.shapes[i], set_.shapes[k]))
            piece = i;
    put(piece, target_.placement(k));
    return hinted;
}

std::string ClockText(std::int64_t ms)
{
    const std::int64_t seconds = std::max<std::int64_t>(0, ms) / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

} // namespace zol
