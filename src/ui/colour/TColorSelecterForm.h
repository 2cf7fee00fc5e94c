#pragma once
// The colour picker: the named colours of rgbdata.txt as squares in a view of
// the HSV solid that two scroll bars turn and a third zooms. A click picks the
// colour under the mouse; OK hands back the last named colour picked.

#include "model/colour/ColourPick.h"
#include "model/colour/PickerView.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class QScrollBar;

namespace zol {

class PaintBox;
class ShapeWidget;

class TColorSelecterForm : public QDialog {
    Q_OBJECT
public:
    TColorSelecterForm(TColors colours, const PickerBars& bars, QWidget* parent);

    // Presets the colour as a pick would, pointer included; the customisation
    // dialog passes its background. Unlike a click, a preset of the field's
    // grey is a colour too, and so is one without a name.
    void SetColour(uint32_t colorValue);
    PickerBars bars() const;
    // The last named colour picked, else the preset colour (black at first).
    uint32_t chosenColour() const { return pick_.chosen; }

    // Recomputes the view from the bars and redraws it.
    void SBChange();

private:
    void PBMouseDown(Qt::MouseButton button, QPoint at);
    void ShowPick();
    void RedrawPicture();
    void FormPaint();

    TColors colours_;
    PickerProjection view_;
    ColourPick pick_;
    QImage picture_; // the squares alone: what a click reads
    QImage screen_;  // the picture with the pointer

    PaintBox* PB;
    QScrollBar* SBX;
    QScrollBar* SBY;
    QScrollBar* SBZ;
    ShapeWidget* Shape;
    QLabel* Label;
    QPushButton* Button1;
};

} // namespace zol
