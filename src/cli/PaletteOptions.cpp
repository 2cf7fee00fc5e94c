#include "cli/PaletteOptions.h"

#include "cli/Arguments.h"
#include "model/Random.h"
#include "model/TangramModel.h"

namespace zol::cli {

const PaletteParams& FixedRecord(const std::string& tag)
{
    const int last = static_cast<int>(FixedPalettes().size()) - 1;
    return FixedPalettes()[IntegerIn(tag, 0, last, "TAG")].params;
}

void ApplyPalette(const Arguments& arguments, const PaletteParams& p, TangramModel& model)
{
    if (const auto seed = arguments.seed("--seed"))
        SeedRandom(*seed);
    else
        SeedRandomFromClock();
    model.SetPalette(p.bgcolor, p.ho, p.so, p.vo, p.hr, p.sr, p.vr);
}

} // namespace zol::cli
