#include "model/colour/ColourPick.h"

namespace zol {

namespace {

std::string ValuesLine(Rgb rgb)
{
    const Hsv hsv = RgbToHsv(rgb.r, rgb.g, rgb.b);
    const auto n = [](int value) { return std::to_string(value); };
    return "R:" + n(rgb.r) + " G:" + n(rgb.g) + " B:" + n(rgb.b) + " (H:" + n(hsv.h) + " S:" + n(hsv.s) +
           " V:" + n(hsv.v) + ")\n";
}

} // namespace

void PickColour(ColourPick& pick, const TColors& colours, uint32_t colorValue)
{
    pick.swatch = colorValue;
    const Rgb rgb = RgbOf(colorValue);
    std::string text = ValuesLine(rgb);
    bool named = false;
    for (size_t i = 0; i < colours.size(); ++i) {
        if (!(colours[i].rgb == rgb))
            continue;
        text += colours[i].name + "\n";
        pick.selected = static_cast<int>(i);
        pick.chosen = ColorValue(rgb);
        named = true;
    }
    if (named)
        pick.label = text;
}

void PresetColour(ColourPick& pick, const TColors& colours, uint32_t colorValue)
{
    PickColour(pick, colours, colorValue);
    pick.chosen = colorValue;
}

} // namespace zol
