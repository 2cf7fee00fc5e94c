// End to end: a figure of the sample document played as a puzzle with the
// real mouse, then with hints, then left with Escape.
//
//   e2e_puzzle <path of zol> <path of zoltool> <data folder> <folder for screenshots>
//
// It opens sample.zol, selects its second figure in the list and presses F5.
// Each piece is carried with the real pointer from where the start scatter
// put it to where the solver's solution (`zoltool solve`) has it: turned with
// the right button held, flipped with the middle button. The last drop brings
// the message box, while the status bar's clock stops. F5 twice starts the
// figure afresh; Ctrl+H is pressed until the message box comes, within one
// hint a piece. Escape in a new, half-played puzzle brings back the board, the
// guide and the title as they were before the first puzzle.
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

using namespace e2e;

constexpr int Pieces = 7;
constexpr int FigureRow = 1; // きつね, counted from 0

struct Placement {
    QPoint at; // the pivot, in board pixels
    int angle = 0;
    int flip = 1;
};

// The placement line of a figure of the built-in set: x, y, angle, flip per piece.
std::array<Placement, Pieces> ParsePlacement(const QString& line)
{
    const QStringList fields = line.trimmed().split(QLatin1Char(','));
    if (fields.size() != 4 * Pieces)
        Fail(QStringLiteral("not a placement line of seven pieces: ") + line);
    std::array<Placement, Pieces> out;
    for (int i = 0; i < Pieces; ++i) {
        bool ok[4];
        out[i] = {QPoint(fields[4 * i].toInt(&ok[0]), fields[4 * i + 1].toInt(&ok[1])), fields[4 * i + 2].toInt(&ok[2]),
                  fields[4 * i + 3].toInt(&ok[3])};
        if (!(ok[0] && ok[1] && ok[2] && ok[3]))
            Fail(QStringLiteral("not a placement line: ") + line);
    }
    return out;
}

// Where each piece of the built-in set lies before the scatter: its start
// placement line, moved by the start offset (176) onto the board.
constexpr std::array<std::array<int, 2>, Pieces> StartPivots = {
    {{28, 28}, {120, 14}, {80, 40}, {54, 80}, {20, 100}, {132, 80}, {80, 132}}};

// The scatter moves a start coordinate s a quarter of its way from the board
// centre, then by -8 to +7 at random.
int ScatterCoordinate(int s) { return s + (s - 256) / 4; }
QPoint ScatterBase(int piece)
{
    return {ScatterCoordinate(StartPivots[piece][0] + 176), ScatterCoordinate(StartPivots[piece][1] + 176)};
}
bool WithinScatter(QPoint pivot, int piece)
{
    const QPoint d = pivot - ScatterBase(piece);
    return d.x() >= -8 && d.x() <= 7 && d.y() >= -8 && d.y() <= 7;
}

void MoveTo(QPoint p) { Xdo({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())}); }
void Click(int button = 1) { Xdo({QStringLiteral("click"), QString::number(button)}); }
void Button(const char* how, int button) { Xdo({QString::fromLatin1(how), QString::number(button)}); }

void WaitForPointer(QPoint p, const QString& what)
{
    for (int i = 0; i < 200; ++i) {
        if (PointerPosition() == p)
            return;
        Pause(50);
    }
    Fail(QStringLiteral("the pointer did not come to (%1, %2): ").arg(p.x()).arg(p.y()) + what);
}

// The carried piece is held at the board centre; every step of the pointer
// away from it is measured and the pointer put back. Steps stay inside the
// board and go one way each, so no step is lost or read as a shake.
void StepsFromCentre(QPoint centre, QPoint total, const QString& what)
{
    constexpr int MaxStep = 180;
    while (total != QPoint()) {
        const QPoint step(std::clamp(total.x(), -MaxStep, MaxStep), std::clamp(total.y(), -MaxStep, MaxStep));
        MoveTo(centre + step);
        WaitForPointer(centre, what);
        total -= step;
    }
}

class Player {
public:
    Player(QRect board) : board_(board), centre_(board.topLeft() + QPoint(256, 256)) {}

    // Where the piece lies: a click near its scatter base picks up the
    // topmost piece there, and the drop, right away, puts the pointer on its
    // pivot. A piece placed earlier may cover the spot: the right button
    // sends it below the others and the click is tried again.
    QPoint Locate(int piece)
    {
        const QPoint spot = board_.topLeft() + ScatterBase(piece) - QPoint(1, 1);
        for (int attempt = 0; attempt < Pieces; ++attempt) {
            MoveTo(spot);
            Click();
            WaitForPointer(centre_, QStringLiteral("picked up near piece %1").arg(piece));
            Click();
            for (int i = 0; i < 100 && PointerPosition() == centre_; ++i)
                Pause(50);
            const QPoint pivot = PointerPosition() - board_.topLeft();
            if (WithinScatter(pivot, piece))
                return pivot;
            Note(QStringLiteral("piece %1 lies under another: the right button sends that one below").arg(piece));
            MoveTo(spot);
            Click(3);
            Pause(300);
        }
        Fail(QStringLiteral("piece %1 could not be picked up").arg(piece));
    }

