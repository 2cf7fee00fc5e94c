#include "model/Rotation.h"

#include <cmath>
#include <numbers>

namespace zol {

const std::array<int, 720>& CosineTable()
{
    static const std::array<int, 720> table = [] {
        std::array<int, 720> t{};
        for (int i = 0; i < 720; ++i)
            t[i] = static_cast<int>(std::cos(2.0 * std::numbers::pi * i / 720.0) * 512.5);
        return t;
    }();
    return table;
}

int NormalizeAngle(int64_t a)
{
    const int r = static_cast<int>(a % 720);
    return r < 0 ? r + 720 : r;
}

Point64 Roll(int64_t x, int64_t y, int64_t angle)
{
    const int a = NormalizeAngle(angle);
    const int64_t c = CosineTable()[a];
    const int64_t s = CosineTable()[(a + 540) % 720]; // the sine
    return {(x * c - y * s) / 512, (x * s + y * c) / 512};
}

} // namespace zol
