// The history of the board figure: entries, undo, redo, and starting over.
#include "ui/ZolForm.h"

#include <QAction>

namespace zol {

void TZolForm::PushUndo() { undo_->Push(model.GetCurrentFigure()); }

void TZolForm::ResetUndo()
{
    undo_->Reset(model.GetCurrentFigure());
    UpdateCommandState();
}

void TZolForm::ReplaceUndoTop() { undo_->ReplaceTop(model.GetCurrentFigure()); }

void TZolForm::ShowReplacedBoardFigure()
{
    RedrawBoardFollowingGuide();
    ShowCaption();
    ReleaseShowTable();
}

void TZolForm::ShowHistoryEntry(const Figure& entry)
{
    model.SetCurrentFigure(entry);
    ShowReplacedBoardFigure();
    UpdateCommandState();
}

void TZolForm::EditUndoExecute()
{
    if (undo_->undoCount() >= 1)
        ShowHistoryEntry(undo_->Undo());
}

void TZolForm::EditRedoExecute()
{
    if (undo_->redoCount() >= 1)
        ShowHistoryEntry(undo_->Redo());
}

void TZolForm::EditBreakExecute()
{
    // A fresh scatter of the set's pieces; the list and its modified flag stay.
    model.ResetFigure();
    ShowReplacedBoardFigure();
    PushUndo();
    UpdateCommandState();
}

} // namespace zol