    // Carries one piece from its scatter place to `to`: picked up on its
    // pivot, flipped with the middle button, turned with the right button
    // held (a pixel is half a degree), moved, put down.
    void Place(int piece, const Placement& to)
    {
        const QPoint from = Locate(piece);
        MoveTo(board_.topLeft() + from);
        Click();
        WaitForPointer(centre_, QStringLiteral("carrying piece %1").arg(piece));
        if (to.flip < 0) {
            Click(2);
            Pause(300);
        }
        // The start angle is 0, and a flip keeps it 0.
        int turn = ((to.angle % 720) + 720) % 720;
        if (turn > 360)
            turn -= 720;
        if (turn != 0) {
            Button("mousedown", 3);
            StepsFromCentre(centre_, QPoint(turn, 0), QStringLiteral("turning piece %1").arg(piece));
            Button("mouseup", 3);
            Pause(200);
        }
        StepsFromCentre(centre_, to.at - from, QStringLiteral("carrying piece %1").arg(piece));
        Click();
        // The drop puts the pointer on the piece's pivot: where it should be.
        WaitForPointer(board_.topLeft() + to.at, QStringLiteral("piece %1 put down at its place").arg(piece));
        Note(QStringLiteral("piece %1 from (%2, %3) to (%4, %5), angle %6, flip %7")
                 .arg(piece)
                 .arg(from.x())
                 .arg(from.y())
                 .arg(to.at.x())
                 .arg(to.at.y())
                 .arg(to.angle)
                 .arg(to.flip));
    }

private:
    QRect board_;
    QPoint centre_;
};

} // namespace

