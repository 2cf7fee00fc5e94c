// zoltool polygons FIGURE: the board polygons, one line per piece.

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/FigureArgument.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"

#include <ostream>

namespace zol::cli {

void RunPolygons(const Arguments& arguments, std::ostream& out)
{
    TangramModel model;
    LoadFigureArgument(arguments.operand(0), model);
    for (int i = 0; i < model.pieceCount(); ++i) {
        std::vector<int> values;
        for (int j = 0; j < model.polygonSize(i); ++j) {
            values.push_back(model.boardPolygon(i)[j].x);
            values.push_back(model.boardPolygon(i)[j].y);
        }
        out << FormatCommaList(values) << '\n';
    }
}

} // namespace zol::cli
