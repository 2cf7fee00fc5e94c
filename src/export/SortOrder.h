#pragma once
// The orders the two list sorts produce, computed whole before the list is
// touched. An order lists, for each new position, the old index of the figure
// that goes there.

#include <QCollator>
#include <QString>

#include <vector>

namespace zol {

// The order the caption sort gives: each figure in turn is inserted into the
// captions placed before it by a halving search that stops at the first equal
// caption it meets and inserts before it. So equal captions do not keep their
// order: three end as 3, 2, 1 and four as 3, 4, 2, 1. O(n log n).
// Captions are equal only when they differ in letter case alone: the
// collator's order (case-insensitive) decides first, and captions it calls
// equal (a Japanese collation equates hiragana and katakana, half and full
// width) are told apart by their case-folded text, so that sorting a sorted
// list changes nothing.
std::vector<int> CaptionOrder(const std::vector<QString>& captions, const QCollator& collator);

// Descending keys, equal keys in their earlier order.
std::vector<int> NuanceOrder(const std::vector<int>& keys);

// The figures the one-at-a-time nuance insertion takes out and puts back:
// those with a smaller key somewhere before them.
std::vector<int> NuanceMovedFigures(const std::vector<int>& keys);

// Where the figure at old index `index` stands in `order` (-1 stays -1).
int NewPosition(const std::vector<int>& order, int index);

bool IsIdentity(const std::vector<int>& order);

} // namespace zol
