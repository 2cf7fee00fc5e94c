#pragma once
// The history of the figure on the board: a fixed ring of figure states with
// a position, the number of steps that can be undone and the number that can
// be redone. It holds board states only; list changes are never undone.

#include "model/Figure.h"

#include <functional>
#include <string>
#include <vector>

namespace zol {

class UndoRing {
public:
    // The smallest ring that still allows one undo step.
    static constexpr int MinSize = 2;
    // A settings value beyond this would reserve gigabytes up front.
    static constexpr int MaxSize = 100000;

    // Reserves `size` entries (raised to MinSize, lowered to MaxSize).
    // Throws std::bad_alloc when the memory cannot be had.
    explicit UndoRing(int size);

    // Empties the history; `figure` becomes its only entry.
    void Reset(const Figure& figure);
    // Makes `figure` the newest entry; the oldest falls off a full ring and
    // whatever was undone can no longer be redone.
    void Push(const Figure& figure);
    // Overwrites the newest entry with `figure`; nothing can be redone after.
    void ReplaceTop(const Figure& figure);
    // One step back or forward; the entry to show. Only when the count allows.
    const Figure& Undo();
    const Figure& Redo();

    // Rewrites the caption of every entry, undone ones included, when the
    // document's text changes its encoding.
    void RecodeCaptions(const std::function<std::string(const std::string&)>& recode);

    int size() const { return static_cast<int>(entries_.size()); }
    int position() const { return position_; }
    int undoCount() const { return undoCount_; }
    int redoCount() const { return redoCount_; }
    const Figure& top() const { return entries_[position_]; }

private:
    std::vector<Figure> entries_;
    int position_ = 0;
    int undoCount_ = 0;
    int redoCount_ = 0;
};

} // namespace zol
