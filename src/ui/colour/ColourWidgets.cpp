#include "ui/colour/ColourWidgets.h"

#include "model/TangramModel.h"

#include <QMouseEvent>

namespace zol {

QColor ScreenColour(uint32_t c, const QWidget& widget)
{
    if (c == WorkspaceColor)
        return widget.palette().color(QPalette::Window);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

uint32_t ColourValueOf(QRgb rgb) { return qRed(rgb) + 256u * qGreen(rgb) + 65536u * qBlue(rgb); }

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace zol
