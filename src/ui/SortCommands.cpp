// Sorting the list by caption and by nuance. The order is the export layer's;
// the window shows the gauge, keeps the selection on its figure and shows the
// board and guide as they were.
#include "ui/ZolForm.h"

#include "export/FigureSort.h"

namespace zol {

void TZolForm::ShowSortedList(const SortResult& sorted)
{
    list_.RowsRead(0, editor_.model.figureCount());
    list_.Select(sorted.selected);
    RedrawGuideAndBoard();
}

void TZolForm::OptSSortExecute()
{
    if (editor_.model.figureCount() < 2)
        return;
    ShowSortedList(SortByCaption(editor_.model, editor_.view.selectedRow, progress()));
}

void TZolForm::OptNSortExecute(int level)
{
    if (editor_.model.figureCount() < 2)
        return;
    ShowSortedList(SortByNuance(editor_.model, level, editor_.view.selectedRow, progress()));
}

} // namespace zol
