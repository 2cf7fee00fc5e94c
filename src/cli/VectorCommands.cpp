// zoltool svg and tikz: figures as vector drawings, with the code of the
// editor's export.

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/DocumentArgument.h"
#include "cli/DocumentCommands.h"
#include "cli/FigureArgument.h"
#include "cli/LineProgress.h"
#include "cli/PaletteOptions.h"
#include "export/PuzzleSheets.h"
#include "export/VectorExport.h"
#include "io/FileError.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"


#include <ostream>

namespace zol::cli {

namespace {

// DOC.zol:K and placement lines name one figure; any other operand is a
// document, all of whose figures are drawn.
bool NamesOneFigure(const std::string& operand)
{
    return ParseDocumentFigure(operand) || operand.find_first_not_of("0123456789,- ") == std::string::npos;
}

VectorRequest RequestOf(const Arguments& arguments)
{
    const double scale = arguments.real("--scale", 1.0);
    if (!(scale > 0.0 && scale <= MaxVectorScale))
        throw UsageError("--scale must lie above 0 and at most 100");
    return {arguments.has("--silhouette") ? VectorStyle::Silhouette : VectorStyle::Pieces, scale};
}

// The one figure an operand names, on the model's board, in the palette of
// --palette (white pieces on black without it).
void LoadOneFigure(const Arguments& arguments, TangramModel& model)
{
    LoadFigureArgument(arguments.operand(0), model);
    const std::optional<std::string> tag = arguments.value("--palette");
    ApplyPalette(arguments, tag ? FixedRecord(*tag) : StartupPalette, model);
}

// What the export throws, as zoltool reports it.
template <typename Work>
auto Exporting(const std::string& source, Work work)
{
    try {
        return work();
    } catch (const FileError& e) {
        throw FileFailure(e.what());
    } catch (const ConversionError& e) {
        throw CommandFailure(source + ": " + e.what());
    } catch (const NoFiguresError& e) {
        throw CommandFailure(source + ": " + e.what());
    }
}

} // namespace

void RunSvg(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const VectorRequest request = RequestOf(arguments);
    const std::string& source = arguments.operand(0);
    const QString target = PathOf(arguments.operand(1));
    TangramModel model;
    if (NamesOneFigure(source)) {
        LoadOneFigure(arguments, model);
        Exporting(source, [&] { WriteSvgFile(model, -1, target, request); });
        out << Printed(target) << '\n';
        return;
    }
    LoadDocumentArgument(arguments, model);
    LineProgress progress(err, "svg");
    for (const QString& path : Exporting(source, [&] { return WriteSvgFolder(model, target, request, progress); }))
        out << Printed(path) << '\n';
}

void RunTikz(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const VectorRequest request = RequestOf(arguments);
    const std::string& source = arguments.operand(0);
    const QString target = PathOf(arguments.operand(1));
    TangramModel model;
    std::vector<int> figures{-1};
    if (NamesOneFigure(source)) {
        LoadOneFigure(arguments, model);
    } else {
        LoadDocumentArgument(arguments, model);
        figures.clear();
        for (int k = 0; k < model.figureCount(); ++k)
            figures.push_back(k);
    }
    LineProgress progress(err, "tikz");
    Exporting(source, [&] { WriteTikzFile(model, figures, target, request, arguments.has("--standalone"), progress); });
    out << Printed(target) << '\n';
}

} // namespace zol::cli
