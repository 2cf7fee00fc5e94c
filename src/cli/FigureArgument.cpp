#include "cli/FigureArgument.h"

#include "cli/Command.h"
#include "model/CommaList.h"
#include "model/PlacementLine.h"
#include "model/TangramModel.h"

namespace zol::cli {

void LoadFigureArgument(std::string_view argument, TangramModel& model)
{
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
