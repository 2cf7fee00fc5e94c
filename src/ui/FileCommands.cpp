// File commands: new, open (from the dialog or the history), merge, save,
// save as, exit, and the document's folder in the file browser.
#include "ui/ZolForm.h"

#include "io/AppPaths.h"
#include "io/DocumentFile.h"
#include "io/DocumentMerge.h"
#include "io/FileError.h"
#include "io/NativePath.h"
#include "io/TextCodec.h"
#include "model/CommaList.h"
#include "ui/ActionGuard.h"
#include "ui/DisplayText.h"
#include "ui/ShowFolder.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zol {

namespace {


QString FolderOf(const QString& file) { return QFileInfo(file).absolutePath(); }

} // namespace

bool TZolForm::MayOverwrite(const QString& path)
{
    const QString question = DisplayPath(path) + tr("\nはすでに存在します。\n\n上書きしますか？");
    return !PathExists(path) || dialogs_.Warning(question) == Dialogs::Answer::Yes;
}

bool TZolForm::QuerySave(bool withCancel)
{
    if (!editor_.model.modified())
        return true;
    switch (dialogs_.Confirmation(tr("ファイルの内容が変わっています。\n\n保存しますか？"), withCancel)) {
    case Dialogs::Answer::Yes:
        FileSaveExecute();
        // A cancelled save dialog or a failed write would lose the changes.
        return !editor_.model.modified();
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

Dialogs::FileRequest TZolForm::OpenDocumentRequest() const
{
    return {QString(), tr("Zolファイル|*.zol"), QStringLiteral("zol"), editor_.settings.inidir};
}

void TZolForm::FileNewExecute()
{
    if (QuerySave(true))
        StartNewDocument();
}

void TZolForm::StartNewDocument()
{
    editor_.proposedName.clear();
    editor_.model.ClearFigureList();
    list_.RowsCleared();
    ShowBoardAndGuide(UndoStep::Push);
    UpdateStatusBar();
}

void TZolForm::LoadDocumentReporting(const QString& path)
{
    // The loader shows its own messages; a file it cannot read or parse
    // leaves the document as it was, and the window is brought up to date
    // all the same.
    editor_.proposedName.clear();
    RunGuarded(dialogs_, [&] { LoadDocument(editor_.model, path, editor_.currentFolder, prompter_); });
}

std::optional<QString> TZolForm::TakeListFigure(int i)
{
    try {
        editor_.model.LoadFigure(i);
        return std::nullopt;
    } catch (const ConversionError& e) {
        return tr("%1番目の図形の配置を読み込めません。\n").arg(i + 1) + QString::fromUtf8(e.what());
    }
}

std::optional<QString> TZolForm::ShowLoadedDocument()
{
    const int n = editor_.model.figureCount();
    list_.RowsRead(0, n);
    std::optional<QString> figureError;
    if (n > 0) {
        list_.Select(0);
        figureError = TakeListFigure(0);
    }
    ShowBoardAndGuide(UndoStep::None);
    list_.HideTable();
    return figureError;
}

void TZolForm::FinishLoad(const std::vector<std::string>& setBefore, const std::optional<QString>& figureError)
{
    // The history holds figures of one set: after a load that installed
    // another one, even a load that then failed, there is nothing to go back to.
    if (editor_.model.setLines() != setBefore)
        editor_.ResetUndo();
    else
        editor_.PushUndo();
    UpdateStatusBar();
    UpdateCommandState();
    if (figureError)
        dialogs_.Error(*figureError);
}

void TZolForm::FinishOpen(const std::vector<std::string>& setBefore, const std::optional<QString>& figureError)
{
    AddToHistory();
    FinishLoad(setBefore, figureError);
}

void TZolForm::FileChosen(const QString& path)
{
    editor_.currentFolder = FolderOf(path);
    editor_.folderChosen = true;
}

void TZolForm::FileOpenExecute()
{
    if (!QuerySave(true))
        return;
    const std::vector<std::string> setBefore = editor_.model.setLines();
    std::optional<QString> figureError;
    if (const std::optional<QString> path = dialogs_.OpenFile(OpenDocumentRequest())) {
        list_.RowsCleared();
        editor_.settings.inidir = FolderOf(*path);
        FileChosen(*path);
        LoadDocumentReporting(*path);
        figureError = ShowLoadedDocument();
    }
    FinishOpen(setBefore, figureError);
}

void TZolForm::HisFileOpenExecute(int tag)
{
    if (tag < 0 || tag >= HistorySize || editor_.settings.history[tag].isEmpty() || !QuerySave(true))
        return;
    const QString path = editor_.settings.history[tag];
    const std::vector<std::string> setBefore = editor_.model.setLines();
    list_.RowsCleared();
    editor_.settings.inidir = FolderOf(path);
    LoadDocumentReporting(path);
    FinishOpen(setBefore, ShowLoadedDocument());
}

void TZolForm::FileMargeExecute()
{
    if (!editor_.model.modified() && editor_.model.figureCount() == 0) {
        FileOpenExecute();
        return;
    }
    const std::optional<QString> path = dialogs_.OpenFile(OpenDocumentRequest());
    if (!path)
        return;
    FileChosen(*path);
    const TextEncoding before = editor_.model.documentEncoding();
    const MergeOutcome merged = MergeDocument(editor_.model, *path, prompter_);
    if (editor_.model.documentEncoding() != before)
        editor_.RecodeHeldCaptions(before, editor_.model.documentEncoding());
    if (merged.kind != MergeOutcome::Merged)
        return;
    list_.RowsRead(merged.first, merged.count);
    list_.Select(merged.first);
    UpdateStatusBar();
    const std::optional<QString> figureError = TakeListFigure(merged.first);
    ShowBoardAndGuide(UndoStep::None);
    UpdateCommandState();
    if (figureError)
        dialogs_.Error(*figureError);
}

bool TZolForm::SaveDocumentReporting(const QString& path)
{
    try {
        SaveDocument(editor_.model, path);
        return true;
    } catch (const FileError& e) {
        dialogs_.Error(ErrorText(e));
        return false;
    }
}

void TZolForm::FileSaveExecute()
{
    if (!editor_.model.hasDocumentFile()) {
        FileSaveAsExecute();
        return;
    }
    if (editor_.model.modified()) {
        SaveDocumentReporting(DocumentPathText(editor_.model));
    }
}

QString TZolForm::SaveProposal() const
{
    if (editor_.model.hasDocumentFile())
        return DocumentPathText(editor_.model);
    const QString name = editor_.proposedName.isEmpty() ? DocumentPathText(editor_.model) : editor_.proposedName;
    // A bare name would be taken relative to the folder the program was started in.
    const QString folder = editor_.folderChosen
                               ? editor_.currentFolder
                               : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath(name);
}

void TZolForm::FileSaveAsExecute()
{
    const Dialogs::FileRequest request{QString(), tr("Zolファイル|*.zol|すべてのファイル|*.*"),
                                       QStringLiteral("zol"), SaveProposal()};
    const std::optional<QString> path = dialogs_.SaveFile(request);
    if (!path)
        return;
    FileChosen(*path);
    if (!MayOverwrite(*path))
        return;
    const bool wasModified = editor_.model.modified();
    editor_.model.setModified(true); // written even when nothing changed
    if (!SaveDocumentReporting(*path)) {
        editor_.model.setModified(wasModified);
        return;
    }
    AddToHistory();
    UpdateStatusBar();
}

void TZolForm::FileExitExecute()
{
    if (!QuerySave(true))
        return;
    editor_.model.setModified(false); // closing does not ask again
    close();
}

void TZolForm::FileDirOpenExecute()
{
    QStringList candidates = {DocumentFolder(), ProgramFolder()};
    if (editor_.model.hasDocumentFile())
        candidates.prepend(FolderOf(DocumentPathText(editor_.model)));
    for (const QString& folder : candidates) {
        if (!QFileInfo(folder).isDir())
            continue;
        ShowFolder(dialogs_, folder);
        return;
    }
}

} // namespace zol
