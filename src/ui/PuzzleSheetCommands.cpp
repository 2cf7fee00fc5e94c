// Puzzle sheets for printing: the window asks for the file, the figures a
// page and the solutions, the export layer writes the PDF.
#include "ui/ZolForm.h"

#include "export/Catalogue.h"
#include "export/PuzzleSheets.h"
#include "io/AppPaths.h"
#include "ui/Dialogs.h"
#include "ui/DisplayText.h"

namespace zol {

void TZolForm::FilePuzzleSheetsExecute()
{
    // Beside the document, or where a document never saved would be saved.
    const QString proposal = editor_.model.hasDocumentFile() ? CatalogueBase(DocumentPathText(editor_.model)) : SaveProposal();
    const std::optional<PuzzleSheetRequest> request =
        dialogs_.PuzzleSheetOptions({proposal + QStringLiteral(".pdf"), sheetsPerPage_, sheetSolutions_});
    if (!request)
        return;
    sheetsPerPage_ = request->perPage;
    sheetSolutions_ = request->solutions;
    if (!MayOverwrite(request->path))
        return;
    const int pages = WritePuzzleSheets(editor_.model, *request, progress());
    dialogs_.Information(QStringLiteral("パズルシートのPDFを書き出しました（%1ページ）。\n%2")
                             .arg(pages)
                             .arg(DisplayPath(request->path)));
}

} // namespace zol
