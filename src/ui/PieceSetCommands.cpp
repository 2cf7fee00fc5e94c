// Changing the piece set, from a file or from the piece-set menu.
// Not built yet: these commands exist with their captions, keys and
// enabled rules, and do nothing until their work arrives.
#include "ui/ZolForm.h"

namespace zol {

void TZolForm::EditChangeExecute() {}

void TZolForm::PltSLoadExecute(int) {}

} // namespace zol
