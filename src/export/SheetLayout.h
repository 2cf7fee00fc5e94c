#pragma once
// Where the figures of a puzzle sheet go: A4 pages in points, a grid of
// cells per page, and each figure scaled to fit its cell and centred.

#include "model/Figure.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace zol {

class TangramModel;

// The page in points (1/72 inch), portrait.
QSizeF SheetPageSize();

// 1, 2, 4 or 6 figures fit on one page.
bool IsFiguresPerPage(int perPage);

struct SheetCell {
    QRectF figure;  // the figure is scaled to fit here
    QRectF caption; // the lowest place of the caption line below it
};

// The cells of a page, row by row; perPage must be IsFiguresPerPage.
std::vector<SheetCell> SheetCells(int perPage);

// Board pixels to page points: p * scale + offset.
struct SheetFit {
    double scale = 1.0;
    QPointF offset;
    QRectF bounds; // the figure as drawn, its pen included
    QPointF Map(const Point& p) const { return {p.x * scale + offset.x(), p.y * scale + offset.y()}; }
};

// The figure's board polygons, their pen included, scaled to fit `area` and
// centred in it.
SheetFit FitFigure(const TangramModel& model, const Figure& figure, const QRectF& area);

// The caption's line: just under the figure, so a wide figure in a tall
// cell keeps its caption close, and never lower than the cell's caption line.
QRectF CaptionPlace(const SheetCell& cell, const SheetFit& fit);

} // namespace zol
