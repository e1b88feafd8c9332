#include "platform/msgbox.h"

#include <gtest/gtest.h>

namespace platform {

namespace {

std::u16string shownText;
unsigned shownFlags = 0;

int Recorder(const std::u16string& text, const std::u16string&, unsigned flags) {
    shownText = text;
    shownFlags = flags;
    return 7;
}

TEST(MessageBox, DefaultWritesCaptionAndTextToStandardError) {
    testing::internal::CaptureStderr();
    const int result = ShowMessageBox(u"メモリ確保に失敗しました。", u"TESALO.DLL", kBoxIconError);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "TESALO.DLL: メモリ確保に失敗しました。\n");
    EXPECT_EQ(result, kBoxResultOk);
}

TEST(MessageBox, AnInstalledPresenterShowsTheBoxUntilRemoved) {
    EXPECT_EQ(SetMessageBoxPresenter(Recorder), nullptr);
    EXPECT_EQ(ShowMessageBox(u"Memory Error", u"TESALO.DLL", kBoxIconWarning), 7);
    EXPECT_EQ(shownText, u"Memory Error");
    EXPECT_EQ(shownFlags, kBoxIconWarning);

    EXPECT_EQ(SetMessageBoxPresenter(nullptr), Recorder);
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessageBox(u"again", u"Tesalo", kBoxOk), kBoxResultOk);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Tesalo: again\n");
}

}  // namespace

}  // namespace platform
