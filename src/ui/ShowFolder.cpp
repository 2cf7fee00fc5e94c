#include "ui/ShowFolder.h"

#include "io/AppPaths.h"
#include "ui/Dialogs.h"

namespace zol {

void ShowFolder(Dialogs& dialogs, const QString& folder)
{
    if (!dialogs.OpenFolder(folder))
        dialogs.Error(QStringLiteral("フォルダを表示するファイルブラウザが見つかりません。\n") + DisplayPath(folder));
}

} // namespace zol
