// File commands: new, open (from the dialog or the history), merge, save,
// save as, exit, and the document's folder in the file browser.
#include "ui/ZolForm.h"

#include "io/AppPaths.h"
#include "io/DocumentFile.h"
#include "io/DocumentMerge.h"
#include "io/FileError.h"
#include "io/TextCodec.h"
#include "ui/ActionGuard.h"
#include "ui/DisplayText.h"
#include "ui/FigureListBox.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace zol {

namespace {

const QString SaveQuestion = QStringLiteral("ファイルの内容が変わっています。\n\n保存しますか？");
const QString OverwriteQuestion = QStringLiteral("\nはすでに存在します。\n\n上書きしますか？");

QString FolderOf(const QString& file) { return QFileInfo(file).absolutePath(); }

} // namespace

bool TZolForm::QuerySave(bool withCancel)
{
    if (!model.modified())
        return true;
    switch (dialogs_.Confirmation(SaveQuestion, withCancel)) {
    case Dialogs::Answer::Yes:
        FileSaveExecute();
        // A cancelled save dialog or a failed write would lose the changes.
        return !model.modified();
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

void TZolForm::ClearRows() { List->rows().Clear(); }

Dialogs::FileRequest TZolForm::OpenDocumentRequest() const
{
    return {QString(), QStringLiteral("Zolファイル|*.zol"), QStringLiteral("zol"), settings.inidir};
}

void TZolForm::NewDocument()
{
    if (QuerySave(true))
        StartNewDocument();
}

void TZolForm::FileNewExecute() { NewDocument(); }

void TZolForm::StartNewDocument()
{
    model.ClearFigureList();
    ClearRows();
    ShowBoardAndGuide(UndoStep::Push);
    UpdateStatusBar();
}

void TZolForm::LoadDocumentReporting(const QString& path)
{
    // The loader shows its own messages; a file it cannot read or parse
    // leaves the document as it was, and the window is brought up to date
    // all the same.
    RunGuarded(dialogs_, [&] { LoadDocument(model, path, currentFolder, prompter_); });
}

void TZolForm::ShowLoadedDocument()
{
    const int n = model.figureCount();
    RefreshListRows(0, n);
    if (n > 0) {
        List->selectRow(0);
        model.LoadFigure(0);
    }
    ShowBoardAndGuide(UndoStep::None);
    ReleaseShowTable();
}

void TZolForm::FinishOpen()
{
    if (model.setChanged())
        editor_.ResetUndo();
    else
        editor_.PushUndo();
    AddToHistory();
    UpdateStatusBar();
}

void TZolForm::FileOpenExecute()
{
    if (!QuerySave(true))
        return;
    if (const std::optional<QString> path = dialogs_.OpenFile(OpenDocumentRequest())) {
        ClearRows();
        settings.inidir = FolderOf(*path);
        currentFolder = settings.inidir;
        LoadDocumentReporting(*path);
        ShowLoadedDocument();
    }
    FinishOpen();
}

void TZolForm::HisFileOpenExecute(int tag)
{
    if (tag < 0 || tag >= HistorySize || settings.history[tag].isEmpty() || !QuerySave(true))
        return;
    const QString path = settings.history[tag];
    ClearRows();
    settings.inidir = FolderOf(path);
    LoadDocumentReporting(path);
    ShowLoadedDocument();
    FinishOpen();
}

void TZolForm::FileMargeExecute()
{
    if (!model.modified() && model.figureCount() == 0) {
        FileOpenExecute();
        return;
    }
    const std::optional<QString> path = dialogs_.OpenFile(OpenDocumentRequest());
    if (!path)
        return;
    currentFolder = FolderOf(*path);
    const TextEncoding before = model.documentEncoding();
    const MergeOutcome merged = MergeDocument(model, *path, prompter_);
    if (model.documentEncoding() != before)
        editor_.RecodeHeldCaptions(before, model.documentEncoding());
    if (merged.kind != MergeOutcome::Merged)
        return;
    RefreshListRows(merged.first, merged.count);
    List->selectRow(merged.first);
    UpdateStatusBar();
    model.LoadFigure(merged.first);
    ShowBoardAndGuide(UndoStep::None);
}

bool TZolForm::SaveDocumentReporting(const QString& path)
{
    try {
        SaveDocument(model, path);
        return true;
    } catch (const FileError& e) {
        dialogs_.Error(QString::fromUtf8(e.what()));
        return false;
    }
}

void TZolForm::FileSaveExecute()
{
    if (!model.hasDocumentFile()) {
        FileSaveAsExecute();
        return;
    }
    if (model.modified()) {
        SaveDocumentReporting(DocumentPathText(model));
    }
}

void TZolForm::FileSaveAsExecute()
{
    const Dialogs::FileRequest request{QString(), QStringLiteral("Zolファイル|*.zol|すべてのファイル|*.*"),
                                       QStringLiteral("zol"), DocumentPathText(model)};
    const std::optional<QString> path = dialogs_.SaveFile(request);
    if (!path)
        return;
    currentFolder = FolderOf(*path);
    if (QFileInfo::exists(*path) && dialogs_.Warning(DisplayPath(*path) + OverwriteQuestion) != Dialogs::Answer::Yes)
        return;
    const bool wasModified = model.modified();
    model.setModified(true); // written even when nothing changed
    if (!SaveDocumentReporting(*path)) {
        model.setModified(wasModified);
        return;
    }
    AddToHistory();
    UpdateStatusBar();
}

void TZolForm::FileExitExecute()
{
    if (!QuerySave(true))
        return;
    model.setModified(false); // closing does not ask again
    close();
}

void TZolForm::FileDirOpenExecute()
{
    if (model.hasDocumentFile()) {
        const QString folder = FolderOf(DocumentPathText(model));
        if (QFileInfo(folder).isDir()) {
            dialogs_.OpenFolder(folder);
            return;
        }
    }
    for (const QString& folder : {DocumentFolder(), ProgramFolder()}) {
        if (QFileInfo(folder).isDir()) {
            dialogs_.OpenFolder(folder);
            return;
        }
    }
}

} // namespace zol
