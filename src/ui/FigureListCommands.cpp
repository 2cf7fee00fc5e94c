// The figure list: rows, showing a figure in the guide, taking it onto the
// board, adding (insert or replace), deleting and moving figures.
#include "ui/ZolForm.h"

#include "model/CommaList.h"
#include "ui/FigureListBox.h"
#include "ui/ImageList.h"

#include <QAction>

namespace zol {

void TZolForm::RefreshListRows(int first, int count) { List->rows().RefreshRows(first, count); }

void TZolForm::ShowListFigureInGuide(int i)
{
    model.RenderBoard(i, boardBitmap, guideBitmap, antialias());
    guideFigure = model.ParseFigure(i);
}

void TZolForm::ListClick()
{
    const int s = List->selectedRow();
    if (s < 0)
        return;
    ShowListFigureInGuide(s);
    RepaintBoxes(Boxes::Guide);
    RedrawBoard();
}

void TZolForm::EditGoEditExecute()
{
    const int s = List->selectedRow();
    if (model.figureCount() < 1 || s < 0)
        return;
    ReleaseShowTable();
    model.LoadFigure(s);
    editor_.DrawBoard();
    ShowCaption();
    RepaintBoxes(Boxes::Board);
    editor_.PushUndo();
}

void TZolForm::SetAddModeImage(int image)
{
    addModeImage_ = image;
    EditAdd->setIcon(ImageListIcon(image)); // the tool button and the menu item alike
}

void TZolForm::ToolButtonAddMouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        SetAddModeImage(addModeImage_ == Image::AddInsert ? Image::AddReplace : Image::AddInsert);
}

void TZolForm::EditAddExecute()
{
    const int n = model.figureCount();
    const int s = List->selectedRow();
    const bool replace = s >= 0 && addModeImage_ == Image::AddReplace;
    // The figure to be replaced must be readable before anything changes,
    // or the rows would no longer match the list.
    if (replace)
        model.ParseFigure(s);
    model.StoreFigure(s);
    if (s == -1) {
        List->rows().FiguresInserted(n, 1);
        List->selectRow(0);
    } else if (!replace) {
        List->rows().FiguresInserted(s, 1);
        List->selectRow(s);
    } else {
        // The replaced figure goes into the undo history in place of the
        // newest entry, so one Undo brings its arrangement back.
        const Figure added = model.GetCurrentFigure();
        model.LoadFigure(s + 1);
        model.RemoveFigure(s + 1);
        editor_.ReplaceUndoTop();
        model.SetCurrentFigure(added);
        editor_.PushUndo();
        RefreshListRows(s, 1);
    }
    UpdateStatusBar();
    editor_.RenderBoardAndGuide(antialias());
    if (tableShown())
        DrawTableView();
    RepaintBoxes(tableShown() ? Boxes::Guide : Boxes::Both);
    editor_.TakeGuideSnapshot();
}

void TZolForm::EditDeleteExecute()
{
    const int s = List->selectedRow();
    if (model.figureCount() < 1 || s < 0)
        return;
    const Figure board = model.GetCurrentFigure();
    // The deleted figure becomes the newest undo entry, so one Undo puts it
    // back on the board. A figure whose placements cannot be read can still
    // be deleted; its entry is then the board figure itself.
    Figure deleted = board;
    try {
        deleted = model.ParseFigure(s);
    } catch (const ConversionError&) {
    }
    model.RemoveFigure(s);
    List->rows().FiguresRemoved(s, 1);
    editor_.undo().ReplaceTop(deleted);
    const int m = model.figureCount();
    UpdateStatusBar();
    model.SetCurrentFigure(board);
    if (m < 1) {
        editor_.RenderBoardAndGuide(antialias());
        editor_.TakeGuideSnapshot();
        if (tableShown()) {
            ReleaseShowTable();
            RepaintBoxes(Boxes::Board);
        }
    } else {
        const int t = s > m - 1 ? s - 1 : s;
        List->selectRow(t);
        ShowListFigureInGuide(t);
        RedrawBoard();
    }
    RepaintBoxes(Boxes::Guide);
    editor_.PushUndo();
}

void TZolForm::EditDownExecute()
{
    const int s = List->selectedRow();
    if (s < 0 || s + 1 >= model.figureCount())
        return;
    model.MoveFigure(s, s + 1);
    RefreshListRows(s, 2);
    List->selectRow(s + 1);
    if (tableShown())
        DrawTableView();
}

void TZolForm::EditUpExecute()
{
    const int s = List->selectedRow();
    if (s < 1 || s >= model.figureCount())
        return;
    model.MoveFigure(s, s - 1);
    RefreshListRows(s - 1, 2);
    List->selectRow(s - 1);
    if (tableShown())
        DrawTableView();
}

} // namespace zol
