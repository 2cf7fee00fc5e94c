#pragma once
// Mouse positions in whole pixels. With fractional display scaling an event
// lies between pixels; like every float to integer conversion in this
// program it truncates toward zero, so 511.6 is still the board's last column.

#include <QMouseEvent>
#include <QPoint>

namespace zol {

inline QPoint MousePoint(const QMouseEvent* event)
{
    const QPointF p = event->position();
    return {static_cast<int>(p.x()), static_cast<int>(p.y())};
}

} // namespace zol
