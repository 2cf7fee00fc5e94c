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
    // every CSS name, and every name the JIS list writes in Japanese
    EXPECT_EQ(colours.size(), 148u + 147u);
    const std::pair<const char*, Rgb> samples[] = {
        {"rebeccapurple", {102, 51, 153}}, {"aqua", {0, 255, 255}},  {"cyan", {0, 255, 255}},
        {"lightgoldenrodyellow", {250, 250, 210}}, {"gray", {128, 128, 128}}, {"grey", {128, 128, 128}},
        {"鴇色", {244, 179, 194}},          {"若草色", {195, 216, 37}}, {"瑠璃色", {30, 80, 162}},
        {"紅海老茶", {167, 56, 54}},        {"赤橙", {234, 85, 6}},     {"肉桂色", {221, 122, 86}},
        {"黄茶", {225, 123, 52}},           {"灰茶", {152, 98, 60}},    {"褐色", {138, 59, 0}},
        {"小麦色", {228, 158, 97}},         {"中黄", {255, 234, 0}},    {"錆浅葱", {92, 146, 145}},
        {"あやめ色", {204, 126, 177}},      {"茶鼠", {169, 158, 147}},
        // 菖蒲色 (しょうぶいろ) is a bluish purple, not the pink-purple of あやめ色
        {"菖蒲色", {103, 65, 150}},         {"青紫", {103, 69, 152}},
    };
    for (const auto& [name, rgb] : samples) {
        const auto found = byName.find(name);
        if (found == byName.end()) {
            ADD_FAILURE() << "missing: " << name; // go on, so every missing name is named
            continue;
        }
        EXPECT_EQ(found->second, rgb) << name;
    }
}

} // namespace
