// Copying the board figure or the guide image to the clipboard.
#include "ui/ZolForm.h"

#include "export/ExportDrawing.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zol {

void TZolForm::ClipCopy1Execute() { QGuiApplication::clipboard()->setImage(BoardPicture(editor_.model)); }

void TZolForm::ClipCopy2Execute() { QGuiApplication::clipboard()->setImage(editor_.guideBitmap); }

} // namespace zol
