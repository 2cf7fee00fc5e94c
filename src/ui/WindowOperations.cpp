// What every command of the window uses: repainting the boxes, the status
// bar, the enabled commands and caption, and the guide image.
#include "ui/ZolForm.h"

#include "io/AppPaths.h"

#include "ui/ActionGuard.h"
#include "ui/DisplayText.h"
#include "ui/FigureListBox.h"
#include "ui/GaugeProgress.h"
#include "ui/PaintBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace zol {

Progress& TZolForm::progress() { return *progress_; }

void TZolForm::Guarded(const std::function<void()>& handler)
{
    // Handlers can start others (a caption shown fires the field's change);
    // the outermost one brings the commands up to date, whether it finished,
    // stopped early or failed.
    ++handlerDepth_;
    RunGuarded(dialogs_, handler);
    if (--handlerDepth_ == 0)
        UpdateCommandState();
}

bool TZolForm::antialias() const { return OptAA->isChecked(); }

bool TZolForm::tableShown() const { return ToolButtonShowTable->isChecked(); }

void TZolForm::ReleaseShowTable() { ToolButtonShowTable->setChecked(false); }

void TZolForm::RepaintBoxes(Boxes boxes)
{
    if (boxes != Boxes::Guide)
        pb1->update();
    if (boxes != Boxes::Board)
        pb2->update();
}

void TZolForm::UpdateStatusBar()
{
    StatusPanels[0]->setText(DisplayPath(DocumentPathText(model)));
    StatusPanels[1]->setText(SetDisplayName(model));
    StatusPanels[2]->setText(QString::number(model.figureCount()));
}

void TZolForm::RedrawGuide()
{
    editor_.RenderGuideFigure(antialias());
    RepaintBoxes(Boxes::Guide);
}

void TZolForm::ShowBoardAndGuide(UndoStep step)
{
    editor_.RenderBoardAndGuide(antialias());
    ShowCaption();
    RepaintBoxes(Boxes::Both);
    editor_.TakeGuideSnapshot();
    if (step == UndoStep::Push)
        editor_.PushUndo();
    else if (step == UndoStep::Reset)
        editor_.ResetUndo();
}

void TZolForm::RedrawBoardFollowingGuide()
{
    if (GuideLock->isChecked()) {
        editor_.DrawBoard();
        RepaintBoxes(Boxes::Board);
        return;
    }
    editor_.RenderBoardAndGuide(antialias());
    RepaintBoxes(Boxes::Both);
    editor_.TakeGuideSnapshot();
}

void TZolForm::RedrawBoard()
{
    if (tableShown() && ToolButtonShowTable->isEnabled()) {
        DrawTableView();
        return;
    }
    editor_.DrawBoard();
    RepaintBoxes(Boxes::Board);
}

QPoint TZolForm::BoardOrigin() const { return pb1->mapToGlobal(QPoint(0, 0)); }

void TZolForm::CarryStarted()
{
    CaptionInput->setFocus(Qt::OtherFocusReason);
    pb1->setCursor(Qt::BlankCursor);
}

void TZolForm::CarryEnded() { pb1->unsetCursor(); }

void TZolForm::ShowCaption() { SetCaptionText(CaptionText(model, BoardFigure)); }

void TZolForm::SetCaptionText(const QString& text)
{
    // The field shows what the model holds; writing the decoded text back
    // would replace bytes the encoding cannot show (U+FFFD) with others.
    assigningCaption_ = true;
    CaptionInput->setText(text);
    assigningCaption_ = false;
}

} // namespace zol
