// End to end: Ctrl+M and Ctrl+G put the board picture and the guide image on
// the real X clipboard, where another program (xclip) reads them as PNG.
//
//   e2e_clipboard <path of zol> <folder for screenshots>
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

using namespace e2e;

// The clipboard's image as PNG, read by xclip; null until the copy arrived.
QImage ClipboardPng()
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                                          QStringLiteral("image/png"), QStringLiteral("-o")});
    if (!xclip.waitForFinished(10000) || xclip.exitCode() != 0)
        return {};
    return QImage::fromData(xclip.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage WaitForClipboard(const QSize& size, const QString& what)
{
    for (int i = 0; i < 50; ++i) {
        const QImage image = ClipboardPng();
        if (image.size() == size)
            return image;
        Pause(200);
    }
    Fail(QStringLiteral("no %1 picture on the clipboard").arg(what));
}

// Pixels that differ (the two images may differ in format); -1 for other sizes.
int Differing(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

} // namespace

int main(int argc, char** argv)
{
    const Opening test(argc, argv, "e2e_clipboard <zol> <screenshot folder>");
    const QString zol = test[1];
    const RuntimeFolder runtime;

    QProcess editor;
    const EditorWindow started = StartEditor(editor, zol, {});
    QImage shot;
    const QRect board = WaitForBoard(started.frame, shot);
    const QRect guide(board.left() - 144, board.top() - 26, 128, 128);

    Key(QStringLiteral("ctrl+m"));
    const QImage copied = WaitForClipboard(QSize(512, 512), QStringLiteral("board"));
    copied.save(QDir(g_shots).filePath(QStringLiteral("clipboard-board.png")));
    Check(Differing(copied, shot.copy(board)) == 0, QStringLiteral("Ctrl+M copies the board pixel for pixel"));

    Key(QStringLiteral("ctrl+g"));
    const QImage guideCopy = WaitForClipboard(QSize(128, 128), QStringLiteral("guide"));
    guideCopy.save(QDir(g_shots).filePath(QStringLiteral("clipboard-guide.png")));
    Check(Differing(guideCopy, shot.copy(guide)) == 0, QStringLiteral("Ctrl+G copies the guide image"));

    editor.terminate();
    if (!editor.waitForFinished(10000))
        editor.kill();
    std::printf("all checks passed\n");
    return 0;
}
