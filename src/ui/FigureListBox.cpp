#include "ui/FigureListBox.h"

#include "ui/MousePoint.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace zol {

namespace {

// A row: its number in a muted colour, right-aligned to x = 24, then the
// caption from x = 26, both in the window text colours on the row's fill.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->fillRect(r, selected ? option.palette.brush(QPalette::Active, QPalette::Highlight)
                                      : option.palette.brush(QPalette::Base));
        painter->setFont(option.font);
        const QFontMetrics metrics(option.font);
        const int baseline = r.top() + metrics.ascent();
        const QString number = QString::number(index.row() + 1);
        painter->setPen(option.palette.color(QPalette::Disabled, QPalette::WindowText));
        painter->drawText(QPoint(r.left() + 24 - metrics.horizontalAdvance(number), baseline), number);
        painter->setPen(option.palette.color(QPalette::Active, QPalette::WindowText));
        painter->drawText(QPoint(r.left() + 26, baseline), index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), FigureListBox::ItemHeight};
    }
};

} // namespace

FigureListBox::FigureListBox(const TangramModel& model, QWidget* parent) : QListView(parent), rows_(model)
{
    setModel(&rows_);
    setItemDelegate(new RowDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setTextElideMode(Qt::ElideNone);
    dragRepeat_.setInterval(100);
    connect(&dragRepeat_, &QTimer::timeout, this, [this] {
        if (dragging_)
            emit dragMoved(lastDragPoint_);
    });
}

int FigureListBox::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void FigureListBox::selectRow(int row)
{
    if (row < 0 || row >= rowCount()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(rows_.index(row), QItemSelectionModel::ClearAndSelect);
}

QString FigureListBox::rowText(int row) const { return rows_.index(row).data().toString(); }

int FigureListBox::topRow() const { return verticalScrollBar()->value(); }

void FigureListBox::setTopRow(int row) { verticalScrollBar()->setValue(row); }

int FigureListBox::rowAt(QPoint point) const
{
    if (!viewport()->rect().contains(point))
        return -1;
    return std::min(topRow() + point.y() / ItemHeight, rowCount());
}

QRect FigureListBox::rowRect(int row) const
{
    return {0, (row - topRow()) * ItemHeight, viewport()->width(), ItemHeight};
}

void FigureListBox::toggleDropMark(int row)
{
    if (!marks_.erase(row))
        marks_.insert(row);
    viewport()->update(rowRect(row));
}

void FigureListBox::clearDropMarks()
{
    marks_.clear();
    viewport()->update();
}

void FigureListBox::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = MousePoint(event);
    const int row = rowAt(at);
    if (row < 0 || row >= rowCount())
        return;
    selectRow(row);
    emit rowClicked();
    armed_ = true;
    pressPoint_ = at;
    emit rowPressed();
}

void FigureListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int row = rowAt(MousePoint(event));
    if (row >= 0 && row < rowCount())
        emit rowDoubleClicked();
}

void FigureListBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = MousePoint(event);
    if (armed_ && !dragging_ && (at - pressPoint_).manhattanLength() >= QApplication::startDragDistance()) {
        dragging_ = true;
        dragRepeat_.start();
    }
    if (!dragging_)
        return;
    lastDragPoint_ = at;
    emit dragMoved(at);
}

void FigureListBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    armed_ = false;
    if (!dragging_)
        return;
    const QPoint at = MousePoint(event);
    if (rowAt(at) >= 0)
        emit dropped(at);
    endDrag();
}

void FigureListBox::endDrag()
{
    dragging_ = false;
    armed_ = false;
    dragRepeat_.stop();
    emit dragFinished();
}

void FigureListBox::keyPressEvent(QKeyEvent* event)
{
    if (dragging_ && event->key() == Qt::Key_Escape) {
        endDrag();
        return;
    }
    const int before = selectedRow();
    QListView::keyPressEvent(event);
    if (selectedRow() != before && selectedRow() >= 0)
        emit rowClicked();
}

QItemSelectionModel::SelectionFlags FigureListBox::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const
{
    // The list always keeps its one selected row: keys move it, but Ctrl+Space
    // would toggle it off and leave the commands that need it without one.
    const QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
    return command.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate : command;
}

void FigureListBox::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    if (marks_.empty())
        return;
    QPainter painter(viewport());
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (int row : marks_)
        painter.drawRect(rowRect(row).adjusted(0, 0, -1, -1));
}

} // namespace zol
