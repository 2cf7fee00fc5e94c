#pragma once
// A box that shows a bitmap owned by someone else at its top-left corner and
// reports the mouse in its own pixels. The board and the guide image use it.

#include <QImage>
#include <QWidget>

namespace zol {

class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(const QImage& bitmap, QSize size, QWidget* parent);

signals:
    // A second press in quick succession is a press like the first.
    void mousePressed(Qt::MouseButton button, QPoint at);
    void mouseMoved(QPoint at);
    void mouseReleased(Qt::MouseButton button, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage& bitmap_;
};

} // namespace zol
