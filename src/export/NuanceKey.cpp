#include "export/NuanceKey.h"

#include "export/ExportDrawing.h"
#include "model/Figure.h"

#include <array>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <stdexcept>

namespace zol {

namespace {

// The key at level 2 or 4, one row of cells at a time. The cell size is known
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

// One row of the work image as bits, bit x set where pixel x differs from
// the reference.
struct RowBits {
    uint64_t low = 0, high = 0; // pixels 0-63, 64-127
};

RowBits DifferingBits(const uint32_t* row, uint32_t reference)
{
    RowBits bits;
#if defined(__SSE2__)
    const __m128i colour = _mm_set1_epi32(0xFFFFFF);
    const __m128i equal = _mm_set1_epi32(static_cast<int>(reference));
    for (int x = 0; x < GuideSize; x += 4) {
        const __m128i pixels = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x)), colour);
        const auto same = static_cast<uint64_t>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(pixels, equal))));
        (x < 64 ? bits.low : bits.high) |= (~same & 0xF) << (x & 63);
    }
#else
    for (int x = 0; x < GuideSize; ++x)
        (x < 64 ? bits.low : bits.high) |= uint64_t((row[x] & 0xFFFFFFu) != reference) << (x & 63);
#endif
    return bits;
}

// At level 0 every balance is +1 or -1, so a pair adds +1 when both pixels
// agree and -1 when they do not: the key is the number of neighbouring
// pairs, 2 x 128 x 127, less twice the pairs that disagree.
int KeyAtLevel0(const QImage& work, uint32_t reference)
{
    int disagreeing = 0;
    RowBits above;
    for (int y = 0; y < GuideSize; ++y) {
        const RowBits bits = DifferingBits(reinterpret_cast<const uint32_t*>(work.constScanLine(y)), reference);
        // Pixel x against pixel x + 1; the last pixel has no right neighbour.
        disagreeing += std::popcount(bits.low ^ (bits.low >> 1 | bits.high << 63)) +
                       std::popcount((bits.high ^ bits.high >> 1) & ~(uint64_t(1) << 63));
        if (y > 0)
            disagreeing += std::popcount(bits.low ^ above.low) + std::popcount(bits.high ^ above.high);
        above = bits;
    }
    return 2 * GuideSize * (GuideSize - 1) - 2 * disagreeing;
}

} // namespace

int NuanceKey(const QImage& work, uint32_t background, int level)
{
    const uint32_t reference = background & 0xFFFFFFu;
    switch (level) {
    case 0: return KeyAtLevel0(work, reference);
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
