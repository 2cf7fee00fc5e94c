// The placement-line parser: any text parses or is refused cleanly, and what
// parses formats into a line that parses to the same numbers.
#include "FuzzSupport.h"

#include "model/CommaList.h"
#include "model/Figure.h"
#include "model/PlacementLine.h"

#include <string_view>

using namespace zol;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the piece count and whether the set's offset applies.
    const int pieceCount = 1 + data[0] % MaxPieces;
    const int offset = data[0] & 0x80 ? StartOffset : 0;
    const std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::vector<int> values;
    try {
        values = ParseCommaList(line);
    } catch (const ConversionError&) {
        return 0;
    }
    fuzz::Require(ParseCommaList(FormatCommaList(values)) == values, "a formatted list parses to its numbers");
    try {
        const Figure figure = PlacementsFromValues(values, pieceCount, offset);
        for (int i = 0; i < pieceCount; ++i) {
            fuzz::Require(figure.x[i] >= -CoordinateLimit && figure.x[i] <= CoordinateLimit &&
                              figure.y[i] >= -CoordinateLimit && figure.y[i] <= CoordinateLimit,
                          "placements stay within the coordinate bound");
        }
    } catch (const ConversionError&) {
    }
    return 0;
}
