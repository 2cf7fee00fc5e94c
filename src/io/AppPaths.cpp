#include "io/AppPaths.h"

#include "io/NativePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zol {

namespace {

QString& ProgramFolderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

QString ProgramFolder()
{
    const QString& folder = ProgramFolderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void SetProgramFolder(const QString& folder)
{
    ProgramFolderOverride() = folder;
}

// An installed program lives in <prefix>/bin, its data in <prefix>/share/zol.
static QString InstalledDataPath(const QString& name)
{
    return QDir::cleanPath(QDir(ProgramFolder()).filePath("../share/zol/" + name));
}

QString DataPath(const QString& name)
{
    const QString beside = QDir(ProgramFolder()).filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = InstalledDataPath(name);
    return QFileInfo::exists(installed) ? installed : beside;
}

QString PieceSetFolder()
{
    return DataPath("pltes");
}

QString DocumentFolder()
{
    return DataPath("zols");
}

QString SettingsFilePath()
{
    // An installed program's folder is shared by every user, even where the
    // prefix happens to be writable: its data lies in share/zol, not beside it.
    const QString program = ProgramFolder();
    const bool installed = !QFileInfo::exists(QDir(program).filePath("pltes")) &&
                           QFileInfo(InstalledDataPath("")).isDir();
    if (!installed && QFileInfo(program).isWritable())
        return QDir(program).filePath("Zol.ini");
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath("Zol.ini");
}

QString DisplayPath(const QString& path)
{
    return QDir::toNativeSeparators(ShownAsText(path));
}

} // namespace zol
