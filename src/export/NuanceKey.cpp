#include "export/NuanceKey.h"

#include "export/ExportDrawing.h"
#include "model/Figure.h"

#include <array>
#include <stdexcept>

namespace zol {

namespace {

// The key at one level, one row of cells at a time. The cell size is known
// to the compiler and every loop runs over a whole row, so the loops
// vectorise.
template <int Level>
int KeyAtLevel(const QImage& work, uint32_t reference)
{
    constexpr int side = 1 << Level;
    constexpr int cells = GuideSize >> Level;
    // The balances of the row of cells above and of this one; the extra
    // zero is the right neighbour of the last cell.
    std::array<int, cells + 1> above{}, balance{};
    int key = 0;
    for (int b = 0; b < cells; ++b) {
        std::array<int, GuideSize> differing{};
        for (int y = b * side; y < (b + 1) * side; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(work.constScanLine(y));
            for (int x = 0; x < GuideSize; ++x)
                differing[x] += (row[x] & 0xFFFFFFu) != reference;
        }
        for (int a = 0; a < cells; ++a) {
            int d = 0;
            for (int k = 0; k < side; ++k)
                d += differing[a * side + k];
            balance[a] = 2 * d - side * side;
        }
        for (int a = 0; a < cells; ++a)
            key += balance[a] * (balance[a + 1] + above[a]);
        above = balance;
    }
    return key;
}

} // namespace

int NuanceKey(const QImage& work, uint32_t background, int level)
{
    const uint32_t reference = background & 0xFFFFFFu;
    switch (level) {
    case 0: return KeyAtLevel<0>(work, reference);
    case 2: return KeyAtLevel<2>(work, reference);
    case 4: return KeyAtLevel<4>(work, reference);
    default: throw std::invalid_argument("nuance level must be 0, 2 or 4");
    }
}

NuanceKeyRenderer::NuanceKeyRenderer(const TangramModel& model, int level)
    : renderer_(model), background_(BackgroundPixel(model)), level_(level), board_(BoardSize),
      work_(GuideSize, GuideSize, QImage::Format_RGB32)
{
    if (level != 0 && level != 2 && level != 4)
        throw std::invalid_argument("nuance level must be 0, 2 or 4");
}

int NuanceKeyRenderer::Key(const Figure& figure)
{
    board_.Draw(renderer_, figure, 1.0);
    board_.Reduce(renderer_, work_, GuideReduction::Stretch);
    return NuanceKey(work_, background_, level_);
}

} // namespace zol
