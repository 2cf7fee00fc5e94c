#include "ui/ShapeWidget.h"

#include <QPainter>

#include <algorithm>

namespace zol {

ShapeWidget::ShapeWidget(QSize size, bool rounded, QWidget* parent) : QWidget(parent), rounded_(rounded)
{
    setFixedSize(size);
}

void ShapeWidget::setPenColor(const QColor& c)
{
    pen_ = c;
    update();
}

void ShapeWidget::setBrushColor(const QColor& c)
{
    brush_ = c;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(pen_);
    painter.setBrush(brush_);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (rounded_) {
        // Corner ellipses a quarter of the shorter side across.
        const qreal corner = std::min(width(), height()) / 8.0;
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, 0.5, 0.5), corner, corner);
    } else {
        painter.drawRect(r);
    }
}

} // namespace zol
