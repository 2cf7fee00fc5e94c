#include "SilhouetteFixtures.h"

#include "model/PixelMask.h"
#include "model/PlacementLine.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zol::test {

namespace {

// The model's board with the figure on it, selected whole.
TangramModel Selected(const TangramModel& model, const Figure& figure)
{
    TangramModel board = model;
    board.SetCurrentFigure(figure);
    board.SelectInRect(-CoordinateLimit, -CoordinateLimit, CoordinateLimit, CoordinateLimit);
    return board;
}

std::vector<Point> PolygonOf(const TangramModel& model, const Figure& figure, int i)
{
    std::vector<Point> polygon(PolygonCapacity);
    model.FigurePolygon(figure, i, polygon.data());
    polygon.resize(model.polygonSize(i));
    return polygon;
}

// The largest distance from a vertex of a to the nearest vertex of b.
int VertexGap(const std::vector<Point>& a, const std::vector<Point>& b)
{
    int worst = 0;
    for (const Point& p : a) {
        int nearest = INT32_MAX;
        for (const Point& q : b)
            nearest = std::min(nearest, std::max(std::abs(p.x - q.x), std::abs(p.y - q.y)));
        worst = std::max(worst, nearest);
    }
    return worst;
}

PiecePlacement ClosestPlacement(const TangramModel& model, const Figure& figure, int piece, const std::vector<Point>& target)
{
    Figure trial = figure;
    PiecePlacement best;
    int bestGap = INT32_MAX;
    for (int angle = 0; angle < 720; angle += model.pieceSet().angleStep) {
        for (const double flip : {1.0, -1.0}) {
            trial.setPlacement(piece, {0, 0, angle, flip});
            const std::vector<Point> atOrigin = PolygonOf(model, trial, piece);
            if (atOrigin.size() != target.size())
                continue;
            // The first target vertex lies on one of the piece's vertices.
            for (const Point& v : atOrigin) {
                const Point shift{target[0].x - v.x, target[0].y - v.y};
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx) {
                        const PiecePlacement placement{shift.x + dx, shift.y + dy, angle, flip};
                        trial.setPlacement(piece, placement);
                        const int gap = std::max(VertexGap(PolygonOf(model, trial, piece), target),
                                                 VertexGap(target, PolygonOf(model, trial, piece)));
                        if (gap < bestGap) {
                            bestGap = gap;
                            best = placement;
                        }
                    }
            }
        }
    }
    return best;
}

PixelMask MaskOf(const TangramModel& model, const Figure& figure, int i)
{
    return PixelMask::OfRings({PolygonOf(model, figure, i)}, 1);
}

} // namespace

Figure FigureOf(const TangramModel& model, const std::string& placementLine)
{
    return ParsePlacementLine(placementLine, model.pieceCount(), 0);
}

Figure TurnedOnBoard(const TangramModel& model, const Figure& figure, int turn)
{
    TangramModel board = Selected(model, figure);
    board.RotateSelection(turn);
    board.EndRotation();
    return board.GetCurrentFigure();
}

Figure MirroredOnBoard(const TangramModel& model, const Figure& figure)
{
    TangramModel board = Selected(model, figure);
    board.FlipSelection();
    return board.GetCurrentFigure();
}

Figure MovedOnBoard(const TangramModel& model, const Figure& figure, int dx, int dy)
{
    TangramModel board = Selected(model, figure);
    board.MoveSelection(dx, dy);
    return board.GetCurrentFigure();
}

Figure Exchanged(const TangramModel& model, const Figure& figure, int i, int j)
{
    Figure exchanged = figure;
    exchanged.setPlacement(i, ClosestPlacement(model, figure, i, PolygonOf(model, figure, j)));
    exchanged.setPlacement(j, ClosestPlacement(model, figure, j, PolygonOf(model, figure, i)));
    return exchanged;
}

int OverlapPixels(const TangramModel& model, const Figure& figure, int i, int j)
{
    const PixelMask a = MaskOf(model, figure, i);
    const PixelMask b = MaskOf(model, figure, j);
    int shared = 0;
    for (int y = a.top(); y < a.top() + a.height(); ++y)
        for (int x = a.left(); x < a.left() + a.width(); ++x)
            shared += a.test(x, y) && b.test(x, y);
    return shared;
}

double LongestEdge(const TangramModel& model, const Figure& figure, int i)
{
    const std::vector<Point> polygon = PolygonOf(model, figure, i);
    double longest = 0;
    for (size_t k = 0, m = polygon.size() - 1; k < polygon.size(); m = k++)
        longest = std::max(longest, std::hypot(double(polygon[k].x - polygon[m].x), double(polygon[k].y - polygon[m].y)));
    return longest;
}

} // namespace zol::test
