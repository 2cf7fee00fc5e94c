#include "io/LanguageChoice.h"

#include <gtest/gtest.h>

using namespace zol;

TEST(LanguageChoice, FollowsTheSettingThenTheDesktopThenJapanese)
{
    const QStringList shipped = {"ja", "en"};
    struct Case {
        const char* setting;
        LocaleVariables desktop;
        const char* expected;
    } cases[] = {
        // the desktop's variables, in the order they are asked
        {"", {}, "ja"},
        {"", {"", "", "", "en_US.UTF-8"}, "en"},
        {"", {"", "", "", "ja_JP.UTF-8"}, "ja"},
        {"", {"", "", "en_GB.UTF-8", "ja_JP.UTF-8"}, "en"},
        {"", {"", "ja_JP.UTF-8", "en_GB.UTF-8", "en_US.UTF-8"}, "ja"},
        {"", {"en", "ja_JP.UTF-8", "", ""}, "en"},
        {"", {"fr:de:en:ja", "", "", "ja_JP.UTF-8"}, "en"},
        {"", {"fr", "", "", "en_US@euro"}, "en"},
        {"", {"", "", "", "EN_us"}, "en"},
        // a language we do not ship is passed over; none at all gives Japanese
        {"", {"", "", "", "fr_FR.UTF-8"}, "ja"},
        {"", {"", "", "de_DE.UTF-8", "en_US.UTF-8"}, "en"},
        // the C and POSIX locales stop the search
        {"", {"", "", "", "C"}, "ja"},
        {"", {"", "", "", "C.UTF-8"}, "ja"},
        {"", {"", "POSIX", "", "en_US.UTF-8"}, "ja"},
        {"", {"", "C.UTF-8", "", "en_US.UTF-8"}, "ja"},
        // the setting overrides the desktop when it names a shipped language
        {"ja", {"", "", "", "en_US.UTF-8"}, "ja"},
        {"en", {"", "", "", "ja_JP.UTF-8"}, "en"},
        {"en", {"", "", "", "C"}, "en"},
        {"fr", {"", "", "", "en_US.UTF-8"}, "en"},
        {"fr", {}, "ja"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseLanguage(c.setting, c.desktop, shipped), QString::fromLatin1(c.expected))
            << "setting " << c.setting << ", LANGUAGE=" << c.desktop.language.toStdString()
            << " LC_ALL=" << c.desktop.lcAll.toStdString() << " LC_MESSAGES=" << c.desktop.lcMessages.toStdString()
            << " LANG=" << c.desktop.lang.toStdString();
}

TEST(LanguageChoice, OnlyJapaneseReadsTheJapaneseMessages)
{
    EXPECT_EQ(MessageLanguage("ja"), Language::Japanese);
    EXPECT_EQ(MessageLanguage("en"), Language::English);
    EXPECT_EQ(MessageLanguage("fr"), Language::English);
}
