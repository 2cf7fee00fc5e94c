#include "model/CommaList.h"
#include "model/Message.h"
#include "model/PlacementLine.h"
#include "model/TangramModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>

using namespace zol;

namespace {

TEST(Messages, AnErrorSpeaksEnglishToZoltoolAndJapaneseToTheEditor)
{
    const auto placements = [](const char* line, int pieces) {
        return [=] { PlacementsFromValues(ParseCommaList(line), pieces, 0); };
    };
    const struct Case {
        std::function<void()> fail;
        const char* english;
        const char* japanese;
    } cases[] = {
        {placements("0,0,0,2", 1), "a flip value must be 1 or -1", "裏返しの値は 1 か -1 でなければなりません。"},
        {placements("2000000000,0,0,1", 1), "a placement value 2000000000 is out of range",
         "配置の値 2000000000 が範囲外です。"},
        {placements("1,2,3", 7), "a placement line holds 3 numbers; 28 are needed",
         "配置の行に数値が 3 個しかありません。28 個必要です。"},
        {placements("0,x,0,1", 1), "'x' is not a valid integer value", "'x' は有効な整数値ではありません。"},
        {[] { TangramModel().LoadFigure(5); }, "List index out of bounds (5)",
         "リストのインデックスが範囲を超えています (5)。"},
    };
    for (const Case& c : cases) {
        try {
            c.fail();
            ADD_FAILURE() << "no error for " << c.english;
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), c.english);
            EXPECT_EQ(ErrorText(e, Language::English), c.english);
            EXPECT_EQ(ErrorText(e, Language::Japanese), c.japanese);
        }
    }
}

TEST(Messages, EveryTextHasAJapaneseForm)
{
    // Texts that stand as they are (file reasons, zoltool's own) have one form.
    const std::regex latinWord("[A-Za-z]{2,}");
    for (int id = static_cast<int>(MessageId::Text) + 1; id <= static_cast<int>(MessageId::NoFigures); ++id) {
        const Message message{static_cast<MessageId>(id), {"1", "2"}};
        const std::string japanese = MessageText(message, Language::Japanese);
        EXPECT_FALSE(std::regex_search(japanese, latinWord)) << japanese;
        EXPECT_NE(japanese, MessageText(message, Language::English));
    }
}

TEST(Messages, ValuesAreInsertedAsTheyStand)
{
    EXPECT_EQ(MessageText({MessageId::PlacementCount, {"%2", "28"}}, Language::English),
              "a placement line holds %2 numbers; 28 are needed");
    EXPECT_EQ(MessageText({MessageId::Text, {"as it is"}}, Language::Japanese), "as it is");
    EXPECT_EQ(ErrorText(std::runtime_error("plain"), Language::Japanese), "plain");
    EXPECT_EQ(ErrorText(ConversionError(std::string("given text")), Language::Japanese), "given text");
}

} // namespace
