// Sorting the list by caption and by nuance. The order is the export layer's;
// the window shows the gauge, keeps the selection on its figure and shows the
// board and guide as they were.
#include "ui/ZolForm.h"

#include "export/FigureSort.h"

namespace zol {

void TZolForm::ShowSortedList(const SortResult& sorted)
{
    list_.RowsRead(0, model.figureCount());
    list_.Select(sorted.selected);
    RedrawGuideAndBoard();
}

void TZolForm::OptSSortExecute()
{
    if (model.figureCount() < 2)
        return;
    ShowSortedList(SortByCaption(model, editor_.view.selectedRow, progress()));
}

void TZolForm::OptNSortExecute(int level)
{
    if (model.figureCount() < 2)
        return;
    ShowSortedList(SortByNuance(model, level, editor_.view.selectedRow, progress()));
}

} // namespace zol
