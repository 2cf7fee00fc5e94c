#pragma once
// Small pieces the two colour dialogs share: a label that reacts to a click,
// and the conversion from the model's colour values to what Qt draws.

#include <QColor>
#include <QLabel>

#include <cstdint>

namespace zol {

// The workspace colour resolves to the window background of `widget`.
QColor ScreenColour(uint32_t colorValue, const QWidget& widget);
uint32_t ColourValueOf(QRgb rgb);

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zol
