#include "model/colour/PreviewLayout.h"

#include <cmath>

namespace zol {

const std::array<PreviewRect, PreviewSquares>& PreviewLayout()
{
    static const std::array<PreviewRect, PreviewSquares> layout = [] {
        std::array<PreviewRect, PreviewSquares> rects{};
        double a = 0;
        for (int n = 1; n <= PreviewSquares; ++n) {
            a += 0.84 / std::sqrt(n);
            const double dx = -n * 0.25 * std::cos(a);
            const double dy = n * 0.25 * std::sin(a);
            const int side = (n + 200) / 100;
            rects[n - 1] = {static_cast<int>(dx + 91), static_cast<int>(dy + 63), static_cast<int>(dx + 91 + side),
                            static_cast<int>(dy + 63 + side)};
        }
        return rects;
    }();
    return layout;
}

std::vector<uint32_t> PreviewColours(const PaletteParams& params, int count)
{
    std::vector<uint32_t> colours;
    colours.reserve(count);
    for (int i = 0; i < count; ++i)
        colours.push_back(NextPaletteColor(params));
    return colours;
}

} // namespace zol
