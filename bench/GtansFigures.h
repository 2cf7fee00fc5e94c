#pragma once
// The figures of Debian's gTans collections (package gtans), imported as the
// editor imports them: what the silhouette benchmarks work on.

#include "model/Figure.h"

#include <vector>

namespace zol {
class TangramModel;
}

namespace zol::bench {

// Every figure of every collection, in file order; empty when the package
// is not installed. The model must hold the built-in set.
std::vector<Figure> GtansFigures(const TangramModel& model);

// Those whose every piece stands on the set's angle grid.
std::vector<Figure> OnAngleGrid(const TangramModel& model, const std::vector<Figure>& figures);

} // namespace zol::bench
