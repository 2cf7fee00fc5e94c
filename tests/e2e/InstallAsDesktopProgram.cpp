// The editor installed into a prefix as a desktop program: the layout of the
// installed files, the launcher and file types checked with the desktop's own
// tools, the installed zoltool on an installed sample, and the installed
// editor started with that sample, its calculator and help opened by their
// keys, and Zol.ini written in the user's config folder.
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

using namespace e2e;

namespace {

const PrivateDesktop* g_desktop = nullptr;

QString Installed(const QString& relative) { return g_desktop->Installed(relative); }

void CheckInstalled(const QStringList& files)
{
    for (const QString& file : files)
        Check(QFileInfo(Installed(file)).isFile(), QStringLiteral("installed ") + file);
}

} // namespace

int main(int argc, char** argv)
{
    const Opening test(argc, argv, "e2e_install <cmake> <build folder> <screenshot folder>");

    const PrivateDesktop desktop(QStringLiteral("prefix"));
    g_desktop = &desktop;
    Run(test[1], {QStringLiteral("--install"), test[2],
                                          QStringLiteral("--prefix"), desktop.prefix},
        120000);
    CheckInstalled({"bin/zol", "bin/zoltool", "share/zol/pltes/tangram7.plt", "share/zol/zols/sample.zol",
                    "share/zol/help/index.html", "share/zol/pictures/version.bmp", "share/applications/zol.desktop",
                    "share/mime/packages/zol.xml", "share/icons/hicolor/scalable/apps/zol.svg",
                    "share/icons/hicolor/16x16/apps/zol.png", "share/icons/hicolor/48x48/apps/zol.png",
                    "share/icons/hicolor/256x256/apps/zol.png", "share/man/man1/zoltool.1",
                    "share/man/man1/zol.1", "share/zol/help/en/index.html", "share/doc/zol/copyright",
                    "share/metainfo/example.zoleditor.zol.metainfo.xml"});

    // The launcher and the file types, as the desktop sees them.
    Run(QStringLiteral("desktop-file-validate"), {Installed(QStringLiteral("share/applications/zol.desktop"))});
    Check(true, QStringLiteral("desktop-file-validate accepts zol.desktop"));
    Run(QStringLiteral("update-mime-database"), {Installed(QStringLiteral("share/mime"))});
    const QString sample = Installed(QStringLiteral("share/zol/zols/sample.zol"));
    const QString type = Run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), sample});
    Check(type == QLatin1String("application/x-zol"), QStringLiteral("a .zol file is application/x-zol: ") + type);
    const QString pieceSet = Run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"),
                                                              Installed(QStringLiteral("share/zol/pltes/tangram7.plt"))});
    Check(pieceSet == QLatin1String("application/x-zol-pieceset"), QStringLiteral("a .plt file is application/x-zol-pieceset: ") + pieceSet);
    const QString opener =
        Run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/x-zol")});
    Check(opener == QLatin1String("zol.desktop"), QStringLiteral("the editor opens .zol files: ") + opener);
    const QString manual = Run(QStringLiteral("man"), {QStringLiteral("-l"), Installed(QStringLiteral("share/man/man1/zoltool.1"))});
    Check(manual.contains(QLatin1String("zoltool")) && manual.contains(QLatin1String("arc")),
          QStringLiteral("man shows the zoltool page"));

    // The installed zoltool on the installed sample.
    const QString info = Run(Installed(QStringLiteral("bin/zoltool")), {QStringLiteral("info"), sample});
    Check(info.contains(QLatin1String("tan")), QStringLiteral("zoltool info reads the installed sample"));
    const QString arc = Run(Installed(QStringLiteral("bin/zoltool")),
                            {QStringLiteral("arc"), "5", "0", "90", "0", "0", "100", "0"});
    Check(arc == QLatin1String("100,0, 92,38, 70,70, 38,92, 0,100,"), QStringLiteral("zoltool arc: ") + arc);

    // The installed editor with the sample, its calculator and its help.
    QProcess editor;
    const EditorWindow main = StartEditor(editor, Installed(QStringLiteral("bin/zol")), {sample});
    Screenshot(QStringLiteral("installed-editor"));
    Key(QStringLiteral("ctrl+p"));
    WaitUntil([] { return !Windows(QStringLiteral("円弧上の座標計算機")).isEmpty(); },
              QStringLiteral("Ctrl+P opens the arc calculator"));
    WaitUntil([&] { return !Windows(QStringLiteral("^Zol editor$")).contains(main.id); },
              QStringLiteral("the main window hides while the calculator is open"));
    Screenshot(QStringLiteral("calculator"));
    Key(QStringLiteral("Return"));
    WaitUntil([&] { return Windows(QStringLiteral("^Zol editor$")).contains(main.id); },
              QStringLiteral("Enter closes the calculator and the main window comes back"));
    Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), main.id});
    Key(QStringLiteral("F1"));
    WaitUntil([] { return !Windows(QStringLiteral("ヘルプ ‐ 目次")).isEmpty(); },
              QStringLiteral("F1 opens the installed help at its contents"));
    Screenshot(QStringLiteral("help"));

    Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), main.id});
    Key(QStringLiteral("alt+h"));
    Pause(500);
    Key(QStringLiteral("i"));
    WaitUntil([] { return !Windows(QStringLiteral("^バージョン情報$")).isEmpty(); },
              QStringLiteral("the Help menu opens the about box"));
    Screenshot(QStringLiteral("about"));
    Key(QStringLiteral("Return"));
    WaitUntil([] { return Windows(QStringLiteral("^バージョン情報$")).isEmpty(); },
              QStringLiteral("Enter closes the about box"));

    Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), main.id});
    CloseThroughFileMenu(editor);
    Check(QFileInfo(desktop.Path(QStringLiteral("config/Zol editor/Zol.ini"))).isFile(),
          QStringLiteral("Zol.ini is written in the user's config folder"));
    Check(!QFileInfo::exists(Installed(QStringLiteral("bin/Zol.ini"))), QStringLiteral("and not beside the program"));
    return 0;
}
