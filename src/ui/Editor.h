#pragma once
// What the editor works on, apart from any window: the model with its piece
// set, board figure and figure list, the board and guide bitmaps, the figure
// the guide shows, the undo history, how the user is editing (the selected
// row, the guide's antialiasing, the table view, the guide lock, the add
// mode), the settings of Zol.ini (the palette record among them) and the
// folders file dialogs start in. The main window and the windows that come
// later (palette, colour picker, viewer, arc calculator, about, help) share
// one Editor.

#include "io/Settings.h"
#include "model/BoardRedraw.h"
#include "model/Figure.h"
#include "model/Puzzle.h"
#include "model/TangramModel.h"
#include "model/TextEncoding.h"
#include "ui/UndoRing.h"
#include "ui/ViewState.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

namespace zol {

// The figure index that names the board's figure rather than a list figure.
inline constexpr int BoardFigure = -1;
// The selection of the model when a band picked a group of pieces.
inline constexpr int GroupSelection = -2;

// What becomes of the undo history when the board shows a new figure.
enum class UndoStep { None, Push, Reset };

class Editor {
public:
    Editor();

    // Reserves the undo history; throws std::bad_alloc when it cannot be had.
    void CreateUndoRing(int size);
    bool hasUndoRing() const { return undo_ != nullptr; }
    UndoRing& undo() { return *undo_; }
    const UndoRing& undoRing() const { return *undo_; }

    // The board figure becomes the newest undo entry, replaces it, or is all
    // the history holds.
    void PushUndo();
    void ReplaceUndoTop();
    void ResetUndo();

    // The board's figure into the board bitmap, at full size.
    void DrawBoard();
    // The board's figure into the board bitmap and, reduced, the guide bitmap.
    void RenderBoardAndGuide();
    // The guide figure into the guide bitmap, by way of the board bitmap,
    // which holds it until the board is drawn again.
    void RenderGuideFigure();
    // List figure i becomes the guide figure, drawn into both bitmaps.
    void ShowListFigureInGuide(int i);

    // The guide keeps showing the board figure as it is now.
    void TakeGuideSnapshot();
    // The board figure changed for good: it is drawn on the board, and in
    // the guide, which keeps it, unless the guide is locked.
    void DrawBoardFollowingGuide();
    // The board has a new figure: it is drawn on the board and in the guide,
    // the guide keeps it, and the undo history takes `step`.
    void RenderNewBoardFigure(UndoStep step);

    // Captions typed earlier were checked against the old encoding; those
    // that still do not convert keep their bytes rather than lose text.
    void RecodeHeldCaptions(TextEncoding from, TextEncoding to);

    // --- puzzle mode ----------------------------------------------------------
    // List figure i becomes a puzzle: the guide shows its silhouette in one
    // colour, the board the set's start arrangement, with an undo history of
    // its own. Throws ConversionError, changing nothing, when the figure's
    // placement line does not read.
    void EnterPuzzle(int i);
    // The board figure and the undo history from before the puzzle come
    // back, both drawn; nothing of the puzzle stays. Nothing happens outside
    // the mode.
    void LeavePuzzle();
    bool inPuzzle() const { return puzzle.has_value(); }
    // After the board changed in the mode: true when this solved the puzzle,
    // whose figure the guide then shows.
    bool CheckPuzzle();

    std::optional<Puzzle> puzzle;

    TangramModel model;
    QImage boardBitmap;
    QImage guideBitmap;
    Figure guideFigure;
    ViewState view;
    // The settings of Zol.ini: read at start-up, kept up to date by the
    // commands, written back at shut-down. `palette` is the current record
    // (its background is taken from the model when written), `inidir` the
    // open dialog's folder, `history` the recently used documents.
    Settings settings;
    // Where files named without a folder are looked for first: the folder of
    // the file last chosen in a file dialog.
    QString currentFolder;
    // Whether currentFolder came from a dialog rather than the start-up folder.
    bool folderChosen = false;
    // The name (without folder) proposed when a document without a file is
    // first saved, such as an imported collection's; empty for the usual one.
    QString proposedName;
    // The open dialog of piece-set files starts here.
    QString pieceSetDialogFolder;

private:
    // The guide's picture of the puzzle: the target's silhouette in one
    // colour until it is solved, then the figure itself.
    void RenderPuzzleGuide();

    std::unique_ptr<UndoRing> undo_;
    // Kept while a puzzle is played.
    std::unique_ptr<UndoRing> undoBeforePuzzle_;
    Figure boardBeforePuzzle_;
    // The board figure is redrawn on every mouse move while pieces are
    // carried: only the pixels the last figure covered go back to the
    // background, unless someone else drew into the bitmap since.
    BoardRedraw boardRedraw_;
};

} // namespace zol
