#include "export/NuanceKey.h"

#include "model/Figure.h"

#include <array>
#include <stdexcept>

namespace zol {

namespace {

// The balances of one level; the cell size is known to the compiler, so the
// pixel loops unroll and vectorise.
template <int Level>
void AddBalances(const QImage& work, uint32_t reference, int* balance)
{
    constexpr int side = 1 << Level;
    constexpr int cells = GuideSize >> Level;
    for (int y = 0; y < GuideSize; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(work.constScanLine(y));
        int* cellRow = balance + (y >> Level) * cells;
        for (int a = 0; a < cells; ++a) {
            int differing = 0;
            for (int k = 0; k < side; ++k)
                differing += (row[a * side + k] & 0xFFFFFFu) != reference;
            cellRow[a] += 2 * differing - side;
        }
    }
}

} // namespace

int NuanceKey(const QImage& work, uint32_t background, int level)
{
    const int cells = GuideSize >> level;
    std::array<int, GuideSize * GuideSize> balance{};
    const uint32_t reference = background & 0xFFFFFFu;
    switch (level) {
    case 0: AddBalances<0>(work, reference, balance.data()); break;
    case 2: AddBalances<2>(work, reference, balance.data()); break;
    case 4: AddBalances<4>(work, reference, balance.data()); break;
    default: throw std::invalid_argument("nuance level must be 0, 2 or 4");
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
