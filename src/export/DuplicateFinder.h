#pragma once
// Figures of the open document that have the same silhouette: turned on the
// set's angle grid, mirrored, moved or built another way. The editor's
// duplicates window and zoltool share this.

#include "io/Progress.h"

#include <stop_token>
#include <vector>

namespace zol {

class TangramModel;

struct DuplicateGroups {
    // Figure indexes in list order; each group has two figures or more, the
    // groups in the order of their first figures.
    std::vector<std::vector<int>> groups;
    // Figures whose placement line does not read: left out of the search.
    std::vector<int> unreadable;
    bool stopped = false; // the stop token ended the search: the groups are not all there
};

// Only reads the model, on every core. Each figure is compared with the
// figure that opened each group so far and joins the first it is the same
// as: the test allows a little, so sameness does not chain from figure to
// figure across a group.
DuplicateGroups FindDuplicates(const TangramModel& model, Progress& progress, std::stop_token stop = {});

} // namespace zol
