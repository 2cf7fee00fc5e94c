// Copying the board figure or the guide image to the clipboard.
// Not built yet: these commands exist with their captions, keys and
// enabled rules, and do nothing until their work arrives.
#include "ui/ZolForm.h"

namespace zol {

void TZolForm::ClipCopy1Execute() {}

void TZolForm::ClipCopy2Execute() {}

} // namespace zol
