// Palettes: the seven fixed colour sets, new random colours of the current
// set, and the customisation dialog.
#include "ui/ZolForm.h"

#include "io/AppPaths.h"
#include "model/Palette.h"
#include "ui/colour/TColorCustamizeDialog.h"

namespace zol {

void TZolForm::PaletteCSetExecute(int tag)
{
    const auto& sets = FixedPalettes();
    if (tag < 0 || tag >= static_cast<int>(sets.size()))
        return;
    ApplyPalette(sets[static_cast<size_t>(tag)].params);
}

void TZolForm::PaletteColorCustamizeExecute()
{
    Settings& settings = editor_.settings;
    PaletteParams current = settings.palette;
    current.bgcolor = editor_.model.backgroundColor();
    const PickerBars bars{settings.sbx, settings.sby, settings.sbz};
    const PaletteCustomisation result = RunColorCustamizeDialog(current, settings.registeredPalette, bars,
                                                                DataPath(QStringLiteral("rgbdata.txt")), dialogs_, this);
    // Registering and turning the picker take effect at once, whatever the
    // dialog's result.
    settings.registeredPalette = result.registered;
    settings.sbx = result.pickerBars.sbx;
    settings.sby = result.pickerBars.sby;
    settings.sbz = result.pickerBars.sbz;
    if (result.accepted)
        ApplyPalette(result.params);
}

void TZolForm::ToolButtonCSetClick()
{
    const PaletteParams& p = editor_.settings.palette;
    if (p.hr == 0 && p.sr == 0 && p.vr == 0) {
        // Nothing random to draw again: the user wants to choose colours.
        PaletteColorCustamizeExecute();
        return;
    }
    PaletteParams again = p;
    again.bgcolor = editor_.model.backgroundColor();
    ApplyPalette(again);
}

} // namespace zol
