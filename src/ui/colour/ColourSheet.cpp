#include "ui/colour/ColourSheet.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace zol {

ColourSheet::ColourSheet(QWidget* dialog) : QWidget(dialog)
{
    setObjectName("Shape1");
    setGeometry(0, 0, dialog->width(), dialog->height());
    lower();
}

void ColourSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(QRect(0, 24, width(), height() - 24), Qt::black); // Shape1, below the title panel
    // Shape2: the page, 7 pixels short of the right and bottom edges, in
    // the base colour as the other tool windows' sheets.
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(0, 16, 313 - 1, 385 - 1);
    // Bevel1: a lowered box.
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(8, 31, 297, 362);
    frame.lineWidth = 1;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
}

} // namespace zol
