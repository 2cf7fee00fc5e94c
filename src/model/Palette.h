#pragma once
// The colour model: HSV to RGB, palette parameter records and the fixed sets.

#include <array>
#include <cstdint>

namespace zol {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// Hue in 1/256 turn: red 0, magenta 43, blue 85, cyan 128, green 171, yellow 213.
Rgb HsvToRgb(uint8_t h, uint8_t s, uint8_t v);

struct PaletteParams {
    uint32_t bgcolor = 0;
    int ho = 255, hr = 0;
    int so = 0, sr = 0;
    int vo = 255, vr = 0;
    bool operator==(const PaletteParams&) const = default;
};

// One piece colour 0x00BBGGRR of `params`, drawing from the process-wide
// generator a value, a saturation and a hue number, each only when its spread
// is not 0.
uint32_t NextPaletteColor(const PaletteParams& params);

struct FixedPalette {
    const char* caption; // UTF-8
    PaletteParams params;
};

// The seven colour sets offered to the user, indexed by their command's Tag.
const std::array<FixedPalette, 7>& FixedPalettes();

} // namespace zol
