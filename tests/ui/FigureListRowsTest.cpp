// What the rows of the figure list tell their view when a command changes a
// long list: only the rows that changed, so nothing below them is read again.
#include "EditorFixture.h"

#include <QApplication>
#include <QMouseEvent>

namespace zol::test {
namespace {

class ListRows;

struct RowCase {
    const char* what;
    void (ListRows::*change)();
    QStringList told; // what the rows told their view, in order
    int selected;
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.what; }

// A list of a thousand figures with row 1 selected.
class ListRows : public EditorFixture, public ::testing::WithParamInterface<RowCase> {
public:
    void Insert() { Run("EditAdd"); }
    void Replace()
    {
        RightClickAddButton();
        Run("EditAdd");
    }
    void Append()
    {
        SelectRow(-1);
        Run("EditAdd");
    }
    void Delete() { Run("EditDelete"); }
    void Down() { Run("EditDown"); }
    void Up() { Run("EditUp"); }
    void DropRow1OnRow4() { Drop(1, 4); }
    void DropRow2OnRow0() { Drop(2, 0); }

protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        FillList(1000);
        ClickRow(1);
        const FigureListModel* rows = &List().rows();
        const auto range = [this](const char* what, int first, int last) {
            told << QStringLiteral("%1 %2..%3").arg(QLatin1String(what)).arg(first).arg(last);
        };
        QObject::connect(rows, &FigureListModel::dataChanged, &context,
                [=](const QModelIndex& a, const QModelIndex& b) { range("changed", a.row(), b.row()); });
        QObject::connect(rows, &FigureListModel::rowsInserted, &context,
                [=](const QModelIndex&, int first, int last) { range("inserted", first, last); });
        QObject::connect(rows, &FigureListModel::rowsRemoved, &context,
                [=](const QModelIndex&, int first, int last) { range("removed", first, last); });
        QObject::connect(rows, &FigureListModel::rowsMoved, &context,
                [this](const QModelIndex&, int first, int, const QModelIndex&, int before) {
                    told << QStringLiteral("moved %1 before %2").arg(first).arg(before);
                });
        QObject::connect(rows, &FigureListModel::modelReset, &context, [this] { told << QStringLiteral("reset"); });
    }
    // Drags row `from` with the mouse and drops it on row `onto`.
    void Drop(int from, int onto)
    {
        QWidget* viewport = List().viewport();
        const QPoint start = List().rowRect(from).center();
        const QPoint end = List().rowRect(onto).center();
        const auto send = [&](QEvent::Type type, QPoint at) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        };
        send(QEvent::MouseButtonPress, start);
        send(QEvent::MouseMove, start + QPoint(QApplication::startDragDistance() + 1, 0));
        send(QEvent::MouseMove, end);
        send(QEvent::MouseButtonRelease, end);
    }

    QObject context;
    QStringList told;
};

TEST_P(ListRows, TellTheViewOnlyTheRowsThatChanged)
{
    const RowCase c = GetParam();
    (this->*c.change)();
    EXPECT_EQ(told, c.told);
    EXPECT_EQ(SelectedRow(), c.selected);
    EXPECT_EQ(Rows(), ModelCaptions());
}

INSTANTIATE_TEST_SUITE_P(NearTheTop, ListRows,
                         ::testing::Values(RowCase{"InsertAt1", &ListRows::Insert, {"inserted 1..1"}, 1},
                                           RowCase{"ReplaceAt1", &ListRows::Replace, {"changed 1..1"}, 1},
                                           RowCase{"AppendAtEnd", &ListRows::Append, {"inserted 1000..1000"}, 0},
                                           RowCase{"DeleteAt1", &ListRows::Delete, {"removed 1..1"}, 1},
                                           RowCase{"Down", &ListRows::Down, {"changed 1..2"}, 2},
                                           RowCase{"Up", &ListRows::Up, {"changed 0..1"}, 0},
                                           RowCase{"DragDown", &ListRows::DropRow1OnRow4, {"moved 1 before 4"}, 3},
                                           RowCase{"DragUp", &ListRows::DropRow2OnRow0, {"moved 2 before 0"}, 0}),
                         PrintedName());

} // namespace
} // namespace zol::test
