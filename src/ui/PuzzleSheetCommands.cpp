// Puzzle sheets for printing: the window asks for the file, the figures a
// page and the solutions, the export layer writes the PDF.
#include "ui/ZolForm.h"

#include "export/Catalogue.h"
#include "export/PuzzleSheets.h"
#include "io/AppPaths.h"
#include "ui/Dialogs.h"
#include "ui/DisplayText.h"
#include "ui/GaugeProgress.h"

#include <QDir>

namespace zol {

namespace {

// Beside the document, or in the documents folder for one never saved.
QString ProposedSheetPath(const TangramModel& model)
{
    if (model.hasDocumentFile())
        return CatalogueBase(DocumentPathText(model)) + QStringLiteral(".pdf");
    return QDir(DocumentFolder()).filePath(DocumentPathText(model) + QStringLiteral(".pdf"));
}

} // namespace

void TZolForm::FilePuzzleSheetsExecute()
{
    const std::optional<PuzzleSheetRequest> request =
        dialogs_.PuzzleSheetOptions({ProposedSheetPath(model), sheetsPerPage_, sheetSolutions_});
    if (!request)
        return;
    sheetsPerPage_ = request->perPage;
    sheetSolutions_ = request->solutions;
    if (!MayOverwrite(request->path))
        return;
    int pages = 0;
    {
        GaugeProgress gauge(*ProgressBar, *ProgressBarItem);
        pages = WritePuzzleSheets(model, *request, gauge);
    }
    dialogs_.Information(QStringLiteral("パズルシートのPDFを書き出しました（%1ページ）。\n%2")
                             .arg(pages)
                             .arg(DisplayPath(request->path)));
}

} // namespace zol
