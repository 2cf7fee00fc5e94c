// End to end: the real editor on a virtual X display, driven by the real
// pointer and keyboard through xdotool, checked on screenshots.
//
//   e2e_carry <path of zol> <folder for screenshots>
//
// It picks up a piece with a click, carries it, drops it, undoes the drop,
// adds the figure to the list with Ctrl+A while the caption field has the
// focus, and checks that a second copy of the program ends at once.
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>

namespace {

using namespace e2e;

// A point well inside a piece: white with a white neighbourhood, nearest the centre.
QPoint FindPieceInterior(const QImage& shot, const QRect& board)
{
    const QPoint centre = board.center();
    for (int r = 0; r < 200; ++r) {
        for (int dy = -r; dy <= r; ++dy) {
            for (int dx = -r; dx <= r; ++dx) {
                if (std::max(std::abs(dx), std::abs(dy)) != r)
                    continue;
                const QPoint p = centre + QPoint(dx, dy);
                bool inside = true;
                for (int ny = -4; ny <= 4 && inside; ++ny)
                    for (int nx = -4; nx <= 4 && inside; ++nx)
                        inside = IsWhite(shot, p + QPoint(nx, ny));
                if (inside)
                    return p;
            }
        }
    }
    Fail(QStringLiteral("no piece found on the board"));
}

void MoveTo(QPoint p) { Xdo({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())}); }

void Click() { Xdo({QStringLiteral("click"), QStringLiteral("1")}); }


} // namespace

int main(int argc, char** argv)
{
    const Opening test(argc, argv, "e2e_carry <zol> <screenshot folder>");
    const QString zol = test[1];

    const RuntimeFolder runtime;

    QProcess editor;
    const EditorWindow started = StartEditor(editor, zol, {});
    const QRect frame = started.frame;
    Check(frame.width() >= 600 && frame.height() >= 600, QStringLiteral("the window is open"));

    // The board is where the layout puts it: 154 + dx pixels into the content.
    QImage start;
    const QRect board = WaitForBoard(frame, start);
    const QRect guide(board.left() - 144, board.top() - 26, 128, 128);
    const QRect list(board.left() - 148, board.top() + 162, 137, 356);
    Check(frame.contains(guide) && frame.contains(list), QStringLiteral("guide and list beside the board"));

    // Pick up: the piece under the click is drawn as an outline (where it
    // overlaps another piece, that one may still show beneath it).
    const QPoint piece = FindPieceInterior(start, board);
    MoveTo(piece);
    Click();
    WaitFor(QStringLiteral("picked"), [&](const QImage& shot) { return shot.copy(board) != start.copy(board); });
    Check(PointerPosition() == board.topLeft() + QPoint(256, 256), QStringLiteral("the pointer waits at the board centre"));

    // Carry: the piece follows the mouse; the pointer is held at the centre.
    const QPoint carry(40, 30);
    for (int i = 0; i < 2; ++i) {
        Xdo({QStringLiteral("mousemove_relative"), QStringLiteral("--"), QString::number(carry.x() / 2),
             QString::number(carry.y() / 2)});
        Pause(150);
    }
    Pause(300);
    Check(PointerPosition() == board.topLeft() + QPoint(256, 256), QStringLiteral("carrying keeps the pointer at the centre"));

    // Drop: the piece is solid again at its new place, the guide follows.
    Click();
    const QImage dropped = WaitFor(QStringLiteral("dropped"), [&](const QImage& shot) {
        return IsWhite(shot, piece + carry) && shot.copy(guide) != start.copy(guide);
    });
    Check(dropped.copy(board) != start.copy(board), QStringLiteral("the drop changed the board"));
    // Every piece of the set turns about a point inside itself: the pointer
    // put on the piece's pivot lies on the piece.
    const QPoint after = PointerPosition();
    Check(board.contains(after) && IsWhite(dropped, after), QStringLiteral("the pointer lands on the dropped piece"));

    // Undo: board and guide as at the start, pixel for pixel.
    Key(QStringLiteral("ctrl+z"));
    WaitFor(QStringLiteral("undone"), [&](const QImage& shot) {
        return shot.copy(board) == start.copy(board) && shot.copy(guide) == start.copy(guide);
    });
    Note(QStringLiteral("undo restored board and guide"));

    // Add: the focus is in the caption field since the pick-up; Ctrl+A still
    // adds the figure, and the list shows its first row.
    Key(QStringLiteral("ctrl+a"));
    const QRect firstRow(list.left() + 3, list.top() + 3, list.width() - 20, 10);
    WaitFor(QStringLiteral("added"), [&](const QImage& shot) { return shot.copy(firstRow) != start.copy(firstRow); });
    const QString title = Xdo({QStringLiteral("getwindowname"), started.id});
    Check(title == QStringLiteral("Zol editor（変更）"), QStringLiteral("the caption marks the change: ") + title);

    // A second copy ends at once with -1 and shows nothing.
    QProcess second;
    second.start(zol, {});
    Check(second.waitForFinished(15000) && second.exitCode() == 255, QStringLiteral("a second copy exits with -1"));

    editor.terminate();
    if (!editor.waitForFinished(10000))
        editor.kill();
    std::printf("all checks passed\n");
    return 0;
}
