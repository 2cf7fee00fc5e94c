#include "model/FileLines.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace zol {

FileLines::FileLines(std::initializer_list<std::string_view> lines)
{
    lines_.reserve(lines.size());
    for (std::string_view text : lines)
        lines_.push_back(Own(text));
}

FileLines::FileLines(const std::vector<std::string>& lines)
{
    lines_.reserve(lines.size());
    for (const std::string& text : lines)
        lines_.push_back(Own(text));
}

FileLines::FileLines(std::shared_ptr<const char[]> bytes, const std::vector<LineSpan>& spans)
    : bytes_(std::move(bytes))
{
    lines_.reserve(spans.size());
    for (const LineSpan& span : spans)
        lines_.push_back(Line{bytes_.get() + span.offset, span.size});
}

FileLines::FileLines(const FileLines& other) : bytes_(other.bytes_), lines_(other.lines_)
{
    for (Line& line : lines_) {
        if (line.owned())
            line = Own(line.view());
    }
}

FileLines::FileLines(FileLines&& other) noexcept
    : bytes_(std::move(other.bytes_)), lines_(std::move(other.lines_))
{
    other.lines_.clear();
}

FileLines& FileLines::operator=(const FileLines& other)
{
    if (this != &other) {
        FileLines copy(other);
        *this = std::move(copy);
    }
    return *this;
}

FileLines& FileLines::operator=(FileLines&& other) noexcept
{
    if (this != &other) {
        FreeAll();
        bytes_ = std::move(other.bytes_);
        lines_ = std::move(other.lines_);
        other.lines_.clear();
    }
    return *this;
}

FileLines::~FileLines() { FreeAll(); }

FileLines::Line FileLines::Own(std::string_view text)
{
    if (text.empty())
        return {};
    char* data = new char[text.size()];
    std::memcpy(data, text.data(), text.size());
    return Line{data, text.size() | Line::OwnedBit};
}

void FileLines::Free(Line& line)
{
    if (line.owned())
        delete[] line.data;
    line = {};
}

void FileLines::FreeAll()
{
    for (Line& line : lines_)
        Free(line);
    lines_.clear();
}

size_t FileLines::TextSize() const
{
    size_t total = 0;
    for (const Line& line : lines_)
        total += line.size();
    return total;
}

void FileLines::Set(size_t i, std::string_view text)
{
    // Own the new text before letting go of the old: it may be a view of it.
    Line line = Own(text);
    Free(lines_[i]);
    lines_[i] = line;
}

void FileLines::Insert(size_t at, std::initializer_list<std::string_view> texts)
{
    std::vector<Line> added;
    added.reserve(texts.size());
    for (std::string_view text : texts)
        added.push_back(Own(text));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
}

void FileLines::Erase(size_t first, size_t last)
{
    for (size_t i = first; i < last; ++i)
        Free(lines_[i]);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first), lines_.begin() + static_cast<std::ptrdiff_t>(last));
}

void FileLines::Rotate(size_t first, size_t middle, size_t last)
{
    const auto at = [this](size_t i) { return lines_.begin() + static_cast<std::ptrdiff_t>(i); };
    std::rotate(at(first), at(middle), at(last));
}

void FileLines::Rearrange(const std::vector<size_t>& from)
{
    // A line taken twice would be freed twice.
    std::vector<bool> taken(lines_.size());
    for (size_t i : from) {
        if (from.size() != lines_.size() || i >= lines_.size() || taken[i])
            throw std::invalid_argument("FileLines::Rearrange: not a permutation");
        taken[i] = true;
    }
    std::vector<Line> rearranged;
    rearranged.reserve(lines_.size());
    for (size_t i : from)
        rearranged.push_back(lines_[i]);
    lines_ = std::move(rearranged);
}

void FileLines::Truncate(size_t count)
{
    if (count < lines_.size())
        Erase(count, lines_.size());
}

FileLines::operator std::vector<std::string>() const
{
    std::vector<std::string> copy;
    copy.reserve(lines_.size());
    for (const Line& line : lines_)
        copy.emplace_back(line.view());
    return copy;
}

bool FileLines::operator==(const FileLines& other) const { return std::equal(begin(), end(), other.begin(), other.end()); }

bool FileLines::operator==(const std::vector<std::string>& other) const
{
    return std::equal(begin(), end(), other.begin(), other.end());
}

} // namespace zol
