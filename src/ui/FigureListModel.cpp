#include "ui/FigureListModel.h"

#include <algorithm>

namespace zol {

FigureListModel::FigureListModel(const TangramModel& model, QObject* parent)
    : QAbstractListModel(parent), model_(model), rows_(model.figureCount())
{
}

int FigureListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant FigureListModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    if (role != Qt::DisplayRole || !index.isValid() || row >= rows_ || row >= model_.figureCount())
        return {};
    return decoder_.Decode(model_.GetFigureCaption(row), model_.documentEncoding());
}

void FigureListModel::RefreshRows(int first, int count)
{
    const int last = std::min(first + count, model_.figureCount()) - 1;
    if (first < 0 || last < first)
        return;
    if (first < rows_)
        emit dataChanged(index(first), index(std::min(last, rows_ - 1)));
    if (last >= rows_)
        FiguresInserted(rows_, last + 1 - rows_);
}

void FigureListModel::FiguresInserted(int first, int count)
{
    if (count < 1 || first < 0 || first > rows_)
        return;
    beginInsertRows({}, first, first + count - 1);
    rows_ += count;
    endInsertRows();
}

void FigureListModel::FiguresRemoved(int first, int count)
{
    if (count < 1 || first < 0 || first + count > rows_)
        return;
    beginRemoveRows({}, first, first + count - 1);
    rows_ -= count;
    endRemoveRows();
}

void FigureListModel::FigureMoved(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= rows_ || to >= rows_)
        return;
    // Qt names the row the moved one goes before, counted before the move.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    endMoveRows();
}

void FigureListModel::Clear()
{
    beginResetModel();
    rows_ = 0;
    endResetModel();
}

} // namespace zol
