#include "model/FigureRenderer.h"

#include <QImage>

#include <algorithm>

namespace zol {

namespace {

int Clamp(int v) { return std::clamp(v, -CoordinateLimit, CoordinateLimit); }

} // namespace

void TangramModel::ClearSelection()
{
    selection_ = -1;
    rotating_ = false;
}

void TangramModel::moveToTop(int piece)
{
    auto* end = drawOrder_.data() + set_.pieceCount;
    std::rotate(std::find(drawOrder_.data(), end, piece), std::find(drawOrder_.data(), end, piece) + 1, end);
}

void TangramModel::moveToBottom(int piece)
{
    auto* begin = drawOrder_.data();
    auto* at = std::find(begin, begin + set_.pieceCount, piece);
    std::rotate(begin, at, at + 1);
}

void TangramModel::PickPiece(int x, int y, QImage& bitmap, bool select)
{
    ClearSelection();
    // Paint every piece in a colour that is its own index; the pixel names the
    // topmost piece there, as the user sees it (zoom included).
    std::array<ColorRef, MaxPieces> indexColours{};
    for (int i = 0; i < MaxPieces; ++i)
        indexColours[i] = static_cast<ColorRef>(i);
    FigureRenderer renderer(*this);
    renderer.UseColours(0xFFFFFF, indexColours);
    renderer.DrawBoardFigure(1.0, bitmap, Background::Fill);

    int hit = -1;
    if (x >= 0 && y >= 0 && x < bitmap.width() && y < bitmap.height()) {
        const int red = qRed(bitmap.pixel(x, y));
        if (red < 32 && red < set_.pieceCount)
            hit = red;
    }
    if (select) {
        for (int i = 0; i < set_.pieceCount; ++i)
            groupFlags_[i] = true;
        if (hit >= 0) {
            selection_ = hit;
            moveToTop(hit);
        } else {
            selection_ = -2;
        }
    } else if (hit >= 0) {
        moveToBottom(hit);
        ClearSelection();
    }
}

void TangramModel::SelectInRect(int x1, int y1, int x2, int y2)
{
    selection_ = -1;
    int hits = 0;
    for (int i = 0; i < set_.pieceCount; ++i) {
        const Point* poly = boardPolygon(i);
        const bool inside = std::any_of(poly, poly + polygonSize(i),
                                        [&](const Point& p) { return PointInRect(x1, y1, x2, y2, p.x, p.y); });
        groupFlags_[i] = inside;
        if (inside) {
            selection_ = i;
            ++hits;
            moveToTop(i);
        }
    }
    if (hits >= 2)
        selection_ = -2;
}

void TangramModel::MoveSelection(int dx, int dy)
{
    for (int i = 0; i < set_.pieceCount; ++i) {
        if (!isSelected(i))
            continue;
        current_.x[i] = Clamp(current_.x[i] + Clamp(dx));
        current_.y[i] = Clamp(current_.y[i] + Clamp(dy));
        UpdatePolygon(i);
    }
}

Point TangramModel::SelectionCentre() const
{
    int64_t sx = 0, sy = 0;
    int count = 0;
    for (int i = 0; i < set_.pieceCount; ++i) {
        if (groupFlags_[i]) {
            sx += current_.x[i];
            sy += current_.y[i];
            ++count;
        }
    }
    if (count == 0)
        count = 1;
    return {static_cast<int>(sx / count), static_cast<int>(sy / count)};
}

void TangramModel::beginGroupTurn()
{
    if (rotating_)
        return;
    snapshot_ = current_;
    accumulatedAngle_ = 0;
    rotating_ = true;
    const Point c = SelectionCentre();
    centreX_ = c.x;
    centreY_ = c.y;
}

// Every step recomputes the group from the snapshot taken when the turn
// began, so integer rounding does not build up while the user keeps turning.
void TangramModel::placeGroupFromSnapshot()
{
    for (int i = 0; i < set_.pieceCount; ++i) {
        if (!groupFlags_[i])
            continue;
        const Point r = RotateVector(snapshot_.x[i] - centreX_, snapshot_.y[i] - centreY_, accumulatedAngle_);
        current_.x[i] = Clamp(centreX_ + r.x);
        current_.y[i] = Clamp(centreY_ + r.y);
        current_.angle[i] = NormalizeAngle(snapshot_.angle[i] + accumulatedAngle_);
    }
    UpdatePolygons();
}

void TangramModel::RotateSelection(int d)
{
    d = NormalizeAngle(d);
    if (selection_ >= 0) {
        current_.angle[selection_] = NormalizeAngle(current_.angle[selection_] + d);
        UpdatePolygon(selection_);
    } else if (selection_ == -2) {
        beginGroupTurn();
        accumulatedAngle_ = NormalizeAngle(accumulatedAngle_ + d);
        placeGroupFromSnapshot();
    }
}

void TangramModel::SnapSelectionAngle()
{
    const int step = set_.angleStep;
    const int half = step / 2;
    const auto snapped = [&](int a) { return static_cast<int>((int64_t(a) + half) / step * step % 720); };
    if (selection_ >= 0) {
        current_.angle[selection_] = snapped(current_.angle[selection_]);
        UpdatePolygon(selection_);
    } else if (selection_ == -2) {
        beginGroupTurn();
        for (int k = 0; k < set_.pieceCount; ++k) {
            const int p = drawOrder_[k];
            if (!groupFlags_[p])
                continue;
            const int a = current_.angle[p];
            accumulatedAngle_ = NormalizeAngle(accumulatedAngle_ + snapped(a) - a);
            break;
        }
        placeGroupFromSnapshot();
    }
}

void TangramModel::FlipSelection()
{
    if (selection_ >= 0) {
        current_.flip[selection_] = -current_.flip[selection_];
        current_.angle[selection_] = NormalizeAngle(-current_.angle[selection_]);
        UpdatePolygon(selection_);
    } else if (selection_ == -2) {
        const Point c = SelectionCentre();
        for (int i = 0; i < set_.pieceCount; ++i) {
            if (!groupFlags_[i])
                continue;
            current_.flip[i] = -current_.flip[i];
            current_.angle[i] = NormalizeAngle(-current_.angle[i]);
            current_.x[i] = Clamp(2 * c.x - current_.x[i]);
            UpdatePolygon(i);
        }
    }
}

} // namespace zol
