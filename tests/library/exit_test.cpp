// A program that ends through exit() without TeCleanUp, as one does whose window system went
// away: the process ends with its own status, whatever the library's thread is doing.
#include <cstdlib>

#include "tests/doubles/waveout_null.h"
#include "tests/library/library_fixture.h"

using ExitTest = LibraryTest;

namespace {

constexpr int kStatus = 3;  // neither success nor anything a failed test or an abort gives

// 2000 quarter notes of one note: still playing when the process ends.
smf::Bytes LongSong() {
    smf::Track track;
    for (int i = 0; i < 2000; ++i) track.Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0});
    track.End(0);
    return smf::File(0, 96, {track});
}

}  // namespace

TEST_F(ExitTest, ExitWithoutCleanUpEndsWithTheProgramsStatusIdleOrPlaying) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Init();
            std::exit(kStatus);
        },
        ::testing::ExitedWithCode(kStatus), "");
    // Blocks done as soon as queued: the library's thread renders on while the process ends.
    EXPECT_EXIT(
        {
            platform::WaveOutUseNull(platform::NullPacing::kInstant);
            Init();
            Load(LongSong());
            TePlay();
            std::exit(kStatus);
        },
        ::testing::ExitedWithCode(kStatus), "");
}
