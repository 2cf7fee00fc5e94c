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
    if (model.figureCount() < 1)
        return;
    TActVForm viewer(model, editor_.view.selectedRow, QFileInfo(DataPath(QStringLiteral("photoA.jpg"))).absolutePath(),
                     editor_.view.antialias, dialogs_, this);
    hide();
    viewer.exec();
    show();
}

} // namespace zol
