#pragma once
// The FIGURE operand of zoltool's sub-commands.

#include <string_view>

namespace zol {
class TangramModel;
}

namespace zol::cli {

// Puts the figure a FIGURE operand names on the model's board, installing the
// piece set it belongs to. A FIGURE is a placement line of the built-in set:
// four integers per piece (x, y, angle, flip), without the start offset, or
// DOC.zol:K, figure K (counted from 0) of a document with its piece set.
// A malformed figure throws UsageError.
void LoadFigureArgument(std::string_view argument, TangramModel& model);

} // namespace zol::cli
