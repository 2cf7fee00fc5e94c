#pragma once
// The picker's table of named colours, as rgbdata.txt lists them.

#include "model/Palette.h"
#include "model/colour/RgbToHsv.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zol {

struct NamedColour {
    std::string name; // UTF-8
    Rgb rgb;
    Hsv hsv; // RgbToHsv of rgb
};

using TColors = std::vector<NamedColour>;

NamedColour MakeNamedColour(std::string name, Rgb rgb);

// A colour value 0x00BBGGRR and back.
uint32_t ColorValue(Rgb rgb);
Rgb RgbOf(uint32_t colorValue);

} // namespace zol
