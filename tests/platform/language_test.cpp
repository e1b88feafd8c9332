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

}  // namespace platform
