#include "ui/BoardPointer.h"

#include <QCursor>

namespace zol {

QPoint ScreenPointer::Position() const { return QCursor::pos(); }

void ScreenPointer::MoveTo(QPoint screen) { QCursor::setPos(screen); }

} // namespace zol
