#include "model/colour/PaletteBars.h"

#include <algorithm>
#include <cstdlib>

namespace zol {

int& PaletteBarPositions::operator[](PaletteBar bar)
{
    int* fields[] = {&h1, &h2, &s1, &s2, &v1, &v2};
    return *fields[static_cast<int>(bar)];
}

int PaletteBarPositions::operator[](PaletteBar bar) const
{
    return const_cast<PaletteBarPositions&>(*this)[bar];
}

PaletteBarPositions CoupleBars(PaletteBarPositions b, PaletteBar moved)
{
    switch (moved) {
    case PaletteBar::H1:
        if (std::abs(b.h1 - b.h2) < HueBarGap)
            b.h1 = b.h2;
        break;
    case PaletteBar::H2:
        if (std::abs(b.h2 - b.h1) < HueBarGap)
            b.h2 = b.h1;
        break;
    case PaletteBar::S1:
        b.s2 = std::min(b.s2, b.s1);
        break;
    case PaletteBar::S2:
        b.s1 = std::max(b.s1, b.s2);
        break;
    case PaletteBar::V1:
        b.v2 = std::min(b.v2, b.v1);
        break;
    case PaletteBar::V2:
        b.v1 = std::max(b.v1, b.v2);
        break;
    }
    return b;
}

PaletteParams ParamsFromBars(const PaletteBarPositions& b, uint32_t bgcolor)
{
    PaletteParams p;
    p.bgcolor = bgcolor;
    p.ho = 255 - b.h1;
    p.hr = ((255 - b.h2 - p.ho) % 256 + 256) % 256;
    p.so = 255 - b.s1;
    p.sr = 255 - b.s2 - p.so;
    p.vo = 255 - b.v1;
    p.vr = 255 - b.v2 - p.vo;
    return p;
}

namespace {

// Wide arithmetic: a record from a settings file may hold any int.
int Position(long long value) { return static_cast<int>(std::clamp(255 - value, 0LL, 255LL)); }

} // namespace

PaletteBarPositions BarsFromParams(const PaletteParams& p)
{
    PaletteBarPositions b;
    b.h1 = Position(p.ho);
    b.h2 = Position((static_cast<long long>(p.ho) + p.hr) & 255);
    b.s1 = Position(p.so);
    b.s2 = Position(static_cast<long long>(p.so) + p.sr);
    b.v1 = Position(p.vo);
    b.v2 = Position(static_cast<long long>(p.vo) + p.vr);
    b = CoupleBars(b, PaletteBar::H2);
    b = CoupleBars(b, PaletteBar::S2);
    return CoupleBars(b, PaletteBar::V2);
}

} // namespace zol
