#include "ui/PaintBox.h"

#include "ui/MousePoint.h"

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

void PaintBox::mousePressEvent(QMouseEvent* event) { emit mousePressed(event->button(), MousePoint(event)); }

void PaintBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit mousePressed(event->button(), MousePoint(event));
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(MousePoint(event)); }

void PaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event->button(), MousePoint(event));
}

} // namespace zol
