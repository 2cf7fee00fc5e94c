// zoltool palette TAG [--seed N]: the background and the 32 piece colours.

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/PaletteOptions.h"
#include "model/TangramModel.h"

#include <ostream>

namespace zol::cli {

namespace {

void PrintColour(ColorRef colour, std::ostream& out)
{
    if (colour == WorkspaceColor)
        out << "workspace\n";
    else
        out << (colour & 0xFF) << ',' << ((colour >> 8) & 0xFF) << ',' << ((colour >> 16) & 0xFF) << '\n';
}

} // namespace

void RunPalette(const Arguments& arguments, std::ostream& out)
{
    const PaletteParams& record = FixedRecord(arguments.operand(0));
    TangramModel model;
    ApplyPalette(arguments, record, model);
    PrintColour(model.backgroundColor(), out);
    for (int i = 0; i < MaxPieces; ++i)
        PrintColour(model.pieceColor(i), out);
}

} // namespace zol::cli
