// Palettes: the fixed colour sets, new random colours, the customisation dialog.
// Not built yet: these commands exist with their captions, keys and
// enabled rules, and do nothing until their work arrives.
#include "ui/ZolForm.h"

namespace zol {

void TZolForm::PaletteCSetExecute(int) {}

void TZolForm::PaletteColorCustamizeExecute() {}

void TZolForm::ToolButtonCSetClick() {}

} // namespace zol
