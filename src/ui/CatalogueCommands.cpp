// The HTML catalogue of the list, beside the document: the window asks where
// and what next, the export layer writes it.
#include "ui/ZolForm.h"

#include "export/Catalogue.h"
#include "ui/Dialogs.h"
#include "ui/Translations.h"
#include "ui/DisplayText.h"
#include "ui/ShowFolder.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>

namespace zol {

namespace {

// Page path without ".htm": beside the document, or, for a document never
// saved, where the user puts the page, starting where the document would be
// saved (never the process's current folder nor the program's data).
std::optional<QString> AskCatalogueBase(Dialogs& dialogs, const TangramModel& model, const QString& saveProposal)
{
    if (model.hasDocumentFile()) {
        const QString besideDocument =
            TZolForm::tr("HTMLファイルと画像フォルダーは、zolファイルと同じフォルダに作成されます。");
        if (dialogs.Information(besideDocument, true) != Dialogs::Answer::Ok)
            return std::nullopt;
        return CatalogueBase(DocumentPathText(model));
    }
    const Dialogs::FileRequest request{TZolForm::tr("HTMLカタログの保存先"), TZolForm::tr("HTMLファイル|*.htm"),
                                       QStringLiteral("htm"), saveProposal + QStringLiteral(".htm")};
    const std::optional<QString> page = dialogs.SaveFile(request);
    if (!page)
        return std::nullopt;
    return CatalogueBase(*page);
}

} // namespace

void TZolForm::OptmkHTMLExecute()
{
    const std::optional<QString> base = AskCatalogueBase(dialogs_, editor_.model, SaveProposal());
    if (!base)
        return;
    const CatalogueRequest request{*base, editor_.view.antialias,
                                   QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)};
    const CatalogueResult result = WriteCatalogue(editor_.model, request, progress());
    RedrawGuideAndBoard();
    UpdateCommandState();
    if (result.pageError) {
        dialogs_.Error(QString::fromStdString(MessageText(*result.pageError, WindowMessageLanguage())));
        return;
    }
    if (result.stripFailed()) {
        // The strip's file and the system's reason follow the usual words.
        dialogs_.Information(tr("png画像出力に失敗しました。") + QStringLiteral("\n") +
                             QString::fromStdString(MessageText(*result.stripError, WindowMessageLanguage())));
        return;
    }
    const QString completed =
        tr("カタログが完成しました。\nHTMLファイルが作成されたフォルダーをエクスプローラで開きますか？");
    if (dialogs_.Confirmation(completed) == Dialogs::Answer::Yes)
        ShowFolder(dialogs_, QFileInfo(*base).absolutePath());
}

} // namespace zol
