// What every command of the window uses: repainting the boxes, the status
// bar, the enabled commands and caption, and the guide image.
#include "ui/ZolForm.h"

#include "io/AppPaths.h"
#include "io/TextCodec.h"

#include "ui/ActionGuard.h"
#include "ui/DisplayText.h"
#include "ui/FigureListBox.h"
#include "ui/GaugeProgress.h"
#include "ui/ImageList.h"
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
    // Still counted as inside: the list taking the editor's row is no
    // selection of the user's.
    if (handlerDepth_ == 1)
        UpdateCommandState();
    --handlerDepth_;
    // Told once the board and the status bar show the solved puzzle.
    if (handlerDepth_ == 0 && puzzleJustSolved_) {
        puzzleJustSolved_ = false;
        ShowPuzzleSolved();
    }
}

void TZolForm::ShowViewState()
{
    const ViewState& view = editor_.view;
    OptAA->setChecked(view.antialias);
    AA->setChecked(view.antialias);
    ToolButtonShowTable->setChecked(view.tableShown);
    OptPuzzle->setChecked(editor_.inPuzzle());
    GuideLock->setChecked(view.guideLocked);
    if (List->selectedRow() != view.selectedRow)
        List->selectRow(view.selectedRow);
    // Setting a picture tells every button of the action, even the same one.
    const QIcon addPicture = ImageListIcon(view.addMode == AddMode::Replace ? Image::AddReplace : Image::AddInsert);
    if (EditAdd->icon().cacheKey() != addPicture.cacheKey())
        EditAdd->setIcon(addPicture); // the tool button and the menu item alike
}

void TZolForm::RepaintBoxes(Boxes boxes)
{
    if (boxes != Boxes::Guide)
        pb1->update();
    if (boxes != Boxes::Board)
        pb2->update();
}

void TZolForm::UpdateStatusBar()
{
    if (const auto& puzzle = editor_.puzzle) {
        StatusPanels[0]->setText(DecodeText(puzzle->target().caption, editor_.model.documentEncoding()));
        StatusPanels[1]->setText(QString::fromStdString(ClockText(puzzle->elapsedMs())));
        StatusPanels[2]->setText(tr("ヒント %1").arg(puzzle->hintsUsed()));
        return;
    }
    StatusPanels[0]->setText(DisplayPath(DocumentPathText(editor_.model)));
    StatusPanels[1]->setText(SetDisplayName(editor_.model));
    StatusPanels[2]->setText(QString::number(editor_.model.figureCount()));
}

void TZolForm::RedrawGuideAndBoard()
{
    editor_.RenderGuideFigure();
    RepaintBoxes(Boxes::Guide);
    list_.RedrawBoard();
}

void TZolForm::ShowBoardAndGuide(UndoStep step)
{
    editor_.RenderNewBoardFigure(step);
    ShowCaption();
    RepaintBoxes(Boxes::Both);
}

void TZolForm::RedrawBoardFollowingGuide()
{
    editor_.DrawBoardFollowingGuide();
    RepaintBoxes(editor_.view.guideLocked ? Boxes::Board : Boxes::Both);
    CheckPuzzle();
}

void TZolForm::ShowEditor()
{
    Guarded([&] {
        list_.RowsRead(0, editor_.model.figureCount());
        ShowCaption();
        UpdateStatusBar();
        RepaintBoxes(Boxes::Both);
    });
}

QPoint TZolForm::BoardOrigin() const { return pb1->mapToGlobal(QPoint(0, 0)); }

void TZolForm::CarryStarted()
{
    CaptionInput->setFocus(Qt::OtherFocusReason);
    pb1->setCursor(Qt::BlankCursor);
}

void TZolForm::CarryEnded() { pb1->unsetCursor(); }

void TZolForm::ShowCaption() { SetCaptionText(CaptionText(editor_.model, BoardFigure)); }

void TZolForm::SetCaptionText(const QString& text)
{
    // The field shows what the model holds; writing the decoded text back
    // would replace bytes the encoding cannot show (U+FFFD) with others.
    assigningCaption_ = true;
    CaptionInput->setText(text);
    assigningCaption_ = false;
}

} // namespace zol
