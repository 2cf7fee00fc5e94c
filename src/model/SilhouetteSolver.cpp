#include "model/SilhouetteSolver.h"

#include "model/PlacedPolygon.h"
#include "model/SilhouetteMatch.h"
#include "model/SolverPieces.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>

namespace zol {

namespace {

// Pixels of the silhouette that its pieces may leave uncovered, per pixel of
// the pieces' outlines: the gaps a silhouette closes between its pieces.
constexpr double ResiduePerOutlinePixel = 0.5;
// Room around the silhouette for pieces tried at its edge.
constexpr int Margin = 4;
// In a fit's score, a pixel sticking out counts this many times a pixel
// left bare beside the piece.
constexpr int StickingOut = 3;

// How loosely a pass of the search fits pieces. Rounding can put a piece's
// corner a few pixels from the silhouette's, and the best-looking fit is not
// always the one that completes: a first pass tries the nearest fits only,
// a second, slower one looks farther for what the first missed.
struct Leniency {
    int nudge = 2;           // pixels a piece may lie off the anchor
    int branches = 1;        // fits tried per shape at an anchor, best first
                             // (more than one costs far more than it finds)
    double allowance = 1.0;  // of what a pose may stick out by
};
constexpr Leniency Passes[] = {{2, 1, 1.0}, {3, 1, 1.5}};

struct Fitting {
    int piece = -1;
    const PiecePose* pose = nullptr;
    Point at;
    double score = 0;
};

// One piece put down: where, and the pixels it took.
struct Placed {
    int piece = -1;
    const PiecePose* pose = nullptr;
    Point at;
    std::vector<uint64_t> taken;
    std::vector<uint64_t> takenOpen;
    int takenCount = 0;
};

class Search {
public:
    Search(const SolveRequest& request, const SolverPieces& pieces, SolveResult& result)
        : request_(request), pieces_(pieces), result_(result), used_(request.set.pieceCount, false)
    {
    }

    // False when the search had to end early (result's end says why).
    bool Run(const Leniency& leniency);

private:
    bool Node(int fromRow);
    bool Leaf();
    bool Deadline();
    std::vector<Fitting> BestFits(const std::vector<PoseChoice>& alike, Point anchor) const;
    bool PutDown(int piece, const PiecePose& pose, Point at, Placed& put);
    void Lift(Placed& put);
    void Count(int piece, int sign);
    bool Hopeless() const;
    bool Stranded() const;
    bool Known(const Figure& figure) const;

