#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace zol {

SingleInstance::SingleInstance()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return;
    lock_ = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("Zol")));
    // Only a lock whose process is gone is stale: by age alone (30 seconds
    // by default) a second copy would get in once the first ran a while.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0))
        anotherCopy_ = lock_->error() == QLockFile::LockFailedError;
}

} // namespace zol
