// zoltool same, duplicates and solve: silhouettes compared, a document's
// figures grouped by silhouette, and the pieces placed into a silhouette.

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/DocumentArgument.h"
#include "cli/FigureArgument.h"
#include "cli/LineProgress.h"
#include "export/DuplicateFinder.h"
#include "io/LineFile.h"
#include "io/PieceSetFile.h"
#include "io/Prompter.h"
#include "io/TextCodec.h"
#include "model/CommaList.h"
#include "model/SilhouetteMatch.h"
#include "model/SilhouetteSolver.h"
#include "model/TangramModel.h"

#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <numeric>
#include <ostream>

namespace zol::cli {

namespace {

// How long solve searches unless told.
constexpr double DefaultSeconds = 60;

std::string Pixels(double distance)
{
    if (!std::isfinite(distance))
        return "inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", distance);
    return text;
}

Silhouette FigureArgumentSilhouette(const std::string& argument, TangramModel& model)
{
    LoadFigureArgument(argument, model);
    Silhouette silhouette = FigureSilhouette(model.pieceSet(), model.currentFigure());
    if (silhouette.empty())
        throw UsageError("the figure " + argument + " has an empty silhouette");
    return silhouette;
}

// The set --with names: a .plt file, a set of the program's piece-set
// folder by name, or "tan", the built-in set.
void LoadWithSet(const std::string& name, TangramModel& model)
{
    if (name == BuiltInSetKey) {
        model.LoadBuiltInSet();
        return;
    }
    const QFileInfo file(PathOf(name));
    const QString setName = file.suffix().compare("plt", Qt::CaseInsensitive) == 0 ? file.completeBaseName()
                                                                                    : file.fileName();
    if (!FindPieceSetFile(setName, file.absolutePath()))
        throw UsageError("--with " + name + ": no such piece set (a .plt file, a set of the piece-set folder, or " +
                         BuiltInSetKey + ")");
    CollectingPrompter prompter;
    bool loaded = false;
    try {
        loaded = LoadPieceSet(model, setName, file.absolutePath(), prompter);
    } catch (const ConversionError& e) {
        throw UsageError("--with " + name + ": " + e.what());
    } catch (const std::runtime_error& e) { // FileError
        throw UsageError("--with " + name + ": " + FileFailure(e.what()).what());
    }
    if (!loaded)
        throw UsageError("--with " + name + ": " + FileFailure(prompter.messages).what());
}

// One polygon a line, x0,y0,x1,y1,... in board pixels: the outer outline,
// then its holes.
Silhouette ReadOutline(const std::string& argument)
{
    TextLines file;
    try {
        file = ReadLineFile(PathOf(argument));
    } catch (const std::runtime_error& e) {
        throw UsageError(FileFailure(e.what()).what());
    }
    std::vector<std::vector<Point>> polygons;
    for (size_t k = 0; k < file.lines.size(); ++k) {
        if (file.lines[k].find_first_not_of(" \t") == std::string::npos)
            continue;
        const std::string where = argument + " line " + std::to_string(k + 1) + ": ";
        std::vector<int> values;
        try {
            values = ParseCommaList(file.lines[k]);
        } catch (const ConversionError& e) {
            throw UsageError(where + e.what());
        }
        if (values.size() % 2 != 0 || values.size() < 6)
            throw UsageError(where + "a polygon is three points or more, x,y each");
        std::vector<Point> polygon;
        for (size_t j = 0; j < values.size(); j += 2) {
            if (std::abs(values[j]) > CoordinateLimit || std::abs(values[j + 1]) > CoordinateLimit)
                throw UsageError(where + "a coordinate lies beyond " + std::to_string(CoordinateLimit));
            polygon.push_back({values[j], values[j + 1]});
        }
        polygons.push_back(std::move(polygon));
    }
    if (polygons.empty())
        throw UsageError(argument + " holds no polygon");
    return OutlineSilhouette(polygons);
}

std::string SolutionCount(size_t n) { return std::to_string(n) + (n == 1 ? " solution" : " solutions"); }

} // namespace

int RunSame(const Arguments& arguments, std::ostream& out, std::ostream&)
{
    TangramModel first, second;
    const Silhouette a = FigureArgumentSilhouette(arguments.operand(0), first);
    const Silhouette b = FigureArgumentSilhouette(arguments.operand(1), second);
    // Turns that both sets snap to.
    const int step = std::gcd(first.pieceSet().angleStep, second.pieceSet().angleStep);
    const SilhouetteMatch match = MatchSilhouettes(a, b, step);
    out << (match.same() ? "same " : "different ") << Pixels(match.distance) << '\n';
    return match.same() ? 0 : 1;
}

int RunDuplicates(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    TangramModel model;
    OpenDocumentArgument(arguments.operand(0), model);
    DuplicateGroups found;
    {
        LineProgress progress(err, "comparing figures");
        found = FindDuplicates(model, progress);
    }
    for (const int i : found.unreadable)
        err << "zoltool: figure " << i << " is left out: its placement line does not read\n";
    for (size_t g = 0; g < found.groups.size(); ++g) {
        out << "group " << g + 1 << '\n';
        for (const int i : found.groups[g])
            out << "  " << i << ' ' << DecodeText(model.FigureCaption(i), model.documentEncoding()).toStdString()
                << '\n';
    }
    return 0;
}

int RunSolve(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::optional<std::string> outline = arguments.value("--outline");
    if (outline.has_value() == (arguments.operandCount() == 1))
        throw UsageError("solve takes a FIGURE or --outline FILE, one of them");
    const bool all = arguments.has("--all");
    if (arguments.has("--limit") && !all)
        throw UsageError("--limit goes with --all");
    const double seconds = arguments.real("--seconds", DefaultSeconds);
    if (!(seconds > 0) || seconds > 1e6)
        throw UsageError("--seconds must be a number of seconds above 0");

    TangramModel figure;
    SolveRequest request;
    request.target = outline ? ReadOutline(*outline) : FigureArgumentSilhouette(arguments.operand(0), figure);
    TangramModel pieces;
    if (const std::optional<std::string> with = arguments.value("--with"))
        LoadWithSet(*with, pieces);
    else if (!outline)
        pieces = figure;
    request.set = pieces.pieceSet();
    request.limit = all ? arguments.integer("--limit", 1000000, 1, 1000000) : 1;
    request.deadline = std::chrono::steady_clock::now() +
                       std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
    // Solutions are printed as they are found: a long --all shows its progress.
    request.found = [&](const Figure& solution) {
        pieces.SetCurrentFigure(solution);
        out << pieces.FormatPlacementLine() << '\n' << std::flush;
    };
    SolveResult result;
    try {
        result = Solve(request);
    } catch (const SolveTargetError& e) {
        err << "zoltool: " << e.what() << '\n';
        return 2;
    }
    const size_t n = result.solutions.size();
    if (result.end == SolveEnd::TimeUp) {
        err << "zoltool: the time ran out after " << seconds << " s with " << SolutionCount(n)
            << "; the search is not complete\n";
        return n ? 0 : 2;
    }
    if (n == 0) {
        err << "zoltool: unsolvable: no placement of the pieces of the set makes this silhouette\n";
        return 1;
    }
    if (all)
        err << "zoltool: " << SolutionCount(n)
            << (result.end == SolveEnd::Limit ? "; the search stopped at the limit" : "; the search is complete")
            << '\n';
    return 0;
}

} // namespace zol::cli
