#include "export/NuanceKey.h"

#include "model/Figure.h"

#include <array>

namespace zol {

int NuanceKey(const QImage& work, uint32_t background, int level)
{
    const int cells = GuideSize >> level;
    std::array<int, GuideSize * GuideSize> balance{};
    const uint32_t reference = background & 0xFFFFFFu;
    for (int y = 0; y < GuideSize; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(work.constScanLine(y));
        int* cellRow = balance.data() + (y >> level) * cells;
        for (int x = 0; x < GuideSize; ++x)
            cellRow[x >> level] += (row[x] & 0xFFFFFFu) != reference ? 1 : -1;
    }
    int key = 0;
    for (int b = 0; b < cells; ++b) {
        for (int a = 0; a < cells; ++a) {
            const int here = balance[b * cells + a];
            if (a + 1 < cells)
                key += here * balance[b * cells + a + 1];
            if (b + 1 < cells)
                key += here * balance[(b + 1) * cells + a];
        }
    }
    return key;
}

} // namespace zol
