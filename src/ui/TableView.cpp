// The table view: the selected figure and its neighbours in the list as a
// 5 x 5 table of thumbnails with their numbers and captions, on the board.
#include "ui/ZolForm.h"

#include "ui/DisplayText.h"
#include "ui/FigureListBox.h"
#include "ui/Fonts.h"

#include <QAction>
#include <QPainter>

namespace zol {

namespace {

constexpr int CellPitch = 100; // thumbnails are 64 pixels, labels below them
constexpr int ClickBand = 106; // the board cut into five bands for clicks

QColor ColorOf(ColorRef ref) { return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF); }

} // namespace

void TZolForm::DrawTableView()
{
    const int s = List->selectedRow();
    if (s < 0) {
        // No figure to gather the table around: the board shows its own.
        editor_.DrawBoard();
        RepaintBoxes(Boxes::Board);
        return;
    }
    const int n = model.figureCount();
    const ColorRef bg = model.backgroundColor();
    const QColor background = bg == WorkspaceColor ? palette().color(QPalette::Window) : ColorOf(bg);
    QImage thumbnail(64, 64, QImage::Format_RGB32);
    {
        QPainter painter(&boardBitmap);
        painter.fillRect(0, 0, BoardSize, BoardSize, background);
        QFont font(GothicP);
        font.setPointSize(7);
        painter.setFont(font);
        painter.setPen(ColorOf(model.LabelColor()));
        // Labels are written on the background colour: a long caption ends
        // where the label of the next cell to the right begins.
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(background);
        const int ascent = painter.fontMetrics().ascent();
        for (int c = -2; c <= 2; ++c) {
            for (int r = -2; r <= 2; ++r) {
                const int i = s + 5 * r + c;
                if (i < 0 || i > n - 1)
                    continue;
                model.DrawFigure(i, 0.125, thumbnail, Background::Fill);
                const int x = CellPitch * c + 224;
                painter.drawImage(x, CellPitch * r + 216, thumbnail);
                painter.drawText(QPoint(x, CellPitch * r + 280 + ascent),
                                 QString::number(i + 1) + QStringLiteral("  ") + CaptionText(model, i));
            }
        }
    }
    RepaintBoxes(Boxes::Board);
}

void TZolForm::ToolButtonShowTableClick()
{
    if (tableShown()) {
        DrawTableView();
        return;
    }
    editor_.DrawBoard();
    RepaintBoxes(Boxes::Board);
}

void TZolForm::TableViewClick(QPoint at)
{
    const int i = List->selectedRow() + at.x() / ClickBand + 5 * (at.y() / ClickBand) - 12;
    if (i < 0 || i >= model.figureCount())
        return;
    model.LoadFigure(i);
    ReleaseShowTable();
    List->selectRow(i);
    ShowBoardAndGuide(UndoStep::Push);
}

} // namespace zol
