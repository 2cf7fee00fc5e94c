#include "export/DuplicateFinder.h"

#include "export/EveryCore.h"
#include "export/ProgressRun.h"
#include "export/SilhouetteKey.h"
#include "model/CommaList.h"
#include "model/SilhouetteMatch.h"
#include "model/TangramModel.h"

#include <algorithm>
#include <atomic>

namespace zol {

namespace {

struct Entry {
    Silhouette silhouette;
    SilhouetteKey key;
    bool readable = false;
};

// The silhouette and key of every figure, on every core; only the calling
// thread moves the gauge.
std::vector<Entry> Measure(const TangramModel& model, ProgressRun& run, const std::stop_token& stop)
{
    const int n = model.figureCount();
    std::vector<Entry> entries(static_cast<size_t>(n));
    std::atomic<int> next{0}, done{0};
    const PieceSet& set = model.pieceSet();
    const auto work = [&](bool reports) {
        for (int i = next++; i < n && !stop.stop_requested(); i = next++) {
            Entry& entry = entries[i];
            try {
                entry.silhouette = FigureSilhouette(set, model.ParseFigure(i));
                entry.key = KeyOf(entry.silhouette, set.angleStep);
                entry.readable = true;
            } catch (const ConversionError&) {
                entry.readable = false;
            }
            const int d = ++done;
            if (reports && GaugeStep(d, n))
                run.Step(d);
        }
    };
    OnEveryCore(n, work);
    return entries;
}

// What figures are swept in: the largest width, which two same silhouettes
// share to within twice the tolerance.
double SweepKey(const SilhouetteKey& key) { return key.widths.empty() ? 0.0 : key.widths.front(); }

} // namespace

DuplicateGroups FindDuplicates(const TangramModel& model, Progress& progress, std::stop_token stop)
{
    const int n = model.figureCount();
    ProgressRun run(progress, 2 * n);
    const std::vector<Entry> entries = Measure(model, run, stop);
    DuplicateGroups result;
    if (stop.stop_requested()) { // figures not reached were never read: none is unreadable
        result.stopped = true;
        return result;
    }
    std::vector<int> order;
    for (int i = 0; i < n; ++i)
        (entries[i].readable ? order : result.unreadable).push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return SweepKey(entries[a].key) < SweepKey(entries[b].key); });

    // Groups whose first figure is narrower than the sweep by more than twice
    // the tolerance can take no later figure and are closed.
    const double window = 2 * SameSilhouetteTolerance;
    std::vector<std::vector<int>> groups;
    std::vector<int> open;
    const int angleStep = model.pieceSet().angleStep;
    for (size_t k = 0; k < order.size(); ++k) {
        if (stop.stop_requested()) {
            result.stopped = true;
            break;
        }
        const int i = order[k];
        const Entry& entry = entries[i];
        std::erase_if(open, [&](int g) { return SweepKey(entries[groups[g].front()].key) < SweepKey(entry.key) - window; });
        bool joined = false;
        for (const int g : open) {
            const Entry& first = entries[groups[g].front()];
            if (MayBeSame(first.key, entry.key, SameSilhouetteTolerance) &&
                MatchSilhouettes(first.silhouette, entry.silhouette, angleStep, SameSilhouetteTolerance).same()) {
                groups[g].push_back(i);
                joined = true;
                break;
            }
        }
        if (!joined) {
            open.push_back(int(groups.size()));
            groups.push_back({i});
        }
        if (GaugeStep(int(k) + 1, int(order.size())))
            run.Step(n + int(k) + 1);
    }
    result.stopped = result.stopped || stop.stop_requested();
    for (std::vector<int>& group : groups) {
        if (group.size() < 2)
            continue;
        std::sort(group.begin(), group.end());
        result.groups.push_back(std::move(group));
    }
    std::sort(result.groups.begin(), result.groups.end());
    run.Step(2 * n);
    return result;
}

} // namespace zol
