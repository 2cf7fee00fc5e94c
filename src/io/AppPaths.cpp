#include "io/AppPaths.h"

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

QString DataPath(const QString& name)
{
    const QDir program(ProgramFolder());
    const QString beside = program.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    // An installed program lives in <prefix>/bin, its data in <prefix>/share/zol.
    const QString installed = QDir::cleanPath(program.filePath("../share/zol/" + name));
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
    const QString program = ProgramFolder();
    if (QFileInfo(program).isWritable())
        return QDir(program).filePath("Zol.ini");
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath("Zol.ini");
}

QString DisplayPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace zol
