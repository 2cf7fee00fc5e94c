#include "model/colour/RgbToHsv.h"

#include <utility>

namespace zol {

namespace {

struct Channel {
    int value;
    int index; // 0 red, 1 green, 2 blue
};

} // namespace

Hsv RgbToHsv(uint8_t r, uint8_t g, uint8_t b)
{
    // Descending, and among equal values red before green before blue: an entry
    // moves up only past strictly smaller ones.
    Channel c[3] = {{r, 0}, {g, 1}, {b, 2}};
    for (int i = 1; i < 3; ++i)
        for (int j = i; j > 0 && c[j - 1].value < c[j].value; --j)
            std::swap(c[j - 1], c[j]);
    const Channel& max = c[0];
    const Channel& mid = c[1];
    const int min = c[2].value;
    if (max.value == 0)
        return {};
    Hsv hsv;
    hsv.v = static_cast<uint8_t>(max.value);
    hsv.s = static_cast<uint8_t>(255 - 255 * min / max.value);
    if (hsv.s == 0)
        return hsv;
    const int d = max.index - mid.index;
    const int sign = (d == -1 || d == 2) ? 1 : -1;
    const int q = 255 * (mid.value - min) * sign / (max.value - min);
    hsv.h = static_cast<uint8_t>(((q + 512 * max.index + 1536) % 1536) / 6);
    return hsv;
}

} // namespace zol
