// The named colours shipped beside the program.
#include "io/ColourTable.h"
#include "io/LineFile.h"
#include "io/Prompter.h"

#include <gtest/gtest.h>

#include <map>

using namespace zol;

namespace {

class SilentPrompter : public Prompter {
public:
    void Inform(const std::string& text) override { told.push_back(text); }
    bool Confirm(const std::string&) override { return false; }
    std::vector<std::string> told;
};

const QString Path = QStringLiteral(ZOL_DATA_DIR "/rgbdata.txt");

TEST(ShippedColourTable, IsCp932WithCrLfInPairs)
{
    const std::string bytes = ReadFileBytes(Path);
    const TextLines text = SplitLines(bytes);
    EXPECT_EQ(text.encoding, TextEncoding::Cp932);
    EXPECT_FALSE(text.bom);
    EXPECT_EQ(text.lines.size() % 2, 0u);
    EXPECT_EQ(JoinLines(text), bytes); // every line ends in CR LF
}

TEST(ShippedColourTable, LoadsEveryCssNameAndTheJapaneseNames)
{
    SilentPrompter prompter;
    const TColors colours = ReadColourTable(Path, prompter);
    EXPECT_TRUE(prompter.told.empty());
    std::map<std::string, Rgb> byName;
    for (const NamedColour& c : colours)
        byName.emplace(c.name, c.rgb);
    EXPECT_EQ(byName.size(), colours.size()) << "a name appears twice";
    EXPECT_GE(colours.size(), 148u + 100u);
    const std::pair<const char*, Rgb> samples[] = {
        {"rebeccapurple", {102, 51, 153}}, {"aqua", {0, 255, 255}},  {"cyan", {0, 255, 255}},
        {"lightgoldenrodyellow", {250, 250, 210}}, {"gray", {128, 128, 128}}, {"grey", {128, 128, 128}},
        {"鴇色", {244, 179, 194}},          {"若草色", {195, 216, 37}}, {"瑠璃色", {30, 80, 162}},
    };
    for (const auto& [name, rgb] : samples) {
        ASSERT_TRUE(byName.contains(name)) << name;
        EXPECT_EQ(byName[name], rgb) << name;
    }
}

} // namespace
