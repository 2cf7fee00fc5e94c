// The list box, as the list controller sees it.
#include "ui/ZolForm.h"

#include "ui/FigureListBox.h"

namespace zol {

FigureListModel& TZolForm::Rows() { return List->rows(); }

void TZolForm::ShowSelectedRow(int row) { List->selectRow(row); }

int TZolForm::RowAt(QPoint point) const { return List->rowAt(point); }

int TZolForm::TopRow() const { return List->topRow(); }

void TZolForm::SetTopRow(int row) { List->setTopRow(row); }

void TZolForm::ToggleDropMark(int row) { List->toggleDropMark(row); }

void TZolForm::ClearDropMarks() { List->clearDropMarks(); }

} // namespace zol
