#pragma once
// Board pixels as rows of bits over a rectangle of the board: the raster a
// silhouette is searched on. A pixel belongs to a shape when its centre lies
// inside; a shape moved by whole pixels covers its pixels moved alike.

#include "model/Figure.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zol {

class PixelMask {
public:
    PixelMask() = default;
    // An empty mask over the pixels left..left+width-1, top..top+height-1.
    PixelMask(int left, int top, int width, int height);

    // The pixels whose centres lie inside an odd number of the rings, given
    // in 1/unit board pixels; the mask spans their bounds.
    static PixelMask OfRings(const std::vector<std::vector<Point>>& rings, int unit);
    // The same over the given rectangle (pixels outside it are left out).
    void FillRings(const std::vector<std::vector<Point>>& rings, int unit);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The mask with every pixel that touches it (sides or corners), over a
    // rectangle a pixel larger on each side.
    PixelMask Grown() const;
    // The pixels whose eight neighbours are all in the mask.
    PixelMask Shrunk() const;

    bool test(int x, int y) const;
    int count() const;

    // The leading pixel of the solid part (the pixels that lie in the mask
    // with every pixel within two steps left, right, up or down, which
    // slivers up to four pixels wide do not have): the one least along
    // (LeadX, LeadY), mostly the topmost, then the leftmost. The direction
    // leans so that it lies across no edge of the usual angle grids: along
    // such an edge, a pixel of rounding would move the leading pixel far.
    // Rows above `fromRow` and columns left of `leftmost` are known to have
    // none; `fromRow` becomes the first row that has some.
    static constexpr double LeadX = 0.38268343236508978; // sin 22.5 degrees
    static constexpr double LeadY = 0.92387953251128674; // cos 22.5 degrees
    std::optional<Point> LeadingSolidPixel(int& fromRow, int leftmost) const;
    std::optional<Point> LeadingSolidPixel() const
    {
        int fromRow = top_;
        return LeadingSolidPixel(fromRow, left_);
    }

    // The areas of the solid part's pieces that hang together (four
    // neighbours), in pixels.
    std::vector<int> SolidPartAreas() const;

    // Pixels of `shape` moved by (dx, dy) that are not in this mask (counting
    // stops once above `limit`); a shape reaching beyond the rectangle gets
    // the largest int, and Remove and Restore must not be given it.
    int Outside(const PixelMask& shape, int dx, int dy, int limit) const;
    // Takes the moved shape's pixels out, keeping what was taken in `taken`;
    // Restore puts them back.
    void Remove(const PixelMask& shape, int dx, int dy, std::vector<uint64_t>& taken);
    void Restore(const PixelMask& shape, int dx, int dy, const std::vector<uint64_t>& taken);

private:
    uint64_t* row(int y) { return bits_.data() + size_t(y - top_) * words_; }
    const uint64_t* row(int y) const { return bits_.data() + size_t(y - top_) * words_; }
    void erodeRow(const uint64_t* up, const uint64_t* here, const uint64_t* down, uint64_t* out) const;
    template <typename Visit>
    void forEachSolidRow(int fromRow, Visit visit) const;
    bool holds(const PixelMask& shape, int dx, int dy) const;
    // Calls f(region word, shape bits) for every word of the moved shape.
    template <typename F>
    void forEachWord(const PixelMask& shape, int dx, int dy, F f) const;

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    int words_ = 0;
    std::vector<uint64_t> bits_;
};

} // namespace zol
