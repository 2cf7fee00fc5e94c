// File commands: new, open, merge, save, exit, the document's folder.
// Not built yet: these commands exist with their captions, keys and
// enabled rules, and do nothing until their work arrives.
#include "ui/ZolForm.h"

namespace zol {

void TZolForm::FileNewExecute() {}

void TZolForm::FileOpenExecute() {}

void TZolForm::FileMargeExecute() {}

void TZolForm::FileSaveAsExecute() {}

void TZolForm::FileSaveExecute() {}

void TZolForm::FileExitExecute() {}

void TZolForm::FileDirOpenExecute() {}

} // namespace zol
