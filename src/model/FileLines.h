#pragma once
// The lines of a document as the file's bytes. Lines read from a file are
// views into its bytes, which are held once and shared by every copy (the
// viewer's and the sort's copies of the model cost a pointer per line); a line
// the editor writes is held on its own. Removing or inserting a line moves
// only the small per-line entries.

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// Where a line stands in the bytes it was read from.
struct LineSpan {
    size_t offset = 0;
    size_t size = 0;
};

class FileLines {
public:
    FileLines() = default;
    FileLines(std::initializer_list<std::string_view> lines);
    FileLines(const std::vector<std::string>& lines);
    // The lines at spans of bytes, which the lines keep alive.
    FileLines(std::shared_ptr<const char[]> bytes, const std::vector<LineSpan>& spans);
    FileLines(const FileLines& other);
    FileLines(FileLines&& other) noexcept;
    FileLines& operator=(const FileLines& other);
    FileLines& operator=(FileLines&& other) noexcept;
    ~FileLines();

    size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    // Const, so that `lines[i] = text` on a copy is refused by the compiler
    // instead of assigning to a temporary view; Set changes a line.
    const std::string_view operator[](size_t i) const { return lines_[i].view(); }
    const std::string_view front() const { return lines_.front().view(); }
    // The bytes of every line, without line ends.
    size_t TextSize() const;

    void Set(size_t i, std::string_view text);
    // Puts texts in front of line `at` (at == size() appends).
    void Insert(size_t at, std::initializer_list<std::string_view> texts);
    void PushBack(std::string_view text) { Insert(size(), {text}); }
    void Erase(size_t first, size_t last);
    void Swap(size_t i, size_t j) { std::swap(lines_[i], lines_[j]); }
    // Lines first..last - 1 turned so that line `middle` comes first.
    void Rotate(size_t first, size_t middle, size_t last);
    // Line i becomes the line that stood at from[i]; from is a permutation.
    void Rearrange(const std::vector<size_t>& from);
    // Keeps the first `count` lines (never more than there are).
    void Truncate(size_t count);

    // A copy of every line, for small texts and comparisons.
    operator std::vector<std::string>() const;
    bool operator==(const FileLines& other) const;
    bool operator==(const std::vector<std::string>& other) const;

    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const FileLines* lines, size_t i) : lines_(lines), i_(i) {}
        std::string_view operator*() const { return (*lines_)[i_]; }
        const_iterator& operator++() { return ++i_, *this; }
        const_iterator operator++(int) { return {lines_, i_++}; }
        const_iterator& operator--() { return --i_, *this; }
        const_iterator& operator+=(difference_type n) { return i_ += n, *this; }
        const_iterator operator+(difference_type n) const { return {lines_, i_ + n}; }
        difference_type operator-(const const_iterator& o) const
        {
            return static_cast<difference_type>(i_) - static_cast<difference_type>(o.i_);
        }
        bool operator==(const const_iterator& o) const { return i_ == o.i_; }

    private:
        const FileLines* lines_ = nullptr;
        size_t i_ = 0;
    };
    using iterator = const_iterator;
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    // A line's bytes; those the editor wrote are owned (the top bit of the
    // size says so) and freed with the line.
    struct Line {
        const char* data = nullptr;
        size_t sizeAndOwned = 0;

        static constexpr size_t OwnedBit = size_t(1) << (sizeof(size_t) * 8 - 1);
        size_t size() const { return sizeAndOwned & ~OwnedBit; }
        bool owned() const { return (sizeAndOwned & OwnedBit) != 0; }
        std::string_view view() const { return {data, size()}; }
    };

    static Line Own(std::string_view text);
    static void Free(Line& line);
    void FreeAll();

    std::shared_ptr<const char[]> bytes_;
    std::vector<Line> lines_;
};

} // namespace zol
