#include "model/Palette.h"

#include "model/Random.h"
#include "model/TangramModel.h"

#include <algorithm>
#include <cstdlib>

namespace zol {

Rgb HsvToRgb(uint8_t h, uint8_t s, uint8_t v)
{
    const int lo = (255 - s) * v / 255;
    const int t = ((6 * h + 256) % 512) - 256;
    const int mid = lo + (v - lo) * std::min(std::abs(t), 255) / 255;
    const int level[3] = {v, mid, lo};
    int channel[3];
    for (int c = 0; c < 3; ++c) {
        const int r = (6 * h + 512 * c + 768) % 1536;
        channel[c] = level[std::min(2, std::abs(768 - r) / 256)];
    }
    return {static_cast<uint8_t>(channel[0]), static_cast<uint8_t>(channel[1]), static_cast<uint8_t>(channel[2])};
}

const std::array<FixedPalette, 7>& FixedPalettes()
{
    // bgcolor, ho, hr, so, sr, vo, vr
    static const std::array<FixedPalette, 7> palettes = {{
        {"白‐黒", {0xFFFFFF, 0, 0, 0, 0, 0, 0}},
        {"黒‐白", {0x000000, 0, 0, 0, 0, 255, 0}},
        {"黒‐乱枯葉", {0x000000, 200, 55, 172, 83, 156, 99}},
        {"黒‐乱新緑", {0x000000, 166, 28, 172, 83, 156, 99}},
        {"黒‐乱葡萄", {0x000000, 28, 37, 172, 83, 146, 71}},
        {"黒‐乱朱", {0x000000, 255, 0, 255, 0, 128, 127}},
        {"透明‐黒", {WorkspaceColor, 0, 0, 0, 0, 0, 0}},
    }};
    return palettes;
}

namespace {

// A spread of 0 draws no random number. The remainder takes the sign of the
// non-negative random number, so a negative spread acts as its magnitude (and
// the most negative int needs no negation that would overflow).
int Spread(int spread) { return spread != 0 ? NextRandom() % spread : 0; }

// Only the low eight bits of offset + spread count; unsigned addition gives
// them for any offset a settings file may hold, without overflow.
uint8_t LowByte(int offset, int spread)
{
    return static_cast<uint8_t>(static_cast<uint32_t>(offset) + static_cast<uint32_t>(spread));
}

} // namespace

uint32_t NextPaletteColor(const PaletteParams& p)
{
    const int v = Spread(p.vr);
    const int s = Spread(p.sr);
    const int h = Spread(p.hr);
    const Rgb c = HsvToRgb(LowByte(p.ho, h), LowByte(p.so, s), LowByte(p.vo, v));
    return c.r + 256u * c.g + 65536u * c.b;
}

void TangramModel::SetPalette(ColorRef bgcolor, int ho, int so, int vo, int hr, int sr, int vr)
{
    background_ = bgcolor;
    const PaletteParams params{bgcolor, ho, hr, so, sr, vo, vr};
    for (int i = 0; i < MaxPieces; ++i)
        pieceColors_[i] = NextPaletteColor(params);
}

ColorRef TangramModel::LabelColor() const
{
    if (pieceColors_[0] == pieceColors_[1])
        return pieceColors_[0];
    if (background_ == WorkspaceColor)
        return 0xFFFFFF;
    const int m = ((background_ & 0xFF) + ((background_ >> 8) & 0xFF) + ((background_ >> 16) & 0xFF)) / 3;
    return m >= 128 ? 0x000000 : 0xFFFFFF;
}

} // namespace zol
