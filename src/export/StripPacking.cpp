#include "export/StripPacking.h"

#include <algorithm>

namespace zol {

int CatalogueCell::width() const
{
    const int w = crop.right - crop.left;
    return w > captionWidth ? w + 6 : captionWidth + 16;
}

Rect CropOf(const Rect& bounds)
{
    return {std::max(bounds.left - 3, 0), std::max(bounds.top - 2, 0), std::min(bounds.right + 3, GuideSize - 1),
            std::min(bounds.bottom + 6, GuideSize - 1)};
}

std::vector<Strip> PackStrips(const std::vector<CatalogueCell>& cells)
{
    std::vector<Strip> strips;
    const int n = static_cast<int>(cells.size());
    int k = 0;
    while (k < n) {
        Strip strip{k, k, 0};
        while (k < n) {
            const int c = cells[k].width();
            if (strip.width + c > StripWidth && strip.end > strip.first)
                break;
            strip.width += c;
            ++k;
            strip.end = k;
        }
        strips.push_back(strip);
    }
    return strips;
}

} // namespace zol
