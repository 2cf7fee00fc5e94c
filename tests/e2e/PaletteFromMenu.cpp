// End to end: the real editor under Xvfb. The user chooses "黒‐乱新緑" from
// the Options menu; the pieces on the board turn green, and after Exit
// Zol.ini holds that record.
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

using namespace e2e;

namespace {

// Pixels of the board whose green clearly outweighs red and blue.
int GreenPixels(const QImage& shot, const QRect& board)
{
    int n = 0;
    for (int y = board.top(); y <= board.bottom(); ++y)
        for (int x = board.left(); x <= board.right(); ++x) {
            const QRgb c = shot.pixel(x, y);
            n += qGreen(c) > qRed(c) + 20 && qGreen(c) > qBlue(c) + 20;
        }
    return n;
}

} // namespace

int main(int argc, char** argv)
{
    const Opening test(argc, argv, "e2e_palette <zol> <screenshot folder>");

    // The program in a folder of its own, where Zol.ini lands.
    const ProgramFolder program(test[1]);

    QProcess editor;
    const EditorWindow started = StartEditor(editor, program.zol, {});
    QRect board;
    WaitFor(QStringLiteral("started"), [&](const QImage& s) {
        const auto found = FindBoard(s, started.frame);
        if (found)
            board = *found;
        return found.has_value();
    });
    std::printf("the board is at %d,%d\n", board.left(), board.top());

    // オプション(&O), パレット変更(&P), then the fourth set of the submenu.
    Key(QStringLiteral("alt+o"));
    Pause(400);
    Key(QStringLiteral("p"));
    Pause(400);
    for (int i = 0; i < 3; ++i) {
        Key(QStringLiteral("Down"));
        Pause(150);
    }
    Key(QStringLiteral("Return"));
    WaitFor(QStringLiteral("green"), [&](const QImage& s) { return GreenPixels(s, board) > 20000; });
    std::printf("ok: the pieces on the board are green\n");

    Key(QStringLiteral("alt+f"));
    Pause(500);
    Key(QStringLiteral("x"));
    if (!editor.waitForFinished(15000))
        Fail(QStringLiteral("the editor did not close"));
    QFile ini(program.Path(QStringLiteral("Zol.ini")));
    Check(ini.open(QIODevice::ReadOnly), QStringLiteral("Zol.ini was written beside the program"));
    const QByteArray bytes = ini.readAll();
    for (const char* key : {"ho=166\r\n", "hr=28\r\n", "so=172\r\n", "sr=83\r\n", "vo=156\r\n", "vr=99\r\n", "bgcolor=0\r\n"})
        Check(bytes.contains(key), QStringLiteral("Zol.ini holds ") + QString::fromLatin1(key).trimmed());
    std::printf("all checks passed\n");
    return 0;
}
