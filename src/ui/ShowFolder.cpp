#include "ui/ShowFolder.h"

#include "io/AppPaths.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>

namespace zol {

void ShowFolder(Dialogs& dialogs, const QString& folder)
{
    if (!dialogs.OpenFolder(folder))
        dialogs.Error(QCoreApplication::translate("zol::ShowFolder", "フォルダを表示するファイルブラウザが見つかりません。\n") +
                      DisplayPath(folder));
}

} // namespace zol
