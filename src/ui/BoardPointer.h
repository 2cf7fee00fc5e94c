#pragma once
// The screen pointer as the board needs it while carrying pieces: read its
// position and move it. Tests drive the board with a pointer of their own.

#include <QPoint>

namespace zol {

class BoardPointer {
public:
    virtual ~BoardPointer() = default;
    // Position in screen coordinates.
    virtual QPoint Position() const = 0;
    // Moves the pointer; on platforms that forbid it, nothing happens.
    virtual void MoveTo(QPoint screen) = 0;
};

// The real pointer of the desktop.
class ScreenPointer : public BoardPointer {
public:
    QPoint Position() const override;
    void MoveTo(QPoint screen) override;
};

} // namespace zol
