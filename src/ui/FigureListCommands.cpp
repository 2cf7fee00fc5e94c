// The figure list's commands and events, handed to the list controller.
#include "ui/ZolForm.h"

#include "ui/FigureListBox.h"
#include "ui/ImageList.h"

namespace zol {

void TZolForm::RefreshListRows(int first, int count) { list_.RowsRead(first, count); }

int TZolForm::addModeImage() const
{
    return editor_.view.addMode == AddMode::Replace ? Image::AddReplace : Image::AddInsert;
}

void TZolForm::ListClick() { list_.RowClicked(); }
void TZolForm::EditGoEditExecute() { list_.TakeOntoBoard(); }
void TZolForm::ToolButtonAddMouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        list_.ToggleAddMode();
}
void TZolForm::EditAddExecute() { list_.Add(); }
void TZolForm::EditDeleteExecute() { list_.Delete(); }
void TZolForm::EditDownExecute() { list_.MoveDown(); }
void TZolForm::EditUpExecute() { list_.MoveUp(); }
void TZolForm::ListMouseDown() { list_.DragStarted(); }
void TZolForm::ListDragOver(QPoint point) { list_.DragMoved(point); }
void TZolForm::ListDragDrop(QPoint) { list_.Dropped(); }
void TZolForm::ListEndDrag() { list_.DragEnded(); }
void TZolForm::ToolButtonShowTableClick() { list_.ToggleTable(); }

// The list box, as the list controller sees it.
FigureListModel& TZolForm::Rows() { return List->rows(); }
void TZolForm::ShowSelectedRow(int row) { List->selectRow(row); }
int TZolForm::RowAt(QPoint point) const { return List->rowAt(point); }
int TZolForm::TopRow() const { return List->topRow(); }
void TZolForm::SetTopRow(int row) { List->setTopRow(row); }
void TZolForm::ToggleDropMark(int row) { List->toggleDropMark(row); }
void TZolForm::ClearDropMarks() { List->clearDropMarks(); }

} // namespace zol
