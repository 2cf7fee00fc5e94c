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
    // A lock left by a copy that crashed is taken over at once.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0))
        anotherCopy_ = lock_->error() == QLockFile::LockFailedError;
}

} // namespace zol
