// The active viewer: the list as a slide show. The main window steps aside
// while it plays and comes back as it was: the viewer draws on bitmaps of
// its own and only reads the document.
#include "ui/ZolForm.h"

#include "io/AppPaths.h"
#include "ui/viewer/ActVForm.h"

#include <QFileInfo>

namespace zol {

void TZolForm::OptActiveViewerExecute()
{
    if (editor_.model.figureCount() < 1)
        return;
    const QString photos = QFileInfo(DataPath(QStringLiteral("photoA.jpg"))).absolutePath();
    TActVForm viewer(editor_.model, editor_.view.selectedRow, photos, editor_.view.antialias, dialogs_, this);
    hide();
    viewer.exec();
    show();
}

} // namespace zol
