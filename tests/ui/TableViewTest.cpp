// The table of thumbnails around the selected figure, and clicks on it.
#include "EditorFixture.h"

#include <QLineEdit>

namespace zol::test {
namespace {

class TableView : public EditorFixture {
protected:
    QImage Thumbnail(int index)
    {
        QImage image(64, 64, QImage::Format_RGB32);
        form->editor().model.DrawFigure(index, 0.125, image, Background::Fill);
        return image;
    }
    QImage Cell(int column, int row) const
    {
        return form->editor().boardBitmap.copy(100 * column + 224, 100 * row + 216, 64, 64);
    }
    // Nothing but the (black) background in this part of the board.
    bool Blank(const QRect& area) const
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (form->editor().boardBitmap.pixel(x, y) != qRgb(0, 0, 0))
                    return false;
        return true;
    }
    bool Blank(int column, int row) const { return Blank(QRect(100 * column + 224, 100 * row + 216, 64, 64)); }
    void ShowTable(int selected)
    {
        ShowTableOf(selected);
        ASSERT_TRUE(TableShown());
    }
};

TEST_F(TableView, ShowsTheNeighboursOfTheSelectedFigureInReadingOrder)
{
    QStringList captions;
    for (int i = 0; i < 13; ++i)
        captions << QStringLiteral("f%1").arg(i);
    AddFigures(captions);
    ShowTable(6);
    // Figure 6 in the centre; figure s + 5r + c in column c, row r.
    EXPECT_EQ(Cell(0, 0), Thumbnail(6));
    EXPECT_EQ(Cell(1, 0), Thumbnail(7));
    EXPECT_EQ(Cell(-1, -1), Thumbnail(0));
    EXPECT_EQ(Cell(1, 1), Thumbnail(12));
    EXPECT_TRUE(Blank(2, 1)) << "figure 13 does not exist";
    EXPECT_TRUE(Blank(-2, -1)) << "figure -1 does not exist";
    // The label below a cell is drawn: its band is no longer plain background.
    EXPECT_FALSE(Blank(QRect(224, 281, 60, 10)));
    EXPECT_TRUE(Blank(QRect(224 + 200, 281 + 100, 60, 10))) << "no label without a figure";
}

TEST_F(TableView, OfTheFirstFigureLeavesTheCellsBeforeItEmpty)
{
    AddFigures({"A", "B"});
    ShowTable(0);
    for (int c = -2; c <= 2; ++c)
        for (int r = -2; r <= 0; ++r) {
            if (r == 0 && c >= 0)
                continue;
            EXPECT_TRUE(Blank(c, r)) << c << "," << r;
        }
    EXPECT_EQ(Cell(0, 0), Thumbnail(0));
    EXPECT_EQ(Cell(1, 0), Thumbnail(1));
}

TEST_F(TableView, TurningItOffShowsTheBoardFigureAgain)
{
    AddFigures({"A"});
    ShowTable(0);
    Run("ToolButtonShowTable");
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
}

struct ClickCase {
    int selected;
    QPoint at;
    int figure; // -1: nothing happens
};

void PrintTo(const ClickCase& c, std::ostream* os)
{
    *os << "selected" << c.selected << "_at" << c.at.x() << "_" << c.at.y();
}

class TableClick : public TableView, public ::testing::WithParamInterface<ClickCase> {};

// The board is cut into five bands of 106 pixels each way, the centre band
// being the selected figure.
TEST_P(TableClick, TakesTheFigureInTheClickedCellOntoTheBoard)
{
    const ClickCase c = GetParam();
    QStringList captions;
    for (int i = 0; i < 13; ++i)
        captions << QStringLiteral("f%1").arg(i);
    AddFigures(captions);
    ShowTable(c.selected);
    const Figure board = form->editor().model.GetCurrentFigure();
    const int entries = form->editor().undoRing().undoCount();
    ClickBoard(c.at);
    if (c.figure < 0) {
        EXPECT_TRUE(TableShown());
        EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
        EXPECT_EQ(form->editor().undoRing().undoCount(), entries);
        return;
    }
    const Figure f = form->editor().model.ParseFigure(c.figure);
    EXPECT_FALSE(TableShown());
    EXPECT_EQ(SelectedRow(), c.figure);
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), f);
    EXPECT_EQ(CaptionShown(), QStringLiteral("f%1").arg(c.figure));
    EXPECT_EQ(form->editor().guideFigure, f);
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
    EXPECT_EQ(form->editor().undoRing().undoCount(), entries + 1);
    EXPECT_EQ(form->board().mode, BoardMode::Idle);
}

INSTANTIATE_TEST_SUITE_P(Cases, TableClick,
                         ::testing::Values(ClickCase{5, {300, 300}, 5}, ClickCase{12, {0, 0}, 0},
                                           ClickCase{6, {320, 230}, 7}, ClickCase{6, {511, 300}, 8},
                                           ClickCase{0, {0, 0}, -1}, ClickCase{12, {511, 300}, -1}),
                         PrintedName());

} // namespace
} // namespace zol::test
