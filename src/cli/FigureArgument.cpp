#include "cli/FigureArgument.h"

#include "cli/Command.h"
#include "cli/DocumentCommands.h"
#include "model/CommaList.h"
#include "model/PlacementLine.h"
#include "model/TangramModel.h"

#include <sstream>

namespace zol::cli {

namespace {

// The loader's messages, on one line.
std::string OneLine(const std::string& text)
{
    std::string line;
    for (char c : text)
        line += c == '\n' ? ' ' : c;
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

} // namespace

void LoadFigureArgument(std::string_view argument, TangramModel& model)
{
    if (const auto figure = ParseDocumentFigure(std::string(argument))) {
        std::ostringstream messages;
        const FigureLoad load = LoadDocumentFigure(*figure, model, messages);
        if (load == FigureLoad::DocumentFailed)
            throw UsageError("cannot open " + figure->path + " or its piece set: " + OneLine(messages.str()));
        if (load == FigureLoad::FigureFailed)
            throw UsageError("bad FIGURE: " + OneLine(messages.str()));
        return;
    }
    model.LoadBuiltInSet();
    const int needed = 4 * model.pieceCount();
    try {
        const std::vector<int> values = ParseCommaList(argument);
        if (static_cast<int>(values.size()) != needed)
            throw ConversionError("it holds " + std::to_string(values.size()) + " numbers, not " +
                                  std::to_string(needed) + " (x, y, angle, flip per piece)");
        Figure figure = PlacementsFromValues(values, model.pieceCount(), 0);
        figure.caption = model.currentFigure().caption;
        model.SetCurrentFigure(figure);
    } catch (const ConversionError& error) {
        throw UsageError("bad FIGURE: " + std::string(error.what()));
    }
}

} // namespace zol::cli
