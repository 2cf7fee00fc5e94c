#include "model/PixelMask.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numeric>

namespace zol {

namespace {

// The next set bit at or after x in a row of words, or `width` when none.
int NextSet(const std::vector<uint64_t>& row, int x, int width, bool set)
{
    while (x < width) {
        const int w = x >> 6;
        uint64_t word = set ? row[w] : ~row[w];
        word &= ~uint64_t{0} << (x & 63);
        if (word)
            return std::min(width, (w << 6) + std::countr_zero(word));
        x = (w + 1) << 6;
    }
    return width;
}

struct Run {
    int begin;
    int end;
    int part; // union-find index
};

int Root(std::vector<int>& parent, int i)
{
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}

// The row's pixels with their left and right neighbours, joined (grow) or
// required (shrink).
void Spread(const uint64_t* in, uint64_t* out, int words, bool grow)
{
    for (int w = 0; w < words; ++w) {
        const uint64_t left = (in[w] << 1) | (w > 0 ? in[w - 1] >> 63 : 0);
        const uint64_t right = (in[w] >> 1) | (w + 1 < words ? in[w + 1] << 63 : 0);
        out[w] = grow ? in[w] | left | right : in[w] & left & right;
    }
}

} // namespace

PixelMask::PixelMask(int left, int top, int width, int height)
    : left_(left), top_(top), width_(std::max(width, 0)), height_(std::max(height, 0)), words_((width_ + 63) / 64),
      bits_(size_t(words_) * height_, 0)
{
}

PixelMask PixelMask::OfRings(const std::vector<std::vector<Point>>& rings, int unit)
{
    int left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    for (const auto& ring : rings)
        for (const Point& p : ring) {
            left = std::min(left, p.x);
            top = std::min(top, p.y);
            right = std::max(right, p.x);
            bottom = std::max(bottom, p.y);
        }
    if (left > right)
        return {};
    const auto down = [unit](int v) { return int(std::floor(double(v) / unit)); };
    PixelMask mask(down(left) - 1, down(top) - 1, down(right) - down(left) + 3, down(bottom) - down(top) + 3);
    mask.FillRings(rings, unit);
    return mask;
}

void PixelMask::FillRings(const std::vector<std::vector<Point>>& rings, int unit)
{
    std::vector<double> crossings;
    for (int y = top_; y < top_ + height_; ++y) {
        const double yc = (y + 0.5) * unit;
        crossings.clear();
        for (const auto& ring : rings) {
            for (size_t j = 0, k = ring.size() - 1; j < ring.size(); k = j++) {
                const Point a = ring[k];
                const Point b = ring[j];
                if ((a.y <= yc) == (b.y <= yc))
                    continue;
                crossings.push_back(a.x + (yc - a.y) * double(b.x - a.x) / double(b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        uint64_t* bits = row(y);
        for (size_t c = 0; c + 1 < crossings.size(); c += 2) {
            const int from = std::max(int(std::ceil(crossings[c] / unit - 0.5)) - left_, 0);
            const int to = std::min(int(std::ceil(crossings[c + 1] / unit - 0.5)) - left_, width_);
            for (int x = from; x < to; ++x)
                bits[x >> 6] |= uint64_t{1} << (x & 63);
        }
    }
}

PixelMask PixelMask::Grown() const
{
    // The mask moved one pixel right and down into a rectangle one pixel
    // larger on every side, then spread along rows, then across them.
    PixelMask moved(left_ - 1, top_ - 1, width_ + 2, height_ + 2);
    for (int y = top_; y < top_ + height_; ++y) {
        const uint64_t* from = row(y);
        uint64_t* to = moved.row(y);
        for (int w = 0; w < moved.words_; ++w)
            to[w] = (w < words_ ? from[w] << 1 : 0) | (w > 0 && w - 1 < words_ ? from[w - 1] >> 63 : 0);
    }
    PixelMask across(moved.left_, moved.top_, moved.width_, moved.height_);
    for (int y = moved.top_; y < moved.top_ + moved.height_; ++y)
        Spread(moved.row(y), across.row(y), moved.words_, true);
    PixelMask grown(moved.left_, moved.top_, moved.width_, moved.height_);
    for (int y = grown.top_; y < grown.top_ + grown.height_; ++y)
        for (int w = 0; w < grown.words_; ++w)
            grown.row(y)[w] = across.row(y)[w] | (y > grown.top_ ? across.row(y - 1)[w] : 0) |
                              (y + 1 < grown.top_ + grown.height_ ? across.row(y + 1)[w] : 0);
    return grown;
}

PixelMask PixelMask::Shrunk() const
{
    PixelMask across(left_, top_, width_, height_);
    for (int y = top_; y < top_ + height_; ++y)
        Spread(row(y), across.row(y), words_, false);
    PixelMask shrunk(left_, top_, width_, height_);
    for (int y = top_ + 1; y + 1 < top_ + height_; ++y)
        for (int w = 0; w < words_; ++w)
            shrunk.row(y)[w] = across.row(y - 1)[w] & across.row(y)[w] & across.row(y + 1)[w];
    return shrunk;
}

bool PixelMask::test(int x, int y) const
{
    if (x < left_ || y < top_ || x >= left_ + width_ || y >= top_ + height_)
        return false;
    const int o = x - left_;
    return (row(y)[o >> 6] >> (o & 63)) & 1;
}

int PixelMask::count() const
{
    int n = 0;
    for (const uint64_t word : bits_)
        n += std::popcount(word);
    return n;
}

// One step of erosion: the pixels of `here` whose four neighbours are set too.
void PixelMask::erodeRow(const uint64_t* up, const uint64_t* here, const uint64_t* down, uint64_t* out) const
{
    for (int w = 0; w < words_; ++w) {
        const uint64_t leftSet = (here[w] << 1) | (w > 0 ? here[w - 1] >> 63 : 0);
        const uint64_t rightSet = (here[w] >> 1) | (w + 1 < words_ ? here[w + 1] << 63 : 0);
        out[w] = here[w] & up[w] & down[w] & leftSet & rightSet;
    }
}

// Walks the solid rows from `fromRow` down: each is the mask eroded twice
// (SolidDepth), from a window of once-eroded rows around it.
template <typename Visit>
void PixelMask::forEachSolidRow(int fromRow, Visit visit) const
{
    const std::vector<uint64_t> none(words_, 0);
    const auto source = [&](int y) { return y < top_ || y >= top_ + height_ ? none.data() : row(y); };
    // once[k] holds the once-eroded row y - 1 + k.
    std::vector<uint64_t> once[3] = {none, none, none};
    std::vector<uint64_t> twice(words_);
    const int first = std::max(fromRow, top_);
    for (int k = 0; k < 2; ++k)
        erodeRow(source(first - 2 + k), source(first - 1 + k), source(first + k), once[k + 1].data());
    for (int y = first; y < top_ + height_; ++y) {
        std::rotate(once, once + 1, once + 3);
        erodeRow(source(y), source(y + 1), source(y + 2), once[2].data());
        erodeRow(once[0].data(), once[1].data(), once[2].data(), twice.data());
        if (!visit(y, twice))
            return;
    }
}

std::optional<Point> PixelMask::LeadingSolidPixel(int& fromRow, int leftmost) const
{
    std::optional<Point> found;
    bool first = true;
    double least = INFINITY;
    const auto rank = [](double x, double y) { return LeadX * x + LeadY * y; };
    forEachSolidRow(fromRow, [&](int y, const std::vector<uint64_t>& solid) {
        // Rows this far down cannot lead even at the leftmost column.
        if (rank(leftmost, y) > least)
            return false;
        for (int w = 0; w < words_; ++w) {
            if (solid[w]) {
                if (first)
                    fromRow = y;
                first = false;
                const int x = left_ + (w << 6) + std::countr_zero(solid[w]);
                if (rank(x, y) < least) {
                    least = rank(x, y);
                    found = Point{x, y};
                }
                break;
            }
        }
        return true;
    });
    return found;
}

std::vector<int> PixelMask::SolidPartAreas() const
{
    std::vector<int> parent;
    std::vector<int> area;
    std::vector<Run> above, here;
    forEachSolidRow(top_, [&](int, const std::vector<uint64_t>& solid) {
        here.clear();
        size_t a = 0;
        for (int x = NextSet(solid, 0, width_, true); x < width_;) {
            const int end = NextSet(solid, x, width_, false);
            int part = -1;
            while (a < above.size() && above[a].end <= x)
                ++a;
            // Runs of the row above that share a column with this run join it.
            for (size_t b = a; b < above.size() && above[b].begin < end; ++b) {
                const int other = Root(parent, above[b].part);
                if (part < 0) {
                    part = other;
                } else if (other != part) {
                    parent[other] = part;
                    area[part] += area[other];
                    area[other] = 0;
                }
            }
            if (part < 0) {
                part = int(parent.size());
                parent.push_back(part);
                area.push_back(0);
            }
            area[part] += end - x;
            here.push_back({x, end, part});
            x = NextSet(solid, end, width_, true);
        }
        std::swap(above, here);
        return true;
    });
    std::vector<int> areas;
    for (size_t i = 0; i < parent.size(); ++i)
        if (parent[i] == int(i))
            areas.push_back(area[i]);
    return areas;
}

bool PixelMask::holds(const PixelMask& shape, int dx, int dy) const
{
    return shape.left_ + dx >= left_ && shape.top_ + dy >= top_ && shape.left_ + dx + shape.width_ <= left_ + width_ &&
           shape.top_ + dy + shape.height_ <= top_ + height_;
}

template <typename F>
void PixelMask::forEachWord(const PixelMask& shape, int dx, int dy, F f) const
{
    const int base = shape.left_ + dx - left_;
    const int first = base >> 6;
    const int s = base & 63;
    for (int r = 0; r < shape.height_; ++r) {
        const uint64_t* bits = shape.bits_.data() + size_t(r) * shape.words_;
        const int y = shape.top_ + dy + r - top_;
        const size_t start = size_t(y) * words_ + first;
        for (int w = 0; w < shape.words_; ++w) {
            const uint64_t word = bits[w];
            if (!word)
                continue;
            f(start + w, word << s);
            if (s && first + w + 1 < words_)
                f(start + w + 1, word >> (64 - s));
        }
    }
}

// The search spends most of its time here: where the processor counts bits
// in one instruction, a copy built for it is taken. Clang emits only the
// resolver of a member function's clones, which other files cannot link
// against, so it builds the one default copy.
#if defined(__GNUC__) && !defined(__clang__)
#define ZOL_POPCNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define ZOL_POPCNT_CLONES
#endif
ZOL_POPCNT_CLONES int PixelMask::Outside(const PixelMask& shape, int dx, int dy,
                                           int limit) const
{
    if (!holds(shape, dx, dy))
        return std::numeric_limits<int>::max();
    const int base = shape.left_ + dx - left_;
    const int first = base >> 6;
    const int s = base & 63;
    int outside = 0;
    for (int r = 0; r < shape.height_ && outside <= limit; ++r) {
        const uint64_t* bits = shape.bits_.data() + size_t(r) * shape.words_;
        const uint64_t* here = bits_.data() + size_t(shape.top_ + dy + r - top_) * words_ + first;
        for (int w = 0; w < shape.words_; ++w) {
            outside += std::popcount((bits[w] << s) & ~here[w]);
            if (s && first + w + 1 < words_)
                outside += std::popcount((bits[w] >> (64 - s)) & ~here[w + 1]);
        }
    }
    return outside;
}

void PixelMask::Remove(const PixelMask& shape, int dx, int dy, std::vector<uint64_t>& taken)
{
    taken.clear();
    forEachWord(shape, dx, dy, [&](size_t i, uint64_t bits) {
        taken.push_back(bits_[i] & bits);
        bits_[i] &= ~bits;
    });
}

void PixelMask::Restore(const PixelMask& shape, int dx, int dy, const std::vector<uint64_t>& taken)
{
    size_t k = 0;
    forEachWord(shape, dx, dy, [&](size_t i, uint64_t) {
        bits_[i] |= taken[k++];
    });
}

} // namespace zol
