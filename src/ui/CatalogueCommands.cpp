// The HTML catalogue of the list.
// Not built yet: these commands exist with their captions, keys and
// enabled rules, and do nothing until their work arrives.
#include "ui/ZolForm.h"

namespace zol {

void TZolForm::OptmkHTMLExecute() {}

} // namespace zol
