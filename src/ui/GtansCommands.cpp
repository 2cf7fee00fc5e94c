// gTans collections: importing one as a new document of the built-in set,
// and exporting the document's figures in that format.
#include "ui/ZolForm.h"

#include "export/GtansTransfer.h"
#include "io/AppPaths.h"
#include "io/GtansFile.h"
#include "io/TextCodec.h"
#include "model/GtansFit.h"
#include "model/Message.h"
#include "ui/ActionGuard.h"
#include "ui/DisplayText.h"
#include "ui/Translations.h"

#include <QFileInfo>

namespace zol {

namespace {

const QString GtansSuffix = QStringLiteral("figures");
// Where the gTans game keeps its collections, when it is installed.
const QString GtansFolder = QStringLiteral("/usr/share/games/gtans/figures");

QString GtansFilter() { return TZolForm::tr("gTansの図形|*.figures|すべてのファイル|*.*"); }

} // namespace

void TZolForm::FileImportGtansExecute()
{
    if (!QuerySave(true))
        return;
    const QString folder = QFileInfo(GtansFolder).isDir() ? GtansFolder : editor_.settings.inidir;
    const std::optional<QString> path = dialogs_.OpenFile({QString(), GtansFilter(), GtansSuffix, folder});
    if (!path)
        return;
    const std::vector<std::string> setBefore = editor_.model.setLines();
    GtansImportResult result;
    try {
        result = ImportGtans(editor_.model, *path);
    } catch (const std::exception& e) { // FileError, ConversionError: the document stays as it was
        dialogs_.Error(DisplayPath(*path) + QStringLiteral("\n") + ErrorText(e));
        return;
    }
    list_.RowsCleared();
    // The collection is no document file: it stays out of the history menu,
    // and its name is proposed when the document is first saved.
    editor_.proposedName = QFileInfo(*path).completeBaseName();
    FinishLoad(setBefore, ShowLoadedDocument());
    dialogs_.Information(tr("%1 個の図形を読み込みました。\n頂点の位置のずれは最大 %2 ピクセルです。")
                             .arg(result.figures)
                             .arg(result.worstError, 0, 'f', 2));
}

void TZolForm::FileExportGtansExecute()
{
    // Said before a file is asked for, with the name the set menu shows.
    if (!HoldsBuiltInSet(editor_.model)) {
        const std::string set = DecodeText(editor_.model.pieceSet().displayName, editor_.model.setEncoding()).toStdString();
        dialogs_.Error(QString::fromStdString(MessageText({MessageId::GtansOtherSet, {set}}, WindowMessageLanguage())));
        return;
    }
    if (const std::optional<Message> refusal = GtansCountRefusal(editor_.model.figureCount())) {
        dialogs_.Error(QString::fromStdString(MessageText(*refusal, WindowMessageLanguage())));
        return;
    }
    const QString proposal = QFileInfo(SaveProposal()).completeBaseName() + QStringLiteral(".figures");
    const QString folder = QFileInfo(SaveProposal()).absolutePath();
    const std::optional<QString> path =
        dialogs_.SaveFile({QString(), GtansFilter(), GtansSuffix, folder + QStringLiteral("/") + proposal});
    if (!path)
        return;
    if (!MayOverwrite(*path))
        return;
    try {
        ExportGtans(editor_.model, *path);
    } catch (const std::exception& e) { // a broken figure, an unwritable file
        dialogs_.Error(ErrorText(e));
        return;
    }
    dialogs_.Information(
        tr("%1 個の図形を書き出しました。\n%2").arg(editor_.model.figureCount()).arg(DisplayPath(*path)));
}

} // namespace zol
