#include "ui/TableView.h"

#include "model/ColourValue.h"
#include "model/TangramModel.h"
#include "ui/DisplayText.h"
#include "ui/Fonts.h"

#include <QPainter>

namespace zol {

namespace {

constexpr int CellPitch = 100; // thumbnails are 64 pixels, labels below them
constexpr int ClickBand = 106; // the board cut into five bands for clicks

} // namespace

void DrawTableView(TangramModel& model, int selected, QImage& board)
{
    const int n = model.figureCount();
    const QColor background = ToQColor(model.drawnBackground());
    QImage thumbnail(64, 64, QImage::Format_RGB32);
    QPainter painter(&board);
    painter.fillRect(0, 0, BoardSize, BoardSize, background);
    QFont font(GothicP);
    font.setPointSize(7);
    painter.setFont(font);
    painter.setPen(ToQColor(model.LabelColor()));
    // Labels are written on the background colour: a long caption ends
    // where the label of the next cell to the right begins.
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(background);
    const int ascent = painter.fontMetrics().ascent();
    for (int c = -2; c <= 2; ++c) {
        for (int r = -2; r <= 2; ++r) {
            const int i = selected + 5 * r + c;
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

// The board is cut into five bands of 106 pixels each way, the centre band
// being the selected figure.
int TableCellFigure(int selected, QPoint at) { return selected + at.x() / ClickBand + 5 * (at.y() / ClickBand) - 12; }

} // namespace zol
