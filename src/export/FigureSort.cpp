#include "export/FigureSort.h"

#include "export/NuanceKey.h"
#include "export/EveryCore.h"
#include "export/ProgressRun.h"
#include "export/SortOrder.h"
#include "io/TextCodec.h"
#include "model/TangramModel.h"

#include <QLocale>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <numeric>

namespace zol {

namespace {

// A figure the sort takes out and puts back is written as the board writes
// it (StoreFigure's form); a line that does not parse moves as it is, so the
// sort still completes.
void RewriteMovedFigures(TangramModel& model, const std::vector<int>& moved)
{
    for (const int i : moved)
        model.RewritePlacementLine(i);
}

SortResult Apply(TangramModel& model, std::vector<int> order, int selected, const std::vector<int>& moved)
{
    SortResult result;
    result.moved = !IsIdentity(order);
    result.selected = NewPosition(order, selected);
    RewriteMovedFigures(model, moved);
    if (result.moved)
        ApplyOrder(model, order);
    result.order = std::move(order);
    return result;
}

} // namespace

void ApplyOrder(TangramModel& model, const std::vector<int>& order)
{
    std::vector<size_t> from{0};
    from.reserve(2 * order.size() + 1);
    for (const int old : order) {
        from.push_back(2 * static_cast<size_t>(old) + 1);
        from.push_back(2 * static_cast<size_t>(old) + 2);
    }
    FileLines sorted = model.figureLines();
    if (sorted.size() > from.size())
        from.push_back(from.size()); // an unpaired last caption stays last
    sorted.Rearrange(from);
    model.SetFigureLines(std::move(sorted), model.documentEncoding());
}

SortResult SortByCaption(TangramModel& model, int selected, Progress& progress)
{
    const int n = model.figureCount();
    if (n < 2)
        return {{}, false, selected};
    ProgressRun run(progress, n);
    std::vector<QString> captions;
    captions.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        captions.push_back(DecodeText(model.GetFigureCaption(i), model.documentEncoding()));
        if (GaugeStep(i + 1, n))
            run.Step((i + 1) / 2);
    }
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<int> everyFigure(static_cast<size_t>(n));
    std::iota(everyFigure.begin(), everyFigure.end(), 0);
    SortResult result = Apply(model, CaptionOrder(captions, collator), selected, everyFigure);
    model.setModified(true);
    run.Step(n);
    return result;
}

std::vector<int> NuanceKeys(TangramModel& model, int level, Progress& progress)
{
    const int n = model.figureCount();
    ProgressRun run(progress, n);
    std::vector<int> keys(static_cast<size_t>(n));
    std::atomic<int> next{0}, done{0};
    std::atomic<bool> failed{false};
    std::exception_ptr failure;
    std::mutex failureLock;
    // Drawing only reads the model, so all threads share one copy of it:
    // whatever runs while the gauge repaints cannot change it under them.
    const TangramModel document = model;
    // Each thread takes the next figure not yet taken and draws it on a
    // board of its own; only the calling thread moves the gauge. The first
    // failure stops every thread and is rethrown once all have stopped.
    const auto work = [&](bool reports) {
        try {
            NuanceKeyRenderer keyOf(document, level);
            for (int i = next++; i < n && !failed; i = next++) {
                keys[i] = keyOf.Key(document.ParseFigure(i));
                const int d = ++done;
                if (reports && GaugeStep(d, n))
                    run.Step(d);
            }
        } catch (...) {
            const std::lock_guard lock(failureLock);
            if (!failure)
                failure = std::current_exception();
            failed = true;
        }
    };
    OnEveryCore(n, work);
    if (failure)
        std::rethrow_exception(failure);
    run.Step(n);
    return keys;
}

SortResult SortByNuance(TangramModel& model, int level, int selected, Progress& progress)
{
    if (model.figureCount() < 2)
        return {{}, false, selected};
    const std::vector<int> keys = NuanceKeys(model, level, progress);
    SortResult result = Apply(model, NuanceOrder(keys), selected, NuanceMovedFigures(keys));
    if (result.moved)
        model.setModified(true);
    return result;
}

} // namespace zol
