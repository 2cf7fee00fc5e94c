#pragma once
// The customisation dialog's sheet: a window-coloured page with a dotted edge
// over a black one that shows at the right and bottom as a drop shadow, and a
// lowered bevel inside.

#include <QWidget>

namespace zol {

class ColourSheet : public QWidget {
public:
    explicit ColourSheet(QWidget* dialog);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zol
