#include "ui/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace zol {

PaintBox::PaintBox(const QImage& bitmap, QSize size, QWidget* parent) : QWidget(parent), bitmap_(bitmap)
{
    setFixedSize(size);
    setMouseTracking(true);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, bitmap_);
}

void PaintBox::mousePressEvent(QMouseEvent* event) { emit mousePressed(event->button(), event->position().toPoint()); }

void PaintBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit mousePressed(event->button(), event->position().toPoint());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event->position().toPoint()); }

void PaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event->button(), event->position().toPoint());
}

} // namespace zol
