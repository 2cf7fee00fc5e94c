#include "io/AppPaths.h"

#include "IoTestSupport.h"

using namespace zol;

namespace {

class AppPaths : public test::ProgramFolderTest {
protected:
    // An installed program: <prefix>/bin/zol with its data in <prefix>/share/zol.
    AppPaths() { SetProgramFolder(Path("prefix/bin")); }
};

} // namespace

TEST_F(AppPaths, FindsDataBesideTheProgramFirstThenInTheInstalledShareFolder)
{
    EXPECT_EQ(PieceSetFolder(), Path("prefix/bin/pltes")) << "neither exists: beside the program";
    QDir().mkpath(Path("prefix/share/zol/pltes"));
    EXPECT_EQ(PieceSetFolder(), Path("prefix/share/zol/pltes"));
    QDir().mkpath(Path("prefix/bin/pltes"));
    EXPECT_EQ(PieceSetFolder(), Path("prefix/bin/pltes"));
    EXPECT_EQ(DocumentFolder(), Path("prefix/bin/zols"));
}

TEST_F(AppPaths, SettingsGoToTheConfigFolderWhenTheProgramFolderIsNotWritable)
{
    const bool hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", Path("config").toUtf8());
    const QString path = SettingsFilePath(); // prefix/bin does not exist: nothing can be written there
    hadConfigHome ? qputenv("XDG_CONFIG_HOME", savedConfigHome) : qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(path.startsWith(Path("config/"))) << path.toStdString();
    EXPECT_TRUE(path.endsWith("/Zol.ini")) << path.toStdString();
    EXPECT_TRUE(QFileInfo(QFileInfo(path).absolutePath()).isDir()) << "the folder is made";

    QDir().mkpath(Path("prefix/bin"));
    EXPECT_EQ(SettingsFilePath(), Path("prefix/bin/Zol.ini"));
}

TEST_F(AppPaths, AnInstalledProgramKeepsItsSettingsInTheConfigFolderEvenWhenItsFolderIsWritable)
{
    QDir().mkpath(Path("prefix/bin"));
    QDir().mkpath(Path("prefix/share/zol/pltes"));
    const bool hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", Path("config").toUtf8());
    const QString installed = SettingsFilePath();
    QDir().mkpath(Path("prefix/bin/pltes")); // a copy with its data beside it
    const QString beside = SettingsFilePath();
    hadConfigHome ? qputenv("XDG_CONFIG_HOME", savedConfigHome) : qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(installed.startsWith(Path("config/"))) << installed.toStdString();
    EXPECT_EQ(beside, Path("prefix/bin/Zol.ini"));
}
