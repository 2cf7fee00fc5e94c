#pragma once
// What a pick in the colour picker changes: the swatch, the label with the
// values and every name of that value, the selected named colour and the
// colour the picker hands back.

#include "model/colour/NamedColours.h"

#include <string>

namespace zol {

struct ColourPick {
    uint32_t swatch = 0;
    std::string label = "DATA"; // UTF-8, lines end in "\n"
    int selected = 0;           // index of the named colour the pointer marks
    uint32_t chosen = 0;        // what OK returns: the last named colour picked, else the preset
};

// The colour shows in the swatch; only a colour with at least one name changes
// the label, the selection (the last of its names) and the chosen colour.
void PickColour(ColourPick& pick, const TColors& colours, uint32_t colorValue);

// The colour the picker opens with, shown as a pick would show it. It is the
// chosen colour even without a name (a background the user only looked at
// comes back as it was, the workspace colour included).
void PresetColour(ColourPick& pick, const TColors& colours, uint32_t colorValue);

} // namespace zol
