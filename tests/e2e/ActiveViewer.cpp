// End to end: the active viewer opened from the real menu of the editor.
//
//   e2e_viewer <path of zol> <data folder> <folder for screenshots>
//
// It opens the viewer with Alt+O, V, sees its 128 x 128 picture change
// between two screenshots, closes it with Enter and finds the main window
// back, its board as it was.
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace e2e;

std::optional<QString> VisibleWindow(const QString& name)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), name});
    p.waitForFinished(10000);
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    if (p.exitCode() != 0 || out.isEmpty())
        return std::nullopt;
    return out.section('\n', 0, 0);
}

QString WaitForWindow(const QString& name, bool visible)
{
    for (int k = 0; k < 100; ++k) {
        const auto found = VisibleWindow(name);
        if (found.has_value() == visible)
            return found.value_or(QString());
        Pause(100);
    }
    Fail(QStringLiteral("timed out waiting for window ") + name + (visible ? " to show" : " to go"));
}

} // namespace

int main(int argc, char** argv)
{
    const Opening test(argc, argv, "e2e_viewer <zol> <data folder> <screenshot folder>");
    const QString data = test[2];

    // The program with the shipped sets in a folder of its own, where Zol.ini lands.
    const ProgramFolder program(test[1], data);
    const QString& zol = program.zol;
    for (const char* photo : {"photoA.jpg", "photoB.jpg"})
        Copy(data + '/' + photo, program.Path(photo));
    const QString document = program.Path(QStringLiteral("documents/sample.zol"));
    Copy(data + QStringLiteral("/zols/sample.zol"), document);

    QProcess editor;
    const EditorWindow main = StartEditor(editor, zol, {document});
    Pause(1000);
    const QImage before = Screenshot(QStringLiteral("editor")).copy(main.frame);

    // Options menu, Active viewer: Alt+O, then V.
    Key(QStringLiteral("alt+o"));
    Pause(500);
    Key(QStringLiteral("v"));
    const QString viewer = WaitForWindow(QStringLiteral("^Acitve Viewer$"), true);
    Check(true, QStringLiteral("the viewer opened from the menu"));
    Check(!VisibleWindow(QStringLiteral("^Zol editor$")), QStringLiteral("the main window is hidden meanwhile"));
    const QRect frame = Geometry(viewer);
    Check(frame.size() == QSize(433, 169), QStringLiteral("the viewer is 433 x 169"));
    const QRect picture(frame.topLeft() + QPoint(40, 16), QSize(128, 128));

    Pause(300);
    const QImage first = Screenshot(QStringLiteral("viewer-first")).copy(picture);
    Pause(400);
    const QImage second = Screenshot(QStringLiteral("viewer-second")).copy(picture);
    Check(first != second, QStringLiteral("the 128 x 128 picture moves"));

    Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), viewer});
    Key(QStringLiteral("Return"));
    WaitForWindow(QStringLiteral("^Acitve Viewer$"), false);
    Check(true, QStringLiteral("Enter closed the viewer"));
    const QString back = WaitForWindow(QStringLiteral("^Zol editor$"), true);
    Pause(1000);
    const QRect mainFrame = Geometry(back);
    const QImage after = Screenshot(QStringLiteral("editor-back")).copy(mainFrame);
    Check(mainFrame.size() == main.frame.size(), QStringLiteral("the main window came back at its size"));
    Check(after == before, QStringLiteral("the main window came back as it was"));

    Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), back});
    Key(QStringLiteral("alt+f"));
    Pause(500);
    Key(QStringLiteral("x"));
    if (!editor.waitForFinished(15000))
        Fail(QStringLiteral("the editor did not close"));
    Check(editor.exitCode() == 0, QStringLiteral("the editor ended normally"));
    std::printf("all checks passed\n");
    return 0;
}
