#pragma once
// Sorting the open document's figure list by caption or by nuance. Each sort
// computes the final order first and then rebuilds the list once. Captions
// move byte for byte; the placement line of a figure the one-at-a-time sort
// would take out and put back comes out as the board writes it.

#include "io/Progress.h"

#include <vector>

namespace zol {

class TangramModel;

struct SortResult {
    std::vector<int> order; // old index of the figure at each new position
    bool moved = false;     // some figure changed its place
    int selected = -1;      // the selected row, following its figure
};

// The caption sort: the system locale's collation, case ignored. It marks the
// document modified whenever there are two figures or more, as every figure is
// taken out and put back. `selected` is the list row to follow (-1 none).
SortResult SortByCaption(TangramModel& model, int selected, Progress& progress);

// The nuance sort at level 0, 2 or 4: figures drawn as the board would show
// them (zoom percent included), plainly reduced, in descending key order,
// stable. The document is marked modified only when a figure moved. A figure
// that cannot be read throws ConversionError before anything changes.
SortResult SortByNuance(TangramModel& model, int level, int selected, Progress& progress);

// The nuance key of every figure, in list order.
std::vector<int> NuanceKeys(TangramModel& model, int level, Progress& progress);

// Rebuilds the list in `order` (the modified flag is the caller's).
void ApplyOrder(TangramModel& model, const std::vector<int>& order);

} // namespace zol
