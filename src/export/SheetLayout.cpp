#include "export/SheetLayout.h"

#include "model/TangramModel.h"

#include <QPageSize>

#include <algorithm>
#include <limits>

namespace zol {

namespace {

constexpr double Margin = 36.0;        // half an inch round the page
constexpr double Gutter = 12.0;        // between neighbouring cells
constexpr double Padding = 12.0;       // round each figure, so neighbours never touch
constexpr double CaptionHeight = 20.0; // one line of caption under the figure

struct Grid {
    int columns;
    int rows;
};

// Portrait pages: one or two figures one above the other, then two columns.
Grid GridOf(int perPage)
{
    switch (perPage) {
    case 1: return {1, 1};
    case 2: return {1, 2};
    case 4: return {2, 2};
    default: return {2, 3};
    }
}

} // namespace

QSizeF SheetPageSize() { return QPageSize(QPageSize::A4).size(QPageSize::Point); }

bool IsFiguresPerPage(int perPage) { return perPage == 1 || perPage == 2 || perPage == 4 || perPage == 6; }

std::vector<SheetCell> SheetCells(int perPage)
{
    const Grid grid = GridOf(perPage);
    const QSizeF page = SheetPageSize();
    const double width = (page.width() - 2 * Margin - (grid.columns - 1) * Gutter) / grid.columns;
    const double height = (page.height() - 2 * Margin - (grid.rows - 1) * Gutter) / grid.rows;
    std::vector<SheetCell> cells;
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            const QPointF corner(Margin + column * (width + Gutter), Margin + row * (height + Gutter));
            const QRectF figure(corner, QSizeF(width, height - CaptionHeight));
            cells.push_back({figure.adjusted(Padding, Padding, -Padding, -Padding),
                             QRectF(corner + QPointF(0, height - CaptionHeight), QSizeF(width, CaptionHeight))});
        }
    }
    return cells;
}

SheetFit FitFigure(const TangramModel& model, const Figure& figure, const QRectF& area)
{
    double left = std::numeric_limits<double>::max(), top = left;
    double right = std::numeric_limits<double>::lowest(), bottom = right;
    Point polygon[PolygonCapacity];
    for (int i = 0; i < model.pieceCount(); ++i) {
        model.FigurePolygon(figure, i, polygon);
        for (int j = 0; j < model.polygonSize(i); ++j) {
            left = std::min(left, double(polygon[j].x));
            right = std::max(right, double(polygon[j].x));
            top = std::min(top, double(polygon[j].y));
            bottom = std::max(bottom, double(polygon[j].y));
        }
    }
    if (left > right)
        left = right = top = bottom = 0.0; // a set without pieces
    // The silhouette's pen reaches half a board pixel beyond the polygons;
    // a figure of no extent still gets a finite scale.
    const double width = right - left + 1.0;
    const double height = bottom - top + 1.0;
    SheetFit fit;
    fit.scale = std::min(area.width() / width, area.height() / height);
    fit.offset = area.center() - QPointF((left + right) / 2 * fit.scale, (top + bottom) / 2 * fit.scale);
    fit.bounds = QRectF(QPointF(0, 0), QSizeF(width, height) * fit.scale);
    fit.bounds.moveCenter(area.center());
    return fit;
}

QRectF CaptionPlace(const SheetCell& cell, const SheetFit& fit)
{
    QRectF place = cell.caption;
    place.moveTop(std::min(cell.caption.top(), fit.bounds.bottom() + Padding / 2));
    return place;
}

} // namespace zol
