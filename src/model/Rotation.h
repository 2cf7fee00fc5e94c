#pragma once
// The integer rotation the board uses: angles in 1/720 of a turn, a 720-entry
// cosine table scaled by 512, clockwise on the screen (y points down).

#include <array>
#include <cstdint>

namespace zol {

// T[i] = trunc(cos(2 pi i / 720) * 512.5): T[0] = 512, T[180] = 0, T[360] = -512.
const std::array<int, 720>& CosineTable();

// Any angle brought into 0..719.
int NormalizeAngle(int64_t a);

struct Point64 {
    int64_t x = 0;
    int64_t y = 0;
};

// (x, y) turned by `angle`; each coordinate is divided by 512 truncating
// toward zero. 64-bit products: exact for every 32-bit vector.
Point64 Roll(int64_t x, int64_t y, int64_t angle);

} // namespace zol
