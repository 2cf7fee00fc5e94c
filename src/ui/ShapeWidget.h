#pragma once
// A plain rectangle (optionally with rounded corners) with an outline and a
// fill: the frames behind the guide image and the caption field.

#include <QColor>
#include <QWidget>

namespace zol {

class ShapeWidget : public QWidget {
public:
    ShapeWidget(QSize size, bool rounded, QWidget* parent);

    void setPenColor(const QColor& c);
    void setBrushColor(const QColor& c);
    QColor penColor() const { return pen_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool rounded_;
    QColor pen_ = Qt::black;
    QColor brush_ = Qt::white;
};

} // namespace zol
