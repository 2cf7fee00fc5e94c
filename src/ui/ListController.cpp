// The figure list's commands and events, on the editor.
#include "ui/ListController.h"

#include "model/CommaList.h"
#include "ui/Editor.h"
#include "ui/FigureListModel.h"
#include "ui/TableView.h"

#include <algorithm>

namespace zol {

namespace {

// Rows the fixed-height list shows in full, less one: a drag target this far
// below the top row scrolls the list.
constexpr int ScrollDownDistance = 28;

} // namespace

ListController::ListController(Editor& editor, ListView& view) : editor_(editor), view_(view) {}

void ListController::RowsCleared()
{
    view_.Rows().Clear();
    Select(-1);
}

void ListController::RowsRead(int first, int count) { view_.Rows().RefreshRows(first, count); }

void ListController::Select(int row)
{
    view_.ShowSelectedRow(row);
    SelectionChanged(row);
}

void ListController::SelectionChanged(int row)
{
    editor_.view.selectedRow = row;
    // The table view gathers its cells around the selected row: without one
    // the board shows its own figure again.
    if (row < 0 && editor_.view.tableShown) {
        editor_.view.tableShown = false;
        RedrawBoard();
    }
}

void ListController::RowClicked()
{
    const int s = editor_.view.selectedRow;
    // A puzzle's guide keeps showing the silhouette being played.
    if (s < 0 || editor_.inPuzzle())
        return;
    editor_.ShowListFigureInGuide(s);
    view_.RepaintGuide();
    RedrawBoard();
}

void ListController::TakeOntoBoard()
{
    const int s = editor_.view.selectedRow;
    if (editor_.model.figureCount() < 1 || s < 0)
        return;
    HideTable();
    editor_.model.LoadFigure(s);
    editor_.DrawBoard();
    view_.ShowCaption();
    view_.RepaintBoard();
    editor_.PushUndo();
}

void ListController::ToggleAddMode()
{
    AddMode& mode = editor_.view.addMode;
    mode = mode == AddMode::Insert ? AddMode::Replace : AddMode::Insert;
}

void ListController::Add()
{
    TangramModel& model = editor_.model;
    const int n = model.figureCount();
    const int s = editor_.view.selectedRow;
    const bool replace = s >= 0 && editor_.view.addMode == AddMode::Replace;
    // The figure to be replaced must be readable before anything changes,
    // or the rows would no longer match the list.
    if (replace)
        model.ParseFigure(s);
    model.StoreFigure(s);
    if (s == -1) {
        view_.Rows().FiguresInserted(n, 1);
        Select(0);
    } else if (!replace) {
        view_.Rows().FiguresInserted(s, 1);
        Select(s);
    } else {
        // The replaced figure goes into the undo history in place of the
        // newest entry, so one Undo brings its arrangement back.
        const Figure added = model.GetCurrentFigure();
        model.LoadFigure(s + 1);
        model.RemoveFigure(s + 1);
        editor_.ReplaceUndoTop();
        model.SetCurrentFigure(added);
        editor_.PushUndo();
        RowsRead(s, 1);
    }
    view_.ShowFigureCount();
    editor_.RenderBoardAndGuide();
    if (editor_.view.tableShown)
        DrawTableView();
    else
        view_.RepaintBoard();
    view_.RepaintGuide();
    editor_.TakeGuideSnapshot();
}

void ListController::Delete()
{
    TangramModel& model = editor_.model;
    const int s = editor_.view.selectedRow;
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
    view_.Rows().FiguresRemoved(s, 1);
    editor_.undo().ReplaceTop(deleted);
    const int m = model.figureCount();
    view_.ShowFigureCount();
    model.SetCurrentFigure(board);
    if (m < 1) {
        editor_.RenderBoardAndGuide();
        editor_.TakeGuideSnapshot();
        Select(-1);
    } else {
        const int t = s > m - 1 ? s - 1 : s;
        Select(t);
        editor_.ShowListFigureInGuide(t);
        RedrawBoard();
    }
    view_.RepaintGuide();
    editor_.PushUndo();
}

void ListController::MoveDown() { MoveSelectedBy(1); }

void ListController::MoveUp() { MoveSelectedBy(-1); }

void ListController::MoveSelectedBy(int step)
{
    const int s = editor_.view.selectedRow;
    const int t = s + step;
    const int n = editor_.model.figureCount();
    if (s < 0 || s >= n || t < 0 || t >= n)
        return;
    editor_.model.MoveFigure(s, t);
    RowsRead(std::min(s, t), 2);
    FollowMovedFigure(t);
}

void ListController::FollowMovedFigure(int row)
{
    Select(row);
    if (editor_.view.tableShown)
        DrawTableView();
}

void ListController::DragStarted() { markedRow_ = editor_.view.selectedRow; }

void ListController::DragMoved(QPoint point)
{
    int target = view_.RowAt(point);
    if (view_.TopRow() == target && target > 0) {
        view_.SetTopRow(view_.TopRow() - 1);
        --target;
    }
    if (target - view_.TopRow() >= ScrollDownDistance && editor_.model.figureCount() > target) {
        view_.SetTopRow(view_.TopRow() + 1);
        target = view_.TopRow() + ScrollDownDistance;
    }
    if (target == markedRow_ || target == -1)
        return;
    // The selected row (the dragged one) never carries the mark.
    const int selected = editor_.view.selectedRow;
    if (markedRow_ != selected)
        view_.ToggleDropMark(markedRow_);
    if (target != selected)
        view_.ToggleDropMark(target);
    markedRow_ = target;
}

// The dragged figure lands before the marked row, or at the end when the
// mark is below the last row.
void ListController::Dropped()
{
    const int f = editor_.view.selectedRow;
    const int m = markedRow_;
    if (f < 0 || m < 0)
        return;
    const int d = f < m ? m - 1 : m;
    if (d == f)
        return;
    view_.LeavePuzzle(); // the list changes: a puzzle being played ends first
    editor_.model.MoveFigure(f, d);
    view_.Rows().FigureMoved(f, d);
    FollowMovedFigure(d);
}

void ListController::DragEnded() { view_.ClearDropMarks(); }

void ListController::ToggleTable()
{
    editor_.view.tableShown = !editor_.view.tableShown && editor_.view.selectedRow >= 0;
    RedrawBoard();
}

void ListController::HideTable() { editor_.view.tableShown = false; }

void ListController::TableClicked(QPoint at)
{
    const int i = TableCellFigure(editor_.view.selectedRow, at);
    if (i < 0 || i >= editor_.model.figureCount())
        return;
    editor_.model.LoadFigure(i);
    HideTable();
    Select(i);
    editor_.RenderNewBoardFigure(UndoStep::Push);
    view_.ShowCaption();
    view_.RepaintBoard();
    view_.RepaintGuide();
}

void ListController::RedrawBoard()
{
    if (editor_.view.tableShown) {
        DrawTableView();
        return;
    }
    editor_.DrawBoard();
    view_.RepaintBoard();
}

void ListController::DrawTableView()
{
    const int s = editor_.view.selectedRow;
    if (s < 0) // no figure to gather the table around: the board shows its own
        editor_.DrawBoard();
    else
        zol::DrawTableView(editor_.model, s, editor_.boardBitmap);
    view_.RepaintBoard();
}

} // namespace zol
