#include "model/colour/NamedColours.h"

#include <utility>

namespace zol {

NamedColour MakeNamedColour(std::string name, Rgb rgb)
{
    return {std::move(name), rgb, RgbToHsv(rgb.r, rgb.g, rgb.b)};
}

uint32_t ColorValue(Rgb rgb) { return rgb.r + 256u * rgb.g + 65536u * rgb.b; }

Rgb RgbOf(uint32_t c)
{
    return {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
            static_cast<uint8_t>((c >> 16) & 0xFF)};
}

} // namespace zol
