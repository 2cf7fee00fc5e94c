// End to end: a set switch from the piece-set drop-down, then a document of
// the built-in set, then Undo.
//
//   e2e_set_switch <path of zol> <data folder> <folder for screenshots>
//
// It chooses ストマキオン in the drop-down, opens sample.zol (its set line
// names the built-in set) through the open dialog, checks that the document
// opened without a message and that the board shows a figure of seven
// pieces, and that Undo leaves the board as it is: the history holds
// figures of one set only.
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {

using namespace e2e;

void MoveTo(QPoint p) { Xdo({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())}); }

void Click() { Xdo({QStringLiteral("click"), QStringLiteral("1")}); }

void Type(const QString& text) { Xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text}); }

QString WaitForOtherWindow(const QProcess& editor, const QString& main, const QString& what)
{
    for (int i = 0; i < 50; ++i) {
        const QStringList ids = OtherWindows(editor, main);
        if (!ids.isEmpty())
            return ids.last();
        Pause(200);
    }
    Fail(QStringLiteral("timed out waiting for ") + what);
}

bool DarkGrey(const QImage& shot, int x, int y)
{
    const QRgb p = shot.pixel(x, y);
    return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) < 0x80;
}

// A drop-down arrow: a small grey triangle pointing down, three rows that
// each lose a pixel on both sides.
bool ArrowAt(const QImage& shot, int left, int y, int width)
{
    for (int row = 0; row < 3; ++row) {
        const int a = left + row, b = left + width - 1 - row;
        if (b - a < 1 || DarkGrey(shot, a - 1, y + row) || DarkGrey(shot, b + 1, y + row))
            return false;
        for (int x = a; x <= b; ++x)
            if (!DarkGrey(shot, x, y + row))
                return false;
    }
    return true;
}

// The drop-down arrow of the piece-set button: the second arrow of the main
// tool bar (the first is the open button's), below the menu bar.
QPoint DropDownArrow(const QImage& shot, const QRect& frame)
{
    QList<QPoint> arrows;
    for (int y = frame.top() + 15; y < frame.top() + 60; ++y)
        for (int x = frame.left() + 1; x < frame.left() + 300; ++x)
            for (int width = 4; width <= 8; ++width)
                if (ArrowAt(shot, x, y, width)) {
                    const QPoint centre(x + width / 2, y + 1);
                    if (arrows.isEmpty() || std::abs(arrows.last().x() - centre.x()) > 10)
                        arrows << centre;
                }
    if (arrows.size() < 2)
        Fail(QStringLiteral("no drop-down arrows found in the tool bar"));
    std::sort(arrows.begin(), arrows.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    return arrows[1];
}

} // namespace

int main(int argc, char** argv)
{
    const Opening test(argc, argv, "e2e_set_switch <zol> <data folder> <screenshot folder>");
    const QString data = test[2];

    // The program with the shipped sets in a folder of its own, where Zol.ini lands.
    const ProgramFolder program(test[1], data);
    const QString& zol = program.zol;
    const QString document = program.Path(QStringLiteral("zols/sample.zol"));
    Copy(data + QStringLiteral("/zols/sample.zol"), document);

    QProcess editor;
    const EditorWindow started = StartEditor(editor, zol, {});
    const QRect frame = started.frame;
    QRect board;
    const QImage start = WaitFor(QStringLiteral("start"), [&](const QImage& shot) {
        const auto found = FindBoard(shot, frame);
        if (found)
            board = *found;
        return found.has_value();
    });

    // The drop-down arrow of the piece-set button: the fourth control of the
    // main tool bar, right of New, Open with its arrow and Save.
    const QPoint arrow = DropDownArrow(start, frame);
    MoveTo(arrow);
    Click();
    WaitForOtherWindow(editor, started.id, QStringLiteral("the piece-set menu"));
    // タングラム, then the sets by display name: Tパズル, ストマキオン, ...
    for (int i = 0; i < 3; ++i)
        Key(QStringLiteral("Down"));
    Key(QStringLiteral("Return"));
    const QImage switched = WaitFor(QStringLiteral("switched"), [&](const QImage& shot) {
        return OtherWindows(editor, started.id).isEmpty() && shot.copy(board) != start.copy(board);
    });
    Check(true, QStringLiteral("the board shows the stomachion pieces"));

    // Open sample.zol through File, Open: type its path, Return.
    Key(QStringLiteral("alt+f"));
    Pause(500);
    Key(QStringLiteral("o"));
    WaitForOtherWindow(editor, started.id, QStringLiteral("the open dialog"));
    Pause(500);
    Type(document);
    Key(QStringLiteral("Return"));
    const QImage opened = WaitFor(QStringLiteral("opened"), [&](const QImage& shot) {
        return OtherWindows(editor, started.id).isEmpty() && shot.copy(board) != switched.copy(board);
    }, 15000);
    Pause(500);
    Check(OtherWindows(editor, started.id).isEmpty(), QStringLiteral("the document opened without a message"));
    const QImage settled = Screenshot(QStringLiteral("settled"));
    const QRect list(board.left() - 148, board.top() + 162, 137, 356);
    Check(settled.copy(list) != switched.copy(list), QStringLiteral("the list shows the document's figures"));

    // Undo: nothing of the stomachion set comes back onto these pieces.
    Key(QStringLiteral("ctrl+z"));
    Pause(800);
    const QImage undone = Screenshot(QStringLiteral("undone"));
    Check(undone.copy(board) == settled.copy(board), QStringLiteral("undo leaves the board as it is"));

    editor.terminate();
    if (!editor.waitForFinished(10000))
        editor.kill();
    std::printf("all checks passed\n");
    return 0;
}
