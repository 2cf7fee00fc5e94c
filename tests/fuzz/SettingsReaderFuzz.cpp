// The settings reader: any Zol.ini gives settings, and what is written back
// reads as the same settings (the history's paths above all).
#include "FuzzSupport.h"

#include "io/FileError.h"
#include "io/Settings.h"

using namespace zol;

namespace {

bool SameSettings(const Settings& a, const Settings& b)
{
    return a.history == b.history && a.inidir == b.inidir && a.dcxsmin == b.dcxsmin && a.dcxabsmax == b.dcxabsmax &&
           a.flipsens == b.flipsens && a.fssens == b.fssens && a.aadown == b.aadown && a.gamma == b.gamma &&
           a.opttbv == b.opttbv && a.top == b.top && a.left == b.left && a.height == b.height &&
           a.width == b.width && a.sbx == b.sbx && a.sby == b.sby && a.sbz == b.sbz && a.ws == b.ws &&
           a.palette == b.palette && a.registeredPalette == b.registeredPalette;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::ScratchPath("Zol.ini");
    fuzz::WriteBytes(path, data, size);
    const QRect desktop(0, 0, 1920, 1080);
    const Settings read = ReadSettings(path, desktop);
    try {
        WriteSettings(path, read, true);
    } catch (const FileError&) {
        fuzz::Require(false, "settings read from a file can be written back");
    }
    fuzz::Require(SameSettings(ReadSettings(path, desktop), read), "written settings read back the same");
    return 0;
}
