// zoltool keys, sort, catalogue and sheets: the nuance keys, the sorted
// document, the HTML catalogue and the puzzle-sheet PDF, with the code the
// editor's commands use.

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/DocumentArgument.h"
#include "cli/PaletteOptions.h"
#include "export/Catalogue.h"
#include "export/FigureSort.h"
#include "export/PuzzleSheets.h"
#include "export/GtansTransfer.h"
#include "io/DocumentFile.h"
#include "io/FileError.h"
#include "io/NativePath.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <ostream>

namespace zol::cli {

namespace {

int Level(const std::string& text)
{
    for (const int level : {0, 2, 4})
        if (text == std::to_string(level))
            return level;
    throw UsageError("LEVEL must be 0, 2 or 4, not '" + text + "'");
}

// A figure that cannot be drawn is a fault of the file, not of the arguments.
template <typename Work>
auto Drawing(const std::string& document, Work work)
{
    try {
        return work();
    } catch (const ConversionError& e) {
        throw CommandFailure(document + ": " + e.what());
    }
}

int FiguresPerPage(const Arguments& arguments)
{
    const std::string text = arguments.value("--per-page").value_or("4");
    for (const int n : {1, 2, 4, 6})
        if (text == std::to_string(n))
            return n;
    throw UsageError("--per-page must be 1, 2, 4 or 6, not '" + text + "'");
}

} // namespace

void RunKeys(const Arguments& arguments, std::ostream& out)
{
    const int level = Level(arguments.operand(1));
    TangramModel model;
    LoadDocumentArgument(arguments, model);
    NoProgress none;
    for (const int key : Drawing(arguments.operand(0), [&] { return NuanceKeys(model, level, none); }))
        out << key << '\n';
}

void RunSort(const Arguments& arguments, std::ostream&)
{
    const std::string& by = arguments.operand(1);
    if (by != "caption" && by != "nuance0" && by != "nuance2" && by != "nuance4")
        throw UsageError("the order must be caption, nuance0, nuance2 or nuance4, not '" + by + "'");
    TangramModel model;
    LoadDocumentArgument(arguments, model);
    NoProgress none;
    Drawing(arguments.operand(0), [&] {
        return by == "caption" ? SortByCaption(model, -1, none) : SortByNuance(model, by.back() - '0', -1, none);
    });
    model.setModified(true);
    try {
        SaveDocument(model, PathOf(arguments.operand(2)));
    } catch (const FileError& e) {
        throw FileFailure(e.what());
    }
}

void RunCatalogue(const Arguments& arguments, std::ostream& out)
{
    TangramModel model;
    LoadDocumentArgument(arguments, model);
    const CatalogueRequest request{CatalogueBase(QFileInfo(PathOf(arguments.operand(0))).absoluteFilePath()),
                                   !arguments.has("--no-aa"),
                                   QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)};
    NoProgress none;
    const CatalogueResult result =
        Drawing(arguments.operand(0), [&] { return WriteCatalogue(model, request, none); });
    if (result.pageError)
        throw FileFailure(MessageText(*result.pageError, Language::English));
    out << Printed(result.page) << '\n';
    for (const QString& strip : result.strips)
        out << Printed(strip) << '\n';
    out.flush();
    if (result.stripError)
        throw FileFailure(MessageText(*result.stripError, Language::English) +
                          "; the page lists the strips before it");
}

void RunSheets(const Arguments& arguments, std::ostream& out)
{
    const PuzzleSheetRequest request{PathOf(arguments.operand(1)), FiguresPerPage(arguments),
                                     arguments.has("--solutions")};
    TangramModel model;
    LoadDocumentArgument(arguments, model);
    NoProgress none;
    try {
        Drawing(arguments.operand(0), [&] { return WritePuzzleSheets(model, request, none); });
    } catch (const FileError& e) {
        throw FileFailure(e.what());
    } catch (const NoFiguresError& e) {
        throw CommandFailure(arguments.operand(0) + ": " + e.what() + " to print");
    }
    out << Printed(request.path) << '\n';
}

void RunImportGtans(const Arguments& arguments, std::ostream& out)
{
    TangramModel model;
    GtansImportResult result;
    try {
        result = ImportGtans(model, PathOf(arguments.operand(0)));
    } catch (const FileError& e) {
        throw FileFailure(e.what());
    } catch (const ConversionError& e) {
        throw CommandFailure(arguments.operand(0) + ": " + e.what());
    }
    try {
        SaveDocument(model, PathOf(arguments.operand(1)));
    } catch (const FileError& e) {
        throw FileFailure(e.what());
    }
    out << result.figures << " figures, worst vertex error " << QString::number(result.worstError, 'f', 2).toStdString()
        << " px\n";
}

void RunExportGtans(const Arguments& arguments, std::ostream&)
{
    TangramModel model;
    LoadDocumentArgument(arguments, model);
    try {
        ExportGtans(model, PathOf(arguments.operand(1)));
    } catch (const FileError& e) {
        throw FileFailure(e.what());
    } catch (const ConversionError& e) {
        throw CommandFailure(arguments.operand(0) + ": " + e.what());
    }
}

} // namespace zol::cli
