// Sorting the list by caption and by nuance. The order is the export layer's;
// the window shows the gauge, keeps the selection on its figure and shows the
// board and guide as they were.
#include "ui/ZolForm.h"

#include "export/FigureSort.h"
#include "ui/FigureListBox.h"

namespace zol {

namespace {

void ShowSortedList(TZolForm& form, const SortResult& sorted)
{
    form.RefreshListRows(0, form.editor().model.figureCount());
    form.List->selectRow(sorted.selected);
    form.RedrawGuide();
    form.RedrawBoard();
}

} // namespace

void TZolForm::OptSSortExecute()
{
    if (model.figureCount() < 2)
        return;
    ShowSortedList(*this, SortByCaption(model, List->selectedRow(), progress()));
}

void TZolForm::OptNSortExecute(int level)
{
    if (model.figureCount() < 2)
        return;
    ShowSortedList(*this, SortByNuance(model, level, List->selectedRow(), progress()));
}

} // namespace zol
