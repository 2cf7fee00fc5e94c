#pragma once
// The palette options shared by the sub-commands that colour pieces.

#include "model/Palette.h"

#include <string>

namespace zol {
class TangramModel;
}

namespace zol::cli {

class Arguments;

// The editor's palette before the user picks one: white pieces on black.
inline constexpr PaletteParams StartupPalette{0x000000, 255, 0, 0, 0, 255, 0};

// The fixed record a TAG names (0..6); anything else throws UsageError.
const PaletteParams& FixedRecord(const std::string& tag);

// Seeds the generator from --seed N (from the clock without it, as the editor
// does), then generates the palette from params.
void ApplyPalette(const Arguments& arguments, const PaletteParams& params, TangramModel& model);

} // namespace zol::cli