    const SolveRequest& request_;
    const SolverPieces& pieces_;
    SolveResult& result_;
    Leniency leniency_;
    std::vector<bool> used_;
    PixelMask region_; // the silhouette less the pieces put down
    // ... less a pixel around each of them as well: what rounding leaves bare
    // beside a piece is no place for another, so anchors are found here.
    PixelMask open_;
    int leftmost_ = 0;        // no pixel of the silhouette lies left of this
    int remaining_ = 0;       // pixels of the region
    int unusedLeast_ = 0;     // pixels of the pieces not yet put down, at least
    int unusedMost_ = 0;      // and at most
    int unusedAllowance_ = 0; // what those may stick out by, together
    int residueBudget_ = 0;
    Figure figure_;
    long nodes_ = 0;
};

// The farthest any pose reaches from its placement point.
int Extent(const SolverPieces& pieces)
{
    int extent = 0;
    for (const SolverKind& kind : pieces.kinds) {
        for (const std::vector<PoseChoice>& alike : kind.shapes) {
            for (const PoseChoice& choice : alike) {
                const PixelMask& mask = choice.pose.rim;
                extent = std::max({extent, std::abs(mask.left()), std::abs(mask.top()),
                                   std::abs(mask.left() + mask.width()), std::abs(mask.top() + mask.height())});
            }
        }
    }
    return extent;
}

int Allowance(const PiecePose& pose, const Leniency& leniency) { return int(pose.allowance * leniency.allowance); }

bool Search::Run(const Leniency& leniency)
{
    leniency_ = leniency;
    const Rect bounds = SilhouetteBounds(request_.target);
    const int margin = Extent(pieces_) + leniency.nudge + Margin;
    region_ = PixelMask(bounds.left - margin, bounds.top - margin, bounds.right - bounds.left + 2 * margin,
                        bounds.bottom - bounds.top + 2 * margin);
    region_.FillRings(request_.target.rings, Silhouette::Unit);
    open_ = region_;
    leftmost_ = bounds.left;
    double outline = 0;
    for (int i = 0; i < request_.set.pieceCount; ++i) {
        outline += pieces_.pieces[i].outline;
        if (!request_.placed[i]) {
            Count(i, +1);
            continue;
        }
        const PiecePlacement placement = request_.given.placement(i);
        const PiecePose pose = PoseOf(request_.set, i, placement);
        if (region_.Outside(pose.mask, placement.x, placement.y, INT32_MAX) > Allowance(pose, leniency))
            return true; // a placed piece lies outside the silhouette: nothing completes it
        Placed put;
        region_.Remove(pose.mask, placement.x, placement.y, put.taken);
        open_.Remove(pose.rim, placement.x, placement.y, put.takenOpen);
        used_[i] = true;
        figure_.setPlacement(i, placement);
    }
    remaining_ = region_.count();
    residueBudget_ = int(outline * ResiduePerOutlinePixel);
    return Hopeless() || Node(open_.top());
}

// Adds a piece to the pieces left (+1) or takes it away (-1).
void Search::Count(int piece, int sign)
{
    const PieceMeasure& p = pieces_.pieces[piece];
    unusedLeast_ += sign * p.leastArea;
    unusedMost_ += sign * p.mostArea;
    unusedAllowance_ += sign * int(p.allowance * leniency_.allowance);
}

// The area left cannot be made of the pieces left: too much of it would stay
// bare, or they would have to overlap.
bool Search::Hopeless() const
{
    return remaining_ - unusedMost_ > residueBudget_ || unusedLeast_ - remaining_ > unusedAllowance_;
}

// Some part of the region left is too small for any piece left, or there
// are more parts than pieces.
bool Search::Stranded() const
{
    int least = INT32_MAX;
    int left = 0;
    for (int i = 0; i < request_.set.pieceCount; ++i)
        if (!used_[i]) {
            least = std::min(least, pieces_.pieces[i].leastSolid);
            ++left;
        }
    if (left == 0)
        return false;
    const std::vector<int> parts = open_.SolidPartAreas();
    return int(parts.size()) > left ||
           std::any_of(parts.begin(), parts.end(), [&](int area) { return area < least; });
}

bool Search::Deadline()
{
    if (request_.stop.stop_requested()) {
        result_.end = SolveEnd::Stopped;
        return true;
    }
    if ((nodes_++ & 63) == 0 && std::chrono::steady_clock::now() > request_.deadline) {
        result_.end = SolveEnd::TimeUp;
        return true;
    }
    return false;
}

bool Search::PutDown(int piece, const PiecePose& pose, Point at, Placed& put)
{
    region_.Remove(pose.mask, at.x, at.y, put.taken);
    open_.Remove(pose.rim, at.x, at.y, put.takenOpen);
    put.piece = piece;
    put.pose = &pose;
    put.at = at;
    put.takenCount = 0;
    for (const uint64_t word : put.taken)
        put.takenCount += std::popcount(word);
    remaining_ -= put.takenCount;
    Count(piece, -1);
    used_[piece] = true;
    figure_.setPlacement(piece, {at.x, at.y, pose.angle, pose.flip});
    return !Hopeless();
}

void Search::Lift(Placed& put)
{
    region_.Restore(put.pose->mask, put.at.x, put.at.y, put.taken);
    open_.Restore(put.pose->rim, put.at.x, put.at.y, put.takenOpen);
    remaining_ += put.takenCount;
    Count(put.piece, +1);
    used_[put.piece] = false;
}

// Of poses that make one shape, the fits at the anchor, best first: a pose's
// leading pixel on the anchor, or a few pixels off where rounding put the
// silhouette's corner elsewhere, covering the anchor and sticking out by no
// more than its allowance. Sticking out counts against a fit, and so do
// pixels left bare right beside the piece (the rounding of another pose, or
// of a piece nudged the other way, would have covered them).
std::vector<Fitting> Search::BestFits(const std::vector<PoseChoice>& alike, Point anchor) const
{
    std::vector<Fitting> fits;
    const int nudge = leniency_.nudge;
    for (const PoseChoice& choice : alike) {
        if (used_[choice.piece])
            continue;
        const PiecePose& pose = choice.pose;
        const int allowance = Allowance(pose, leniency_);
        const Point base{anchor.x - pose.lead.x, anchor.y - pose.lead.y};
        for (int dy = -nudge; dy <= nudge; ++dy) {
            for (int dx = -nudge; dx <= nudge; ++dx) {
                const Point at{base.x + dx, base.y + dy};
                if (!pose.mask.test(anchor.x - at.x, anchor.y - at.y))
                    continue;
                const int outside = region_.Outside(pose.mask, at.x, at.y, allowance);
                if (outside > allowance)
                    continue;
                const int bareBeside = pose.rimCount - region_.Outside(pose.rim, at.x, at.y, INT32_MAX) -
                                       (pose.area - outside);
                fits.push_back({choice.piece, &pose, at, double(StickingOut * outside + bareBeside)});
            }
        }
    }
    const size_t kept = std::min(fits.size(), size_t(leniency_.branches));
    std::partial_sort(fits.begin(), fits.begin() + kept, fits.end(),
                      [](const Fitting& a, const Fitting& b) { return a.score < b.score; });
    fits.resize(kept);
    return fits;
}

// Returns false when the search has to end.
bool Search::Node(int fromRow)
{
    if (Deadline())
        return false;
    // fromRow becomes the first row with a solid pixel; pieces put down
    // below only take pixels away, so no row above it gets one.
    const std::optional<Point> anchor = open_.LeadingSolidPixel(fromRow, leftmost_);
    if (!anchor)
        return std::find(used_.begin(), used_.end(), false) != used_.end() || Leaf();
    Placed put;
    for (const SolverKind& kind : pieces_.kinds) {
        if (std::all_of(kind.pieces.begin(), kind.pieces.end(), [&](int i) { return used_[i]; }))
            continue;
        for (const std::vector<PoseChoice>& alike : kind.shapes) {
            for (const Fitting& fit : BestFits(alike, *anchor)) {
                const bool hopeful = PutDown(fit.piece, *fit.pose, fit.at, put) && !Stranded();
                const bool goOn = !hopeful || Node(fromRow);
                Lift(put);
                if (!goOn)
                    return false;
            }
        }
    }
    return true;
}

// Every piece is down and no solid part of the silhouette is left bare: the
// placement stands when its silhouette is the target's where it stands.
bool Search::Leaf()
{
    if (remaining_ > residueBudget_)
        return true;
    const Silhouette made = FigureSilhouette(request_.set, figure_);
    if (!OutlinesWithin(made, request_.target, SameSilhouetteTolerance) || Known(figure_))
        return true;
    result_.solutions.push_back(figure_);
    if (request_.found)
        request_.found(figure_);
    if (int(result_.solutions.size()) >= request_.limit) {
        result_.end = SolveEnd::Limit;
        return false;
    }
    return true;
}

// A solution found before that differs from this one only by a pixel here
// and there, or by which of two equal pieces lies where.
bool Search::Known(const Figure& figure) const
{
    const PieceSet& set = request_.set;
    const auto corners = [&](const Figure& f, int i) {
        Point polygon[PolygonCapacity];
        PlacedPolygon(set.shapes[i], f.placement(i), set.angleStep, polygon);
        std::vector<Point> sorted(polygon, polygon + set.shapes[i].vertexCount);
        std::sort(sorted.begin(), sorted.end(), [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
        return sorted;
    };
    // Equal pieces list the same corners in the same order once sorted, give
    // or take the rounding.
    const auto near = [](const std::vector<Point>& a, const std::vector<Point>& b) {
        if (a.size() != b.size())
            return false;
        for (size_t j = 0; j < a.size(); ++j)
            if (std::abs(a[j].x - b[j].x) > 3 || std::abs(a[j].y - b[j].y) > 3)
                return false;
        return true;
    };
    for (const Figure& other : result_.solutions) {
        bool same = true;
        for (const SolverKind& kind : pieces_.kinds) {
            std::vector<bool> matched(kind.pieces.size(), false);
            for (const int i : kind.pieces) {
                const std::vector<Point> mine = corners(figure, i);
                bool found = false;
                for (size_t k = 0; k < kind.pieces.size() && !found; ++k)
                    if (!matched[k] && near(mine, corners(other, kind.pieces[k])))
                        matched[k] = found = true;
                same = same && found;
            }
        }
        if (same)
            return true;
    }
    return false;
}

Message TargetProblem(const Silhouette& target)
{
    if (target.empty())
        return {MessageId::SilhouetteEmpty, {}};
    const Rect r = SilhouetteBounds(target);
    return {MessageId::SilhouetteOffBoard,
            {std::to_string(r.left), std::to_string(r.right), std::to_string(r.top), std::to_string(r.bottom)}};
}

bool OnBoard(const Silhouette& target)
{
    const Rect r = SilhouetteBounds(target);
    return !target.empty() && r.left >= 0 && r.top >= 0 && r.right <= BoardSize && r.bottom <= BoardSize;
}

// A piece whose corners lie farther apart than the board's diagonal can lie
// on the board in no pose; nor can it help make a silhouette that does.
bool FitsOnBoard(const PieceSet& set)
{
    const double diagonal = BoardSize * std::sqrt(2.0) + 2;
    for (int i = 0; i < set.pieceCount; ++i) {
        const PieceShape& shape = set.shapes[i];
        for (int j = 0; j < shape.vertexCount; ++j)
            for (int k = j + 1; k < shape.vertexCount; ++k)
                if (std::hypot(double(shape.x[j] - shape.x[k]), double(shape.y[j] - shape.y[k])) > diagonal)
                    return false;
    }
    return true;
}

} // namespace

SolveTargetError::SolveTargetError(Message message)
    : std::invalid_argument(MessageText(message, Language::English)), MessageError(std::move(message))
{
}

// The search puts one piece at a time into the silhouette's raster. The
// leading solid pixel of what is left (the topmost, then leftmost, on a
// slant) must be the leading pixel of the piece that covers it, so every
// kind of piece left, in every shape it takes, is tried there, give or take
// a few pixels of rounding; a fit sticks out by no more than its allowance.
// Of the poses and equal pieces that make one shape only the best fit is
// tried. A branch ends when the area left cannot be made of the pieces left,
// or when no piece fits at the anchor (a slot narrower than any piece left).
// A placement of every piece that leaves no solid part bare is a solution
// when its own silhouette is the target's where it stands, by the
// same-silhouette test. A looser pass then searches again for what the first
// missed, unless the first solution was all that was asked for.
SolveResult Solve(const SolveRequest& request)
{
    if (!OnBoard(request.target))
        throw SolveTargetError(TargetProblem(request.target));
    SolveResult result;
    if (!FitsOnBoard(request.set))
        return result;
    const SolverPieces pieces = PiecesOf(request.set);
    for (const Leniency& leniency : Passes) {
        Search search(request, pieces, result);
        if (!search.Run(leniency))
            break;
    }
    return result;
}

} // namespace zol
