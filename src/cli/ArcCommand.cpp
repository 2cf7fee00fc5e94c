// zoltool arc N START END CX CY VX VY: the arc calculator's result text.

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "model/ArcPoints.h"

#include <iterator>
#include <optional>
#include <ostream>
#include <string>

namespace zol::cli {

void RunArc(const Arguments& arguments, std::ostream& out)
{
    const ArcFields fields = {arguments.operand(0), arguments.operand(1), arguments.operand(2),
                              arguments.operand(3), arguments.operand(4), arguments.operand(5),
                              arguments.operand(6)};
    const char* const names[] = {"N", "START", "END", "CX", "CY", "VX", "VY"};
    for (size_t i = 0; i < std::size(names); ++i)
        if (!ParseArcField(arguments.operand(i)))
            throw UsageError(std::string(names[i]) + " must be a decimal integer of 32 bits, not '" +
                             arguments.operand(i) + "'");
    const std::optional<std::string> text = ArcPointsText(fields);
    if (!text)
        throw UsageError("no result: more than " + std::to_string(MaxArcPoints) +
                         " points, or a point beyond the 32-bit range");
    out << *text << '\n';
}

} // namespace zol::cli
