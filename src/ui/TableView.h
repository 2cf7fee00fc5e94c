#pragma once
// The table view: the selected figure and its neighbours in the list as a
// 5 x 5 table of thumbnails with their numbers and captions, drawn on the
// board bitmap.

#include <QImage>
#include <QPoint>

namespace zol {

class TangramModel;

// The table around list figure `selected` into `board`.
void DrawTableView(TangramModel& model, int selected, QImage& board);

// The list figure whose cell holds board point `at`; it may be outside the list.
int TableCellFigure(int selected, QPoint at);

} // namespace zol
