// The piece-set reader: any lines install or are refused cleanly, and the
// scattered start figure of a set that installs saves into a placement line
// that reads back.
#include "io/LineFile.h"
#include "model/CommaList.h"
#include "model/PlacementLine.h"
#include "model/TangramModel.h"

#include "FuzzSupport.h"

#include <string>

using namespace zol;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TextLines file = SplitLines(std::string(reinterpret_cast<const char*>(data), size));
    TangramModel model;
    try {
        model.InstallSetLines(file.lines, file.encoding);
    } catch (const ConversionError&) {
        return 0;
    }
    model.ResetFigure();
    const std::string line = model.FormatPlacementLine();
    try {
        const Figure back = PlacementsFromValues(ParseCommaList(line), model.pieceCount(), 0);
        const Figure& shown = model.currentFigure();
        for (int i = 0; i < model.pieceCount(); ++i) {
            fuzz::Require(back.x[i] == shown.x[i] && back.y[i] == shown.y[i] && back.angle[i] == shown.angle[i],
                          "the saved placement line gives the board figure back");
        }
    } catch (const ConversionError&) {
        fuzz::Require(false, "the board figure of an installed set saves into a line that loads");
    }
    return 0;
}
