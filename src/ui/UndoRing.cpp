#include "ui/UndoRing.h"

#include <algorithm>
#include <stdexcept>

namespace zol {

UndoRing::UndoRing(int size) : entries_(static_cast<size_t>(std::clamp(size, MinSize, MaxSize))) {}

void UndoRing::Reset(const Figure& figure)
{
    undoCount_ = 0;
    redoCount_ = 0;
    position_ = 0;
    entries_[0] = figure;
}

void UndoRing::Push(const Figure& figure)
{
    if (undoCount_ < size() - 1)
        ++undoCount_;
    redoCount_ = 0;
    position_ = (position_ + 1) % size();
    entries_[position_] = figure;
}

void UndoRing::ReplaceTop(const Figure& figure)
{
    --undoCount_;
    position_ = (position_ + size() - 1) % size();
    Push(figure);
}

const Figure& UndoRing::Undo()
{
    if (undoCount_ < 1)
        throw std::logic_error("nothing to undo");
    --undoCount_;
    ++redoCount_;
    position_ = (position_ + size() - 1) % size();
    return entries_[position_];
}

const Figure& UndoRing::Redo()
{
    if (redoCount_ < 1)
        throw std::logic_error("nothing to redo");
    ++undoCount_;
    --redoCount_;
    position_ = (position_ + 1) % size();
    return entries_[position_];
}

void UndoRing::RecodeCaptions(const std::function<std::string(const std::string&)>& recode)
{
    for (Figure& entry : entries_)
        entry.caption = recode(entry.caption);
}

} // namespace zol
