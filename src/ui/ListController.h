#pragma once
// The figure list's side of the editor as its own object: choosing a row,
// adding, deleting and moving figures, taking one onto the board, dragging a
// row to another place, and the table view of the selected figure's
// neighbours on the board. The window feeds it the list box's events and
// shows what it reports; it works on the editor alone.

#include <QPoint>

namespace zol {

class Editor;
class FigureListModel;

// What the list controller needs from the window that shows the list.
class ListView {
public:
    virtual ~ListView() = default;
    // The rows shown, to be told what became of the model's list.
    virtual FigureListModel& Rows() = 0;
    // The list shows `row` as the selected one (-1: none) and scrolls it into view.
    virtual void ShowSelectedRow(int row) = 0;
    // While a row is dragged: the row under a point of the list (the row
    // count below the last row, -1 outside the list), the first row shown,
    // and the drop mark, which a second toggle takes away again.
    virtual int RowAt(QPoint point) const = 0;
    virtual int TopRow() const = 0;
    virtual void SetTopRow(int row) = 0;
    virtual void ToggleDropMark(int row) = 0;
    virtual void ClearDropMarks() = 0;
    // The board or the guide bitmap changed.
    virtual void RepaintBoard() = 0;
    virtual void RepaintGuide() = 0;
    // The board figure's caption, or the number of figures, changed.
    virtual void ShowCaption() = 0;
    virtual void ShowFigureCount() = 0;
    // A puzzle being played ends, the board from before it back.
    virtual void LeavePuzzle() = 0;
};

class ListController {
public:
    // Both are lent and outlive the controller.
    ListController(Editor& editor, ListView& view);

    // --- the rows after the model's list was replaced or extended ------------
    // No rows, no selected row: the list is about to be replaced.
    void RowsCleared();
    // Figures first..first + count - 1 are read again; those past the last
    // row become new rows.
    void RowsRead(int first, int count);
    // Selects `row` (-1: none) as the program does.
    void Select(int row);

    // --- the list box's events -----------------------------------------------
    // The user selected another row (-1: none).
    void SelectionChanged(int row);
    // A row was clicked or reached with the keys: the guide shows its figure.
    void RowClicked();
    // A drag of the selected row starts, goes over a point of the list, is
    // dropped on the marked row, or ends either way.
    void DragStarted();
    void DragMoved(QPoint point);
    void Dropped();
    void DragEnded();

    // --- commands ----------------------------------------------------------------
    // The board figure into the list: appended without a selected row, else
    // before the selected one or in its place, as the add mode says.
    void Add();
    void ToggleAddMode();
    void Delete();
    void MoveDown();
    void MoveUp();
    // The selected figure onto the board.
    void TakeOntoBoard();

    // --- the table view -----------------------------------------------------
    void ToggleTable();
    void HideTable();
    // A click on the board while the table view shows: the figure of the
    // cell goes onto the board.
    void TableClicked(QPoint at);
    // The table view while it is shown, else the board's figure.
    void RedrawBoard();

private:
    void MoveSelectedBy(int step);
    // The selected figure now stands at `row`.
    void FollowMovedFigure(int row);
    void DrawTableView();

    Editor& editor_;
    ListView& view_;
    // While a row is dragged: the row the drop mark is on, or the dragged one.
    int markedRow_ = -1;
};

} // namespace zol
