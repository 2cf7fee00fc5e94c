// A figure of the list played as a puzzle on the board: entering and leaving
// the mode, hints, the clock, and the message when it is solved.
#include "ui/ZolForm.h"

#include "ui/Dialogs.h"
#include "ui/PaintBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace zol {

namespace {

// How long a hint may search for a solution that keeps the pieces already
// put down before it settles for the figure's own placement.
constexpr std::chrono::milliseconds HintSearchTime{1500};
// The status bar's clock is brought up to date this often.
constexpr int ClockTickMs = 250;

} // namespace

void TZolForm::OptPuzzleExecute()
{
    if (editor_.inPuzzle()) {
        LeavePuzzle();
        return;
    }
    const int s = editor_.view.selectedRow;
    if (s < 0)
        return;
    list_.HideTable();
    editor_.EnterPuzzle(s);
    puzzleClockFed_.start();
    ShowCaption();
    UpdateStatusBar();
    RepaintBoxes(Boxes::Both);
}

void TZolForm::PuzzleLeaveExecute() { LeavePuzzle(); }

void TZolForm::LeavePuzzle()
{
    if (!editor_.inPuzzle())
        return;
    editor_.LeavePuzzle();
    ShowCaption();
    UpdateStatusBar();
    RepaintBoxes(Boxes::Both);
}

void TZolForm::OptHintExecute()
{
    if (!editor_.inPuzzle() || editor_.puzzle->solved())
        return;
    FeedPuzzleClock();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Figure hinted = editor_.puzzle->Hint(editor_.model.GetCurrentFigure(), HintSearchTime);
    QApplication::restoreOverrideCursor();
    editor_.model.SetCurrentFigure(hinted);
    editor_.PushUndo();
    RedrawBoardFollowingGuide();
    UpdateStatusBar(); // one more hint
}

void TZolForm::FeedPuzzleClock()
{
    if (editor_.inPuzzle())
        editor_.puzzle->Elapse(puzzleClockFed_.restart());
}

void TZolForm::CheckPuzzle()
{
    if (!editor_.inPuzzle())
        return;
    FeedPuzzleClock();
    if (editor_.CheckPuzzle()) {
        UpdateStatusBar(); // the clock as it stopped
        RepaintBoxes(Boxes::Guide);
        puzzleJustSolved_ = true;
    }
}

void TZolForm::ShowPuzzleSolved()
{
    if (!editor_.inPuzzle())
        return;
    const Puzzle& puzzle = *editor_.puzzle;
    dialogs_.Information(tr("完成！\n\nタイム %1\nヒント %2回")
                             .arg(QString::fromStdString(ClockText(puzzle.elapsedMs())))
                             .arg(puzzle.hintsUsed()));
}

void TZolForm::ShowPuzzleState()
{
    if (!puzzleTimer_) {
        puzzleTimer_ = new QTimer(this);
        puzzleTimer_->setInterval(ClockTickMs);
        connect(puzzleTimer_, &QTimer::timeout, this, [this] {
            FeedPuzzleClock();
            UpdateStatusBar();
        });
    }
    const bool playing = editor_.inPuzzle() && !editor_.puzzle->solved();
    if (playing && !puzzleTimer_->isActive())
        puzzleTimer_->start();
    else if (!playing)
        puzzleTimer_->stop();
    // The board figure's caption is not the player's to edit.
    CaptionInput->setReadOnly(editor_.inPuzzle());
}

} // namespace zol
