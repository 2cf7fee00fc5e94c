#pragma once
// The picker's own HSV: hue runs red 0, yellow 42, green 85, cyan 127, blue 170,
// magenta 213 (the opposite way round to HsvToRgb, which the picker never uses).

#include <cstdint>

namespace zol {

struct Hsv {
    uint8_t h = 0;
    uint8_t s = 0;
    uint8_t v = 0;
    bool operator==(const Hsv&) const = default;
};

Hsv RgbToHsv(uint8_t r, uint8_t g, uint8_t b);

} // namespace zol
