// The arc calculator, the about box and the help.
// Not built yet: these commands exist with their captions, keys and
// enabled rules, and do nothing until their work arrives.
#include "ui/ZolForm.h"

namespace zol {

void TZolForm::OptRpcalExecute() {}

void TZolForm::HelpAboutExecute() {}

void TZolForm::HelpQRefferenceExecute() {}

} // namespace zol
