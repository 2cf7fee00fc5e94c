#pragma once
// The list of figure captions at the left of the window: one row per figure
// of the model, each drawn as its number and its caption. Rows are reordered
// by dragging: the box tracks the drag and shows the drop mark; what the drop
// means is up to the window.

#include "ui/FigureListModel.h"

#include <QListView>
#include <QTimer>

#include <set>

namespace zol {

class FigureListBox : public QListView {
    Q_OBJECT
public:
    static constexpr int ItemHeight = 12;

    FigureListBox(const TangramModel& model, QWidget* parent);

    // The rows, to be told what changed in the model's list.
    FigureListModel& rows() { return rows_; }
    int rowCount() const { return rows_.rowCount(); }
    int selectedRow() const;
    // Selects `row` (-1: none) and scrolls it into view; this is no click.
    void selectRow(int row);
    QString rowText(int row) const;

    int topRow() const;
    void setTopRow(int row);
    // The row under a point of the list's client area: the row count below the
    // last row, -1 outside the client area.
    int rowAt(QPoint point) const;
    // Where `row` is, or would be, in the client area.
    QRect rowRect(int row) const;

    // The drop mark inverts a dotted frame around a row; marking a row twice
    // removes the mark again.
    void toggleDropMark(int row);
    void clearDropMarks();
    bool hasDropMark(int row) const { return marks_.count(row) > 0; }
    bool dragging() const { return dragging_; }

signals:
    // The user clicked a row, or moved the selection with the keyboard.
    void rowClicked();
    // Left button down over a row (after rowClicked): a drag may follow.
    void rowPressed();
    void rowDoubleClicked();
    // A drag is under way; points are in the client area. While the pointer
    // rests, the move repeats so that the list keeps scrolling at its edges.
    void dragMoved(QPoint point);
    void dropped(QPoint point);
    void dragFinished();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void endDrag();

    FigureListModel rows_;

    bool armed_ = false;
    bool dragging_ = false;
    QPoint pressPoint_;
    QPoint lastDragPoint_;
    QTimer dragRepeat_;
    std::set<int> marks_;
};

} // namespace zol
