#pragma once
// The rows of the figure list over the model's figure lines: one row per
// figure, its caption decoded only when the row is shown. The model's list is
// changed by the commands; they then tell the rows what changed, so that a
// view reads only those rows again and its selection follows moved rows.
// Until told, the rows keep the count the view knows.

#include "io/TextDecoder.h"
#include "model/TangramModel.h"

#include <QAbstractListModel>

namespace zol {

class FigureListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FigureListModel(const TangramModel& model, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // What the model's list went through since the rows last heard of it.
    // Rows first..first + count - 1 read their figures again; those past the
    // last row are new rows at the end.
    void RefreshRows(int first, int count);
    void FiguresInserted(int first, int count);
    void FiguresRemoved(int first, int count);
    // The figure at `from` now stands at `to`; the figures between moved up
    // or down by one.
    void FigureMoved(int from, int to);
    // No rows at all, whatever the model holds (its list is being replaced).
    void Clear();

private:
    const TangramModel& model_;
    mutable TextDecoder decoder_;
    int rows_ = 0;
};

} // namespace zol
