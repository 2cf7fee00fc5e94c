// The list as SVG files, one per figure, in a folder beside the document:
// the window asks where and how, the export layer writes the files.
#include "ui/ZolForm.h"

#include "export/VectorExport.h"
#include "io/AppPaths.h"
#include "ui/Dialogs.h"
#include "ui/DisplayText.h"
#include "ui/ShowFolder.h"

#include <QFileInfo>

namespace zol {

namespace {

// The folder beside the document, or, for a document never saved, named
// after the file the user chooses, starting where the document would be
// saved (never the process's current folder).
std::optional<QString> AskSvgFolder(Dialogs& dialogs, const TangramModel& model, const QString& saveProposal)
{
    if (model.hasDocumentFile())
        return SvgFolder(DocumentPathText(model));
    const Dialogs::FileRequest request{TZolForm::tr("SVGファイルの保存先"), TZolForm::tr("SVGファイル|*.svg"),
                                       QStringLiteral("svg"), saveProposal + QStringLiteral(".svg")};
    const std::optional<QString> path = dialogs.SaveFile(request);
    if (!path)
        return std::nullopt;
    return SvgFolder(*path);
}

// How to draw the files; nothing when the user cancelled.
std::optional<VectorStyle> AskSvgStyle(Dialogs& dialogs, const QString& folder)
{
    QString text = TZolForm::tr("SVGファイルはフォルダー「%1」に作成されます。").arg(DisplayPath(folder));
    if (QFileInfo(folder).isDir())
        text += TZolForm::tr("\n同じ名前のファイルは置き換えられます。");
    text += QStringLiteral("\n\n") +
            TZolForm::tr("ピースをパレットの色で書き出しますか？\n「いいえ」を選ぶと、シルエットだけを書き出します。");
    switch (dialogs.Confirmation(text, true)) {
    case Dialogs::Answer::Yes:
        return VectorStyle::Pieces;
    case Dialogs::Answer::No:
        return VectorStyle::Silhouette;
    default:
        return std::nullopt;
    }
}

} // namespace

void TZolForm::FileExportSvgExecute()
{
    const std::optional<QString> folder = AskSvgFolder(dialogs_, editor_.model, SaveProposal());
    if (!folder)
        return;
    const std::optional<VectorStyle> style = AskSvgStyle(dialogs_, *folder);
    if (!style)
        return;
    // A file that cannot be written, or a figure that cannot be read, is
    // reported by the command's guard with what failed and why.
    const std::vector<QString> written = WriteSvgFolder(editor_.model, *folder, {*style, 1.0}, progress());
    const QString done = tr("%1 個のSVGファイルを書き出しました。\nフォルダーを開きますか？").arg(written.size());
    if (dialogs_.Confirmation(done) == Dialogs::Answer::Yes)
        ShowFolder(dialogs_, *folder);
}

} // namespace zol
