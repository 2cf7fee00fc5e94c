#pragma once
// The palette customisation dialog: a background and, for hue, saturation and
// value, a range set with two track bars each, a preview of 256 squares drawn
// as the palette generator would draw them, and two arrows that register the
// dialog's record and recall it.

#include "model/Palette.h"
#include "model/colour/PaletteBars.h"
#include "model/colour/PickerView.h"

#include <QDialog>
#include <QImage>

#include <array>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QSlider;

namespace zol {

class ClickLabel;
class Dialogs;
class PaintBox;

class TColorCustamizeDialog : public QDialog {
    Q_OBJECT
public:
    enum Result { Ok = 1, Cancelled = 2 };

    // `current` carries the model's background; the colour picker reads its
    // table from `colourTablePath` each time it opens and reports through
    // `dialogs`.
    TColorCustamizeDialog(const PaletteParams& current, const PaletteParams& registered, const PickerBars& pickerBars,
                          const QString& colourTablePath, Dialogs& dialogs, QWidget* parent);

    // The record the bars and the background stand for: what OK applies.
    PaletteParams params() const;
    // Registering takes effect at once: the caller keeps these whatever the
    // dialog's result, as it keeps the picker's bars.
    const PaletteParams& registeredPalette() const { return registered_; }
    const PickerBars& pickerBars() const { return pickerBars_; }

private:
    void BuildSheet();
    void BuildBackgroundChoice();
    void BuildArrows();
    void BuildBars();
    QSlider* MakeBar(QGroupBox* group, int left, bool bothSides, PaletteBar bar);

    void RectposSet(const PaletteParams& current);
    void Drawpalette();
    void RadioGroup1Click(int item);
    void pbClick();
    void BarChange(PaletteBar bar);
    void Button1Click();
    void Button2Click();
    void ShowBars(const PaletteBarPositions& bars);
    PaletteBarPositions Bars() const;
    void SelectBackgroundItem(int item); // -1: none

    uint32_t bgcolor_ = 0;
    PaletteParams registered_;
    PickerBars pickerBars_;
    QString colourTablePath_;
    Dialogs& dialogs_;
    QImage preview_;

    PaintBox* pb;
    QButtonGroup* RadioGroup1;
    ClickLabel* Label1;
    ClickLabel* Label2;
    std::array<QSlider*, 6> bars_{};
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

// Runs the dialog modally. OK gives the record to apply; registered palette
// and picker bars come back either way.
struct PaletteCustomisation {
    bool accepted = false;
    PaletteParams params;
    PaletteParams registered;
    PickerBars pickerBars;
};

PaletteCustomisation RunColorCustamizeDialog(const PaletteParams& current, const PaletteParams& registered,
                                             const PickerBars& pickerBars, const QString& colourTablePath,
                                             Dialogs& dialogs, QWidget* parent);

} // namespace zol
