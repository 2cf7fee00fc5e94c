// Reordering the figure list by dragging a row: the drop mark follows the
// pointer, the list scrolls at its edges, and the drop puts the dragged
// figure before the marked row.
#include "ui/ZolForm.h"

#include "ui/FigureListBox.h"

namespace zol {

namespace {

// Rows the fixed-height list shows in full, less one: a target this far below
// the top row scrolls the list.
constexpr int ScrollDownDistance = 28;

} // namespace

void TZolForm::ListMouseDown() { dragSourceRow_ = List->selectedRow(); }

void TZolForm::ListDragOver(QPoint point)
{
    int target = List->rowAt(point);
    if (List->topRow() == target && target > 0) {
        List->setTopRow(List->topRow() - 1);
        --target;
    }
    if (target - List->topRow() >= ScrollDownDistance && model.figureCount() > target) {
        List->setTopRow(List->topRow() + 1);
        target = List->topRow() + ScrollDownDistance;
    }
    if (target == dragSourceRow_ || target == -1)
        return;
    // The selected row (the dragged one) never carries the mark.
    const int selected = List->selectedRow();
    if (dragSourceRow_ != selected)
        List->toggleDropMark(dragSourceRow_);
    if (target != selected)
        List->toggleDropMark(target);
    dragSourceRow_ = target;
}

void TZolForm::ListDragDrop(QPoint)
{
    const int f = List->selectedRow();
    const int m = dragSourceRow_;
    if (f < 0 || m < 0)
        return;
    const int d = f < m ? m - 1 : m;
    if (d == f)
        return;
    model.MoveFigure(f, d);
    List->rows().FigureMoved(f, d);
    List->selectRow(d);
    if (tableShown())
        DrawTableView();
}

void TZolForm::ListEndDrag() { List->clearDropMarks(); }

} // namespace zol
