// Sorting the list by caption and by nuance.
// Not built yet: these commands exist with their captions, keys and
// enabled rules, and do nothing until their work arrives.
#include "ui/ZolForm.h"

namespace zol {

void TZolForm::OptSSortExecute() {}

void TZolForm::OptNSortExecute(int) {}

} // namespace zol
