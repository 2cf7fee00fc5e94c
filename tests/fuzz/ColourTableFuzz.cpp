// The colour picker's rgbdata.txt: any file gives a table without harm, and
// an empty one is always explained to the user.
#include "FuzzSupport.h"

#include "io/ColourTable.h"

using namespace zol;

namespace {

// Counts what the reader tells the user, so an empty table can be checked
// against the message that explains it.
class CountingPrompter : public Prompter {
public:
    int informed = 0;
    void Inform(const std::string&) override { ++informed; }
    bool Confirm(const std::string&) override { return false; }
};

// A colour needs a name line and a value line; line ends of any kind count.
size_t MostColours(const uint8_t* data, size_t size)
{
    size_t lines = 1;
    for (size_t i = 0; i < size; ++i)
        lines += data[i] == '\n' || (data[i] == '\r' && (i + 1 == size || data[i + 1] != '\n'));
    return lines / 2;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::ScratchPath(ColourTableFileName.toUtf8().constData());
    fuzz::WriteBytes(path, data, size);
    CountingPrompter prompter;
    const TColors colours = ReadColourTable(path, prompter);
    fuzz::Require(!colours.empty() || prompter.informed > 0, "an empty colour table is explained to the user");
    fuzz::Require(colours.size() <= MostColours(data, size), "every colour comes from a pair of lines");
    return 0;
}
