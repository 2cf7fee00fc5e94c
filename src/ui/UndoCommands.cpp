// The history of the board figure: entries, undo, redo, and starting over.
#include "ui/ZolForm.h"

#include <QAction>

namespace zol {

void TZolForm::ShowReplacedBoardFigure()
{
    RedrawBoardFollowingGuide();
    ShowCaption();
    list_.HideTable();
}

void TZolForm::ShowHistoryEntry(const Figure& entry)
{
    editor_.model.SetCurrentFigure(entry);
    ShowReplacedBoardFigure();
}

void TZolForm::EditUndoExecute()
{
    if (editor_.undo().undoCount() >= 1)
        ShowHistoryEntry(editor_.undo().Undo());
}

void TZolForm::EditRedoExecute()
{
    if (editor_.undo().redoCount() >= 1)
        ShowHistoryEntry(editor_.undo().Redo());
}

void TZolForm::EditBreakExecute()
{
    // A fresh scatter of the set's pieces; the list and its modified flag stay.
    editor_.model.ResetFigure();
    ShowReplacedBoardFigure();
    editor_.PushUndo();
}

} // namespace zol
