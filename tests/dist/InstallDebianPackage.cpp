// The editor's Debian package installed into a scratch root with dpkg (a
// database of its own, so the machine's is never touched): its control data,
// its dependencies met by this machine, the installed programs' versions, the
// installed editor's window on the screen, and a removal that leaves nothing.
//
//   deb_install <folder holding the .deb> <version> <folder for screenshots>
#include "../e2e/E2eSupport.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QRegularExpression>

using namespace e2e;

namespace {

QString PackageIn(const QString& folder)
{
    const QStringList debs = QDir(folder).entryList({QStringLiteral("zol_*.deb")}, QDir::Files);
    if (debs.size() != 1)
        Fail(QStringLiteral("expected one zol package in ") + folder + QStringLiteral(", found: ") + debs.join(' '));
    return QDir(folder).filePath(debs[0]);
}

QString Field(const QString& deb, const QString& name)
{
    return Run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), deb, name});
}

// apt's dry run of installing the package here: what it would install or
// remove besides the package itself, which must be nothing.
void CheckDependenciesMet(const QString& deb)
{
    const QString plan = Run(QStringLiteral("apt-get"), {QStringLiteral("--simulate"), QStringLiteral("--no-install-recommends"),
                                                         QStringLiteral("install"), QFileInfo(deb).absoluteFilePath()},
                             120000);
    QStringList others;
    for (const QString& line : plan.split('\n'))
        if ((line.startsWith(QLatin1String("Inst ")) || line.startsWith(QLatin1String("Remv "))) &&
            !line.startsWith(QLatin1String("Inst zol ")))
            others << line;
    Check(others.isEmpty(), QStringLiteral("the package's dependencies are met on this machine") +
                                (others.isEmpty() ? QString() : QStringLiteral(": ") + others.join(QStringLiteral("; "))));
}

// dpkg on the scratch root only: its own database, no root rights needed.
QString Dpkg(const QString& root, const QStringList& args)
{
    return Run(QStringLiteral("dpkg"), QStringList{QStringLiteral("--root=") + root, QStringLiteral("--log=/dev/null"),
                                                   QStringLiteral("--force-not-root")} +
                                           args,
               120000);
}

QStringList FilesUnder(const QString& folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next();
    return files;
}

// A program's --version without a display, so that a window could not open.
QString VersionLine(const QString& program)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    p.setProcessEnvironment(env);
    p.start(program, {QStringLiteral("--version")});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        Fail(program + QStringLiteral(" --version failed: ") + QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        Fail(QStringLiteral("usage: deb_install <package folder> <version> <screenshot folder>"));
    const QString deb = PackageIn(QString::fromLocal8Bit(argv[1]));
    const QString version = QString::fromLocal8Bit(argv[2]);
    g_shots = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(g_shots);

    Check(Field(deb, QStringLiteral("Package")) == QLatin1String("zol"), QStringLiteral("the package is zol"));
    Check(Field(deb, QStringLiteral("Version")) == version, QStringLiteral("its version is ") + version);
    Check(Field(deb, QStringLiteral("Section")) == QLatin1String("graphics"), QStringLiteral("in section graphics"));
    const QString depends = Field(deb, QStringLiteral("Depends"));
    for (const char* needed : {"libc6", "libqt6widgets6", "libpng16-16", "libjpeg62-turbo", "fonts-ipafont-gothic"})
        Check(depends.contains(QRegularExpression(QStringLiteral("(^|, )%1( |,|$)").arg(QLatin1String(needed)))),
              QStringLiteral("it depends on ") + QLatin1String(needed));
    CheckDependenciesMet(deb);

    const PrivateDesktop desktop(QStringLiteral("root/usr"));
    const QString root = desktop.Path(QStringLiteral("root"));
    QDir(root).mkpath(QStringLiteral("var/lib/dpkg/info"));
    QDir(root).mkpath(QStringLiteral("var/lib/dpkg/updates"));
    QFile status(QDir(root).filePath(QStringLiteral("var/lib/dpkg/status")));
    Check(status.open(QIODevice::WriteOnly), QStringLiteral("an empty dpkg database in the scratch root"));
    status.close();
    // The scratch database knows none of the machine's packages: dependencies
    // were checked against the machine above.
    Dpkg(root, {QStringLiteral("--force-depends"), QStringLiteral("--install"), deb});
    Check(Dpkg(root, {QStringLiteral("--status"), QStringLiteral("zol")}).contains(QLatin1String("Status: install ok installed")),
          QStringLiteral("dpkg installed the package"));
    for (const char* file : {"bin/zol", "bin/zoltool", "share/zol/help/index.html", "share/zol/help/en/index.html",
                             "share/zol/pltes/tangram7.plt", "share/applications/zol.desktop",
                             "share/metainfo/example.zoleditor.zol.metainfo.xml", "share/man/man1/zol.1.gz",
                             "share/man/man1/zoltool.1.gz", "share/doc/zol/copyright", "share/doc/zol/changelog.gz"})
        Check(QFileInfo(desktop.Installed(QLatin1String(file))).isFile(), QStringLiteral("installed /usr/") + QLatin1String(file));

    const QString zol = desktop.Installed(QStringLiteral("bin/zol"));
    const QString zoltool = desktop.Installed(QStringLiteral("bin/zoltool"));
    Check(VersionLine(zol) == QStringLiteral("zol ") + version, QStringLiteral("zol --version without a display"));
    Check(VersionLine(zoltool) == QStringLiteral("zoltool ") + version, QStringLiteral("zoltool --version"));

    QProcess editor;
    const EditorWindow window = StartEditor(editor, zol, {desktop.Installed(QStringLiteral("share/zol/zols/sample.zol"))});
    QImage shot;
    WaitForBoard(window.frame, shot);
    Check(true, QStringLiteral("the installed editor shows its window with the board"));
    // The running editor holds the single-copy lock: a second copy ends at
    // once, while --version still answers.
    QProcess second;
    second.start(zol, {});
    Check(second.waitForFinished(30000) && second.exitCode() == 255, QStringLiteral("a second copy ends with -1"));
    Check(VersionLine(zol) == QStringLiteral("zol ") + version, QStringLiteral("zol --version beside the running editor"));
    Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window.id});
    CloseThroughFileMenu(editor);

    Dpkg(root, {QStringLiteral("--purge"), QStringLiteral("zol")});
    const QStringList left = FilesUnder(desktop.prefix);
    Check(left.isEmpty(), QStringLiteral("removing the package leaves nothing under /usr") +
                              (left.isEmpty() ? QString() : QStringLiteral(": ") + left.join(' ')));
    return 0;
}
