// The placement-line parser: any text parses or is refused cleanly, what
// parses formats into a line that parses to the same numbers, and the
// figure reader that builds no list agrees with the list one, errors included.
#include "FuzzSupport.h"

#include "model/CommaList.h"
#include "model/Figure.h"
#include "model/PlacementLine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace zol;

namespace {

// The figure a line reads as, or the error it gets.
struct Reading {
    std::optional<Figure> figure;
    std::string error;
    bool operator==(const Reading&) const = default;
};

// The list read the plain way: split at every comma, each field through
// ParseInteger; the list reader reads most fields on a quicker path of its own.
std::optional<std::vector<int>> SplitAndParse(std::string_view line)
{
    if (line.size() > MaxLineLength)
        return std::nullopt;
    std::vector<int> values;
    for (size_t start = 0;;) {
        const size_t comma = line.find(',', start);
        if (values.size() == ParseBufferSize)
            return std::nullopt;
        try {
            values.push_back(ParseInteger(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start)));
        } catch (const ConversionError&) {
            return std::nullopt;
        }
        if (comma == std::string_view::npos)
            return values;
        start = comma + 1;
    }
}

template <typename Read> Reading ReadWith(Read read)
{
    try {
        return {read(), {}};
    } catch (const ConversionError& e) {
        return {std::nullopt, e.what()};
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the piece count and whether the set's offset applies.
    const int pieceCount = 1 + data[0] % MaxPieces;
    const int offset = data[0] & 0x80 ? StartOffset : 0;
    const std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Reading direct = ReadWith([&] { return ParsePlacementLine(line, pieceCount, offset); });
    const Reading listed =
        ReadWith([&] { return PlacementsFromValues(ParseCommaList(line), pieceCount, offset); });
    fuzz::Require(direct == listed, "a line reads the same with and without a list of its numbers");
    if (direct.figure) {
        for (int i = 0; i < pieceCount; ++i) {
            fuzz::Require(direct.figure->x[i] >= -CoordinateLimit && direct.figure->x[i] <= CoordinateLimit &&
                              direct.figure->y[i] >= -CoordinateLimit && direct.figure->y[i] <= CoordinateLimit,
                          "placements stay within the coordinate bound");
        }
    }
    std::vector<int> values;
    try {
        values = ParseCommaList(line);
    } catch (const ConversionError&) {
        fuzz::Require(!SplitAndParse(line), "a list refused is refused field by field too");
        return 0;
    }
    fuzz::Require(SplitAndParse(line) == values, "a list reads as its fields do one by one");
    fuzz::Require(ParseCommaList(FormatCommaList(values)) == values, "a formatted list parses to its numbers");
    return 0;
}
