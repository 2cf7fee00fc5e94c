// Reordering the list by dragging rows with the mouse.
#include "EditorFixture.h"

#include <QApplication>
#include <QMouseEvent>

namespace zol::test {
namespace {

class ListDrag : public EditorFixture {
protected:
    QWidget* viewport() const { return List().viewport(); }
    void Send(QEvent::Type type, QPoint at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, viewport()->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(viewport(), &event);
    }
    // A point in the middle of `row`, or below the last row for the row count.
    QPoint RowPoint(int row) const { return List().rowRect(row).center(); }
    bool Marked(int row) const { return List().hasDropMark(row); }
    int TopRow() const { return List().topRow(); }
    // A point in the `visible`-th row shown, counting from the top row.
    static QPoint VisibleRow(int visible) { return {20, visible * FigureListBox::ItemHeight + 6}; }
    // Presses on `from`, moves beyond the drag threshold, then onto `to`.
    void DragOnto(int from, QPoint to)
    {
        Send(QEvent::MouseButtonPress, RowPoint(from));
        Send(QEvent::MouseMove, RowPoint(from) + QPoint(QApplication::startDragDistance() + 1, 0));
        Send(QEvent::MouseMove, to);
    }
};

struct DragCase {
    int from;
    int onto; // row under the pointer at the drop; 3 is below the last row
    QStringList rows;
    int selected;
};

void PrintTo(const DragCase& c, std::ostream* os) { *os << "row" << c.from << "_onto" << c.onto; }

class DragReorder : public ListDrag, public ::testing::WithParamInterface<DragCase> {};

// The dragged figure lands before the row it is dropped on.
TEST_P(DragReorder, PutsTheFigureBeforeTheRowItIsDroppedOn)
{
    const DragCase c = GetParam();
    AddFigures({"A", "B", "C"});
    form->editor().model.setModified(false);
    const Figure board = form->editor().model.GetCurrentFigure();
    const Figure guide = form->editor().guideFigure;
    const Figure dragged = form->editor().model.ParseFigure(c.from);

    DragOnto(c.from, RowPoint(c.onto));
    Send(QEvent::MouseButtonRelease, RowPoint(c.onto));

    EXPECT_EQ(Rows(), c.rows);
    EXPECT_EQ(ModelCaptions(), c.rows);
    EXPECT_EQ(SelectedRow(), c.selected);
    EXPECT_EQ(form->editor().model.ParseFigure(c.selected), dragged);
    EXPECT_EQ(form->editor().model.modified(), c.rows != QStringList({"A", "B", "C"}));
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
    EXPECT_FALSE(Marked(c.onto)) << "the mark goes with the drag";
    (void)guide;
}

INSTANTIATE_TEST_SUITE_P(Cases, DragReorder,
                         ::testing::Values(DragCase{0, 1, {"A", "B", "C"}, 0}, DragCase{0, 2, {"B", "A", "C"}, 1},
                                           DragCase{0, 3, {"B", "C", "A"}, 2}, DragCase{2, 0, {"C", "A", "B"}, 0},
                                           DragCase{2, 1, {"A", "C", "B"}, 1}, DragCase{1, 1, {"A", "B", "C"}, 1}),
                         PrintedName());

TEST_F(ListDrag, AClickWithoutMovingIsNoDrag)
{
    AddFigures({"A", "B", "C"});
    Send(QEvent::MouseButtonPress, RowPoint(0));
    Send(QEvent::MouseMove, RowPoint(0) + QPoint(1, 1));
    Send(QEvent::MouseButtonRelease, RowPoint(0) + QPoint(1, 1));
    EXPECT_FALSE(List().dragging());
    EXPECT_EQ(Rows(), QStringList({"A", "B", "C"}));
}

TEST_F(ListDrag, TheMarkFollowsThePointerButNeverSitsOnTheDraggedRow)
{
    AddFigures({"A", "B", "C"});
    DragOnto(0, RowPoint(2));
    EXPECT_TRUE(Marked(2));
    Send(QEvent::MouseMove, RowPoint(1));
    EXPECT_FALSE(Marked(2));
    EXPECT_TRUE(Marked(1));
    Send(QEvent::MouseMove, RowPoint(0));
    EXPECT_FALSE(Marked(1));
    EXPECT_FALSE(Marked(0));
    // Released outside the list: no drop, and the mark is gone.
    Send(QEvent::MouseMove, RowPoint(2));
    Send(QEvent::MouseButtonRelease, QPoint(-20, 5));
    EXPECT_EQ(Rows(), QStringList({"A", "B", "C"}));
    EXPECT_FALSE(Marked(2));
}

// A long list scrolls while the pointer is at its last full row, and back
// while it is at the top row.
TEST_F(ListDrag, ScrollsAtTheEdgesOfALongList)
{
    QStringList captions;
    for (int i = 0; i < 40; ++i)
        captions << QString::number(i);
    AddFigures(captions);
    ASSERT_EQ(TopRow(), 0);
    DragOnto(0, VisibleRow(28));
    EXPECT_EQ(TopRow(), 1);
    Send(QEvent::MouseMove, VisibleRow(28));
    Send(QEvent::MouseMove, VisibleRow(28));
    EXPECT_EQ(TopRow(), 3);
    Send(QEvent::MouseMove, VisibleRow(27));
    EXPECT_EQ(TopRow(), 3) << "no scrolling inside the list";
    Send(QEvent::MouseMove, VisibleRow(0));
    EXPECT_EQ(TopRow(), 2);
    // Dropped on the row now under the pointer: figure 0 moves before it.
    const int under = TopRow();
    Send(QEvent::MouseButtonRelease, VisibleRow(0));
    EXPECT_EQ(Rows()[under - 1], QStringLiteral("0"));
    EXPECT_EQ(SelectedRow(), under - 1);
}

} // namespace
} // namespace zol::test
