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
    // The five bytes the code page leaves undefined are their C1 controls: nothing is lost.
    EXPECT_EQ(Decode("a\x81"
                     "b\xE9\x8D\x8F\x90\x9D"),
              u"a\u0081bé\u008D\u008F\u0090\u009D");
}

TEST(SystemText, OtherBytesAreShiftJisInJapanese) {
    LocaleEnvironment env(nullptr, nullptr, "ja_JP.UTF-8");
    EXPECT_EQ(Decode("\x82\xA0"), u"あ");
    EXPECT_EQ(Decode("\x83\x65\x83\x58\x83\x67 \xB1"), u"テスト ｱ");
    // A lead byte cut off at the end, and one followed by no valid trail byte.
    EXPECT_EQ(Decode("\x82\xA0\x82"), u"あ\uFFFD");
    EXPECT_EQ(Decode("\x82\x20"
                     "A\x82\xA0"),
              u"\uFFFD A\u3042");
}

std::u16string ByBytes(const std::string& bytes) {
    return DecodeTextByBytes(bytes.data(), bytes.size());
}

TEST(TextByBytes, TheBytesDecideWhateverTheLanguage) {
    for (const char* lang : {"C.UTF-8", "en_US.UTF-8", "ja_JP.UTF-8"}) {
        LocaleEnvironment env(nullptr, nullptr, lang);
        EXPECT_EQ(ByBytes("\xE3\x81\x82 caf\xC3\xA9"), u"あ café") << lang;
        EXPECT_EQ(ByBytes("\x83\x65\x83\x58\x83\x67 \xB1 \\~"), u"テスト ｱ \\~") << lang;
        EXPECT_EQ(ByBytes("caf\xE9"), u"café") << lang;  // 0xE9 begins no CP932 pair here
        // Not CP932 (a lead byte cut off, an undefined byte): every byte stays a character.
        EXPECT_EQ(ByBytes("\x82\xA0\x82"), u"\u201A\u00A0\u201A") << lang;
        EXPECT_EQ(ByBytes("\x80\x81\x9D\xFF"), u"€\u0081\u009Dÿ") << lang;
    }
}

TEST(TextByBytes, WhatIsReadWritesBackAsTheSameText) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::u16string text = ByBytes(one + "x");
        EXPECT_EQ(text.find(u'\uFFFD'), std::u16string::npos) << byte;
        EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text) << byte;
    }
}

TEST(Utf, ConversionKeepsSurrogatePairsAndReplacesBrokenInput) {
    EXPECT_EQ(Utf16ToUtf8(u"é\U0001F3B5"), "\xC3\xA9\xF0\x9F\x8E\xB5");
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9\xF0\x9F\x8E\xB5"), u"é\U0001F3B5");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800') + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"
                          "a"),
              u"\uFFFD\uFFFDa");                                    // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // a surrogate
    EXPECT_EQ(Utf8ToUtf16("\xE3\x81"), u"\uFFFD\uFFFD");            // cut short
    EXPECT_EQ(Utf16ToUtf8(u"テスト"), "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88");
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