int main(int argc, char** argv)
{
    const Opening test(argc, argv, "e2e_puzzle <zol> <zoltool> <data folder> <screenshot folder>");
    const QString zoltool = test[2];
    const QString data = test[3];

    for (const QString& old : QDir(g_shots).entryList({QStringLiteral("*.png")}))
        QFile::remove(QDir(g_shots).filePath(old));
    const ProgramFolder program(test[1], data);
    const QString document = program.Path(QStringLiteral("documents/sample.zol"));
    Copy(data + QStringLiteral("/zols/sample.zol"), document);

    // The solver's solution of the figure, where the figure stands; one
    // other than the figure's own counts as well.
    const QString figure = document + QStringLiteral(":%1").arg(FigureRow);
    const auto solution = ParsePlacement(Run(zoltool, {QStringLiteral("solve"), figure, QStringLiteral("--seconds"),
                                                       QStringLiteral("60")},
                                             90000));
    const QString same = Run(zoltool, {QStringLiteral("same"), figure,
                                       [&] {
                                           QStringList line;
                                           for (const Placement& p : solution)
                                               line << QString::number(p.at.x()) << QString::number(p.at.y())
                                                    << QString::number(p.angle) << QString::number(p.flip);
                                           return line.join(QLatin1Char(','));
                                       }()});
    Check(same.startsWith(QStringLiteral("same")), QStringLiteral("the solver's solution has the figure's silhouette"));

    QProcess editor;
    const EditorWindow main = StartEditor(editor, program.zol, {document});
    QImage opened;
    const QRect board = WaitForBoard(main.frame, opened);
    const QRect guide(board.left() - 144, board.top() - 26, 128, 128);
    const QRect list(board.left() - 148, board.top() + 162, 137, 356);
    // The status bar: the caption, the clock and the hints in puzzle mode.
    const QRect status(main.frame.left(), main.frame.bottom() - 24, main.frame.width(), 20);
    const QString title = Xdo({QStringLiteral("getwindowname"), main.id});

    // Select the figure: a click on its row shows it in the guide; the board
    // keeps the figure the document opened with.
    MoveTo(list.topLeft() + QPoint(40, 9 + 12 * FigureRow));
    Click();
    WaitFor(QStringLiteral("selected"), [&](const QImage& shot) { return shot.copy(guide) != opened.copy(guide); });
    Pause(500);
    const QImage before = Screenshot(QStringLiteral("before-puzzle"));
    Check(before.copy(board) == opened.copy(board), QStringLiteral("the board keeps its figure"));

    // F5: the board shows the start scatter, the clock runs.
    Key(QStringLiteral("F5"));
    const QImage playing = WaitFor(QStringLiteral("puzzle"), [&](const QImage& shot) {
        return shot.copy(board) != before.copy(board) && shot.copy(status) != before.copy(status);
    });
    Pause(1500);
    Check(Screenshot(QStringLiteral("clock")).copy(status) != playing.copy(status),
          QStringLiteral("the clock in the status bar runs"));

    // The pieces by the real mouse into the solver's solution.
    Player player(board);
    for (int i = 0; i < Pieces; ++i) {
        Check(OtherWindows(editor, main.id).isEmpty(), QStringLiteral("no message before piece %1 is put down").arg(i));
        player.Place(i, solution[i]);
        if (i == 2)
            Screenshot(QStringLiteral("three-placed"));
    }
    Check(true, QStringLiteral("every piece lies where the solution has it"));

    QString box;
    WaitUntil([&] {
        const QStringList others = OtherWindows(editor, main.id);
        box = others.value(0);
        return others.size() == 1;
    }, QStringLiteral("the last drop brings a message box"));
    const QImage solvedShot = Screenshot(QStringLiteral("solved-by-mouse"));
    const QRect boxFrame = Geometry(box);
    Check(Xdo({QStringLiteral("getwindowname"), box}) == title && boxFrame.width() < 400 && boxFrame.height() < 300,
          QStringLiteral("it is a small box of the editor's own title"));
    Pause(1500);
    Check(Screenshot(QStringLiteral("clock-stopped")).copy(status) == solvedShot.copy(status),
          QStringLiteral("the clock stopped when the figure was made"));
    const QImage boxText = solvedShot.copy(boxFrame);
    Key(QStringLiteral("Return"));
    WaitUntil([&] { return OtherWindows(editor, main.id).isEmpty(); }, QStringLiteral("OK closes the box"));

    // F5 ends the solved puzzle, F5 again starts the figure afresh; hints
    // until it is made, one piece each at most.
    Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), main.id});
    Key(QStringLiteral("F5"));
    WaitFor(QStringLiteral("left-solved"), [&](const QImage& shot) { return shot.copy(board) == before.copy(board); });
    Key(QStringLiteral("F5"));
    const QImage again = WaitFor(QStringLiteral("puzzle-again"), [&](const QImage& shot) {
        return shot.copy(board) != before.copy(board);
    });
    int hints = 0;
    QImage lastHint = again;
    while (OtherWindows(editor, main.id).isEmpty()) {
        if (hints == Pieces)
            Fail(QStringLiteral("seven hints did not make the figure"));
        Key(QStringLiteral("ctrl+h"));
        ++hints;
        // Each hint changes the board or brings the box.
        QElapsedTimer wait;
        wait.start();
        for (;;) {
            const QImage shot = Screenshot(QStringLiteral("hint-%1").arg(hints));
            if (!OtherWindows(editor, main.id).isEmpty())
                break;
            if (shot.copy(board) != lastHint.copy(board)) {
                lastHint = shot;
                break;
            }
            if (wait.elapsed() > 15000)
                Fail(QStringLiteral("hint %1 changed nothing").arg(hints));
            Pause(300);
        }
    }
    Check(true, QStringLiteral("%1 hints made the figure and brought the box").arg(hints));
    const QImage hintSolved = Screenshot(QStringLiteral("solved-by-hints"));
    box = OtherWindows(editor, main.id).value(0);
    const QRect hintBox = Geometry(box);
    // The box's first line is the same message in both; the time and the
    // hints below it differ.
    const QRect firstLine(0, 0, boxFrame.width(), boxFrame.height() / 4);
    Check(hintBox.size() == boxFrame.size() &&
              hintSolved.copy(hintBox).copy(firstLine) == boxText.copy(firstLine),
          QStringLiteral("the same message box as for the mouse"));
    Check(hintSolved.copy(hintBox) != boxText, QStringLiteral("telling other hints and time"));
    Key(QStringLiteral("Return"));
    WaitUntil([&] { return OtherWindows(editor, main.id).isEmpty(); }, QStringLiteral("OK closes the box"));

    // Escape in a new puzzle, a piece moved: the board, the guide and the
    // title are as before the first puzzle.
    Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), main.id});
    Key(QStringLiteral("Escape"));
    WaitFor(QStringLiteral("left-hinted"), [&](const QImage& shot) { return shot.copy(board) == before.copy(board); });
    Key(QStringLiteral("F5"));
    const QImage third = WaitFor(QStringLiteral("puzzle-third"), [&](const QImage& shot) {
        return shot.copy(board) != before.copy(board);
    });
    player.Place(0, solution[0]);
    const QImage moved = Screenshot(QStringLiteral("piece-moved"));
    Check(moved.copy(board) != third.copy(board), QStringLiteral("a piece moved in the new puzzle"));
    Key(QStringLiteral("Escape"));
    const QImage restored = WaitFor(QStringLiteral("escaped"), [&](const QImage& shot) {
        return shot.copy(board) == before.copy(board);
    });
    Pause(500);
    const QImage settled = Screenshot(QStringLiteral("settled"));
    Check(settled.copy(board) == before.copy(board) && settled.copy(guide) == before.copy(guide),
          QStringLiteral("Escape brings back the board and the guide"));
    Check(Xdo({QStringLiteral("getwindowname"), main.id}) == title,
          QStringLiteral("the document is not marked modified: ") + title);

    editor.terminate();
    if (!editor.waitForFinished(10000))
        editor.kill();
    std::printf("all checks passed\n");
    return 0;
}
