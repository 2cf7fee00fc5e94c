// Piece sets: the menu of the sets found at start-up, switching to one of
// them or to any file the user picks, and back to the built-in set.
#include "ui/ZolForm.h"

#include "io/AppPaths.h"
#include "io/PieceSetFile.h"
#include "ui/ActionGuard.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace zol {

void TZolForm::BuildPieceSetMenu()
{
    editor_.pieceSetDialogFolder = PieceSetScanFolder();
    PieceSetMenu menu;
    RunGuarded(dialogs_, [&] { menu = ScanPieceSets(editor_.model, editor_.pieceSetDialogFolder, prompter_); });
    if (!menu.errors.empty())
        dialogs_.Error(PieceSetErrorReport(menu.errors, Language::Japanese));
    pieceSetNames_ = std::move(menu.setNames);
    for (size_t i = 0; i < menu.displayNames.size(); ++i) {
        // A name is a caption as it stands; "&" marks no accelerator.
        auto* item = new QAction(QString(menu.displayNames[i]).replace('&', "&&"), this);
        const int tag = static_cast<int>(i);
        item->setData(tag);
        connect(item, &QAction::triggered, this, [this, tag] { Guarded([&] { PltSLoadExecute(tag); }); });
        PopupMenuPlt->addAction(item);
    }
}

void TZolForm::PltSLoadExecute(int tag)
{
    if (tag >= 0) {
        if (tag < static_cast<int>(pieceSetNames_.size()))
            SwitchPieceSet(pieceSetNames_[tag]);
        return;
    }
    // The built-in set: the question about unsaved changes comes first, so
    // that a cancelled question leaves the document with the set it names.
    if (!QuerySave(true))
        return;
    const std::vector<std::string> setBefore = editor_.model.setLines();
    editor_.model.LoadBuiltInSet();
    StartNewDocument();
    // Undo entries of another set would put its placements on these pieces.
    if (editor_.model.setLines() != setBefore)
        editor_.ResetUndo();
}

void TZolForm::EditChangeExecute()
{
    if (editor_.model.figureCount() > 0)
        return;
    const Dialogs::FileRequest request{QString(), QStringLiteral("ピース形状ファイル|*.plt"), QStringLiteral("plt"),
                                       editor_.pieceSetDialogFolder};
    const std::optional<QString> path = dialogs_.OpenFile(request);
    if (!path)
        return;
    FileChosen(*path);
    SwitchPieceSet(QFileInfo(*path).completeBaseName());
}

void TZolForm::SwitchPieceSet(const QString& name)
{
    ChangePieceSet(editor_.model, name, editor_.currentFolder, prompter_);
    list_.RowsCleared();
    ShowBoardAndGuide(UndoStep::Reset);
    UpdateStatusBar();
}

} // namespace zol
