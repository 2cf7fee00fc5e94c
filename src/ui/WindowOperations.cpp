// What every command of the window uses: repainting the boxes, the status
// bar, the enabled commands and caption, and the guide image.
#include "ui/ZolForm.h"

#include "io/AppPaths.h"

#include "ui/ActionGuard.h"
#include "ui/AppTitle.h"
#include "ui/DisplayText.h"
#include "ui/FigureListBox.h"
#include "ui/PaintBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace zol {

void TZolForm::Guarded(const std::function<void()>& handler) { RunGuarded(dialogs_, handler); }

bool TZolForm::antialias() const { return OptAA->isChecked(); }

bool TZolForm::tableShown() const { return ToolButtonShowTable->isChecked(); }

void TZolForm::ReleaseShowTable() { ToolButtonShowTable->setChecked(false); }

void TZolForm::RepaintBoxes(bool board, bool guide)
{
    if (board)
        pb1->update();
    if (guide)
        pb2->update();
}

void TZolForm::UpdateStatusBar()
{
    StatusPanels[0]->setText(DisplayPath(DocumentPathText(model)));
    StatusPanels[1]->setText(SetDisplayName(model));
    StatusPanels[2]->setText(QString::number(model.figureCount()));
}

void TZolForm::UpdateCommandState()
{
    const int n = model.figureCount();
    const int s = List->selectedRow();

    // The piece set can change only while the list is empty; the commands on
    // the whole list need at least one figure.
    EditChange->setEnabled(n < 1);
    for (QAction* a : {OptSSort, OptNSortLevel1, OptNSortLevel2, OptNSortLevel3, OptActiveViewer, OptmkHTML})
        a->setEnabled(n >= 1);

    const bool row = n > 0 && s >= 0;
    for (QAction* a : {EditDelete, EditGoEdit, ToolButtonShowTable})
        a->setEnabled(row);
    EditDown->setEnabled(row && s + 1 < n);
    EditUp->setEnabled(row && s > 0);
    if (!row)
        ReleaseShowTable();

    setWindowTitle(model.modified() ? AppTitle() + QStringLiteral("（変更）") : AppTitle());

    EditUndo->setEnabled(undo_->undoCount() >= 1);
    EditRedo->setEnabled(undo_->redoCount() >= 1);
}

void TZolForm::TakeGuideSnapshot() { guideFigure = model.GetCurrentFigure(); }

void TZolForm::RedrawGuide()
{
    scratchB = model.GetCurrentFigure();
    model.SetCurrentFigure(guideFigure);
    model.RenderBoard(-1, boardBitmap, guideBitmap, antialias());
    model.SetCurrentFigure(scratchB);
    RepaintBoxes(false, true);
}

void TZolForm::RedrawBoardFollowingGuide()
{
    if (GuideLock->isChecked()) {
        model.DrawFigure(-1, 1.0, boardBitmap, Background::Fill);
        RepaintBoxes(true, false);
        return;
    }
    model.RenderBoard(-1, boardBitmap, guideBitmap, antialias());
    RepaintBoxes(true, true);
    TakeGuideSnapshot();
}

void TZolForm::RedrawBoard()
{
    if (tableShown() && ToolButtonShowTable->isEnabled()) {
        DrawTableView();
        return;
    }
    model.DrawFigure(-1, 1.0, boardBitmap, Background::Fill);
    RepaintBoxes(true, false);
}

void TZolForm::ShowCaption() { SetCaptionText(CaptionText(model, -1)); }

void TZolForm::SetCaptionText(const QString& text)
{
    // The field shows what the model holds; writing the decoded text back
    // would replace bytes the encoding cannot show (U+FFFD) with others.
    assigningCaption_ = true;
    CaptionInput->setText(text);
    assigningCaption_ = false;
}

} // namespace zol
