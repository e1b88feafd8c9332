#include "platform/codepage.h"

#include <gtest/gtest.h>

#include "tests/platform/env_guard.h"

namespace platform {

namespace {

std::u16string Decode(const std::string& bytes) {
    return DecodeSystemText(bytes.data(), bytes.size());
}

TEST(SystemText, ValidUtf8IsTakenAsUtf8InEveryLanguage) {
    LocaleEnvironment env(nullptr, nullptr, "ja_JP.UTF-8");
    EXPECT_EQ(Decode("caf\xC3\xA9 \xE3\x81\x82"), u"café あ");
    EXPECT_EQ(Decode("\xF0\x9F\x8E\xB5"), u"\U0001F3B5");
    EXPECT_EQ(Decode(""), u"");
}

TEST(SystemText, OtherBytesAreWindowsLatinOutsideJapanese) {
    LocaleEnvironment env(nullptr, nullptr, "en_US.UTF-8");
    EXPECT_EQ(Decode("caf\xE9"), u"café");
    EXPECT_EQ(Decode("\x80 5"), u"€ 5");
    // 0x81 has no character in this code page; the text after it is kept.
    EXPECT_EQ(Decode("a\x81" "b\xE9"), u"a\uFFFDbé");
}

TEST(SystemText, OtherBytesAreShiftJisInJapanese) {
    LocaleEnvironment env(nullptr, nullptr, "ja_JP.UTF-8");
    EXPECT_EQ(Decode("\x82\xA0"), u"あ");
    EXPECT_EQ(Decode("\x83\x65\x83\x58\x83\x67 \xB1"), u"テスト ｱ");
    // A lead byte cut off at the end, and one followed by no valid trail byte.
    EXPECT_EQ(Decode("\x82\xA0\x82"), u"あ\uFFFD");
    EXPECT_EQ(Decode("\x82\x20" "A\x82\xA0"), u"\uFFFD A\u3042");
}

TEST(Utf, ConversionKeepsSurrogatePairsAndReplacesBrokenInput) {
    EXPECT_EQ(Utf16ToUtf8(u"é\U0001F3B5"), "\xC3\xA9\xF0\x9F\x8E\xB5");
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9\xF0\x9F\x8E\xB5"), u"é\U0001F3B5");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800') + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF" "a"), u"\uFFFD\uFFFDa");          // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");    // a surrogate
    EXPECT_EQ(Utf8ToUtf16("\xE3\x81"), u"\uFFFD\uFFFD");              // cut short
    EXPECT_EQ(EncodeSystemText(u"テスト"), "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88");
}

TEST(DoubleByteLead, TheTwoRangesOfShiftJisLeadBytes) {
    EXPECT_FALSE(IsDoubleByteLead(0x80));
    EXPECT_TRUE(IsDoubleByteLead(0x81));
    EXPECT_TRUE(IsDoubleByteLead(0x9F));
    EXPECT_FALSE(IsDoubleByteLead(0xA0));
    EXPECT_FALSE(IsDoubleByteLead(0xDF));
    EXPECT_TRUE(IsDoubleByteLead(0xE0));
    EXPECT_TRUE(IsDoubleByteLead(0xFC));
    EXPECT_FALSE(IsDoubleByteLead(0xFD));
    EXPECT_FALSE(IsDoubleByteLead('A'));
}

}  // namespace

}  // namespace platform
