#include "platform/language.h"

#include <gtest/gtest.h>

#include "tests/platform/env_guard.h"

namespace platform {

TEST(SystemLanguage, JapaneseWhenTheFirstSetVariableStartsWithJa) {
    {
        LocaleEnvironment env(nullptr, nullptr, "ja_JP.UTF-8");
        EXPECT_EQ(GetSystemDefaultLanguage(), kLangJapanese);
    }
    {
        LocaleEnvironment env("", "ja_JP.eucJP", "en_US.UTF-8");  // an empty value is not set
        EXPECT_EQ(GetSystemDefaultLanguage(), kLangJapanese);
    }
    {
        LocaleEnvironment env("C", nullptr, "ja_JP.UTF-8");  // LC_ALL wins over LANG
        EXPECT_EQ(GetSystemDefaultLanguage(), kLangEnglish);
    }
    {
        LocaleEnvironment env(nullptr, nullptr, nullptr);
        EXPECT_EQ(GetSystemDefaultLanguage(), kLangEnglish);
    }
}

// Every sublanguage of Japanese counts, and no other primary language does.
TEST(SystemLanguage, JapaneseByThePrimaryLanguageOfTheId) {
    EXPECT_TRUE(IsJapaneseLanguage(kLangJapanese));
    EXPECT_TRUE(IsJapaneseLanguage(0x0011));
    EXPECT_TRUE(IsJapaneseLanguage(0x0811));
    EXPECT_FALSE(IsJapaneseLanguage(kLangEnglish));
    EXPECT_FALSE(IsJapaneseLanguage(0x0412));  // Korean
}

TEST(SystemLanguage, TheTextsFollowTheDefaultLanguage) {
    {
        LocaleEnvironment env(nullptr, "ja_JP.UTF-8", nullptr);
        EXPECT_TRUE(SystemLanguageIsJapanese());
    }
    {
        LocaleEnvironment env(nullptr, nullptr, "de_DE.UTF-8");
        EXPECT_FALSE(SystemLanguageIsJapanese());
    }
}

}  // namespace platform
