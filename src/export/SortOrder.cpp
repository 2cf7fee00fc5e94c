#include "export/SortOrder.h"

#include <algorithm>
#include <numeric>

namespace zol {

namespace {

// Counts per slot with prefix sums and the search for the k-th counted slot.
class FenwickTree {
public:
    explicit FenwickTree(int size) : tree_(static_cast<size_t>(size) + 1, 0) {}
    void Add(int slot, int amount)
    {
        for (size_t i = static_cast<size_t>(slot) + 1; i < tree_.size(); i += i & (~i + 1))
            tree_[i] += amount;
    }
    // The sum over slots 0 ... slot - 1.
    int Before(int slot) const
    {
        int sum = 0;
        for (size_t i = static_cast<size_t>(slot); i > 0; i -= i & (~i + 1))
            sum += tree_[i];
        return sum;
    }
    // The slot holding the k-th count (from 0), all counts being 0 or 1.
    int Kth(int k) const
    {
        size_t at = 0;
        size_t step = 1;
        while (step * 2 < tree_.size())
            step *= 2;
        for (; step > 0; step /= 2) {
            if (at + step < tree_.size() && tree_[at + step] <= k) {
                at += step;
                k -= tree_[at];
            }
        }
        return static_cast<int>(at);
    }

private:
    std::vector<int> tree_;
};

// Ranks of the captions: captions that differ only in case share a rank,
// ranks follow the collation, then the case-folded text.
std::vector<int> CaptionRanks(const std::vector<QString>& captions, const QCollator& collator, int& rankCount)
{
    const int n = static_cast<int>(captions.size());
    std::vector<QString> folded;
    folded.reserve(captions.size());
    for (const QString& caption : captions)
        folded.push_back(caption.toCaseFolded());
    const auto compare = [&](int a, int b) {
        const int r = collator.compare(captions[a], captions[b]);
        return r != 0 ? r : folded[a].compare(folded[b]);
    };
    std::vector<int> sorted(captions.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) { return compare(a, b) < 0; });
    std::vector<int> rank(captions.size());
    int r = 0;
    for (int j = 0; j < n; ++j) {
        if (j > 0 && compare(sorted[j - 1], sorted[j]) != 0)
            ++r;
        rank[sorted[j]] = r;
    }
    rankCount = n > 0 ? r + 1 : 0;
    return rank;
}

// The halving search over `size` sorted captions of which positions
// [less, less + equal) compare equal to the new one and those before it less.
int SearchPosition(int size, int less, int equal)
{
    int lo = 0, hi = size - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        if (mid < less)
            lo = mid + 1;
        else if (mid >= less + equal)
            hi = mid - 1;
        else
            return mid;
    }
    return lo;
}

} // namespace

std::vector<int> CaptionOrder(const std::vector<QString>& captions, const QCollator& collator)
{
    const int n = static_cast<int>(captions.size());
    int rankCount = 0;
    const std::vector<int> rank = CaptionRanks(captions, collator, rankCount);

    // Where figure i is inserted among the i placed before it.
    FenwickTree placed(rankCount);
    std::vector<int> equalPlaced(static_cast<size_t>(rankCount), 0);
    std::vector<int> insertAt(captions.size());
    for (int i = 0; i < n; ++i) {
        const int r = rank[i];
        insertAt[i] = SearchPosition(i, placed.Before(r), equalPlaced[r]);
        placed.Add(r, 1);
        ++equalPlaced[r];
    }

    // Replayed backwards, each insertion takes the free slot its position names.
    FenwickTree freeSlots(n);
    for (int slot = 0; slot < n; ++slot)
        freeSlots.Add(slot, 1);
    std::vector<int> order(captions.size());
    for (int i = n - 1; i >= 0; --i) {
        const int slot = freeSlots.Kth(insertAt[i]);
        order[slot] = i;
        freeSlots.Add(slot, -1);
    }
    return order;
}

std::vector<int> NuanceOrder(const std::vector<int>& keys)
{
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] > keys[b]; });
    return order;
}

std::vector<int> NuanceMovedFigures(const std::vector<int>& keys)
{
    std::vector<int> moved;
    for (size_t i = 1, least = 0; i < keys.size(); ++i) {
        if (keys[least] < keys[i])
            moved.push_back(static_cast<int>(i));
        else
            least = i;
    }
    return moved;
}

int NewPosition(const std::vector<int>& order, int index)
{
    if (index < 0)
        return index;
    const auto at = std::find(order.begin(), order.end(), index);
    return at == order.end() ? -1 : static_cast<int>(at - order.begin());
}

bool IsIdentity(const std::vector<int>& order)
{
    for (size_t i = 0; i < order.size(); ++i)
        if (order[i] != static_cast<int>(i))
            return false;
    return true;
}

} // namespace zol
