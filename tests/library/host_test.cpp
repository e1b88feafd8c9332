// What a program without a window system uses: the notification window, the wait for the next
// notification, and a WAV file as the device.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/doubles/waveout_null.h"
#include "tests/library/library_fixture.h"

namespace fs = std::filesystem;

using HostTest = LibraryTest;

TEST_F(HostTest, WaitNotifyTakesOnlyNotificationsAndGivesUpAfterItsTime) {
    const TeWindow window = TeCreateNotifyWindow();
    ASSERT_NE(window, 0u);
    std::uint32_t code = 99;
    std::intptr_t value = 99;
    EXPECT_EQ(TeWaitNotify(20, &code, &value), 0);
    const std::uint32_t notify = platform::RegisterMessageName(TE_NOTIFY_MESSAGE);
    platform::PostWindowMessage(window, platform::RegisterMessageName("OTHER"), 1, 2);
    platform::PostWindowMessage(window, notify, 4, 65537);
    platform::PostWindowMessage(window, notify, 6, 0);
    EXPECT_EQ(TeWaitNotify(1000, &code, &value), 1);
    EXPECT_EQ(code, 4u);
    EXPECT_EQ(value, 65537);
    EXPECT_EQ(TeWaitNotify(0, nullptr, nullptr), 1);  // the code 6 is there already
    EXPECT_EQ(TeWaitNotify(0, &code, &value), 0);
    EXPECT_EQ(TeDestroyNotifyWindow(window), 1);
    EXPECT_EQ(TeDestroyNotifyWindow(window), 0);
}

// Two quarter notes at 500000 us per quarter: two blocks of 11017 samples, 16 bits each.
TEST_F(HostTest, OutputFileReceivesTheSongAndAppearsAtCleanUp) {
    const std::string path =
        (fs::temp_directory_path() / ("host-test-" + std::to_string(getpid()) + ".wav")).string();
    ASSERT_EQ(TeSetOutputFile(path.c_str()), 1);
    const TeWindow window = TeCreateNotifyWindow();
    ASSERT_EQ(TeInit(TE_FORMAT_22K_16, window, 16, 0), 1);
    EXPECT_EQ(TeSetOutputFile(nullptr), 0);  // refused while initialised: the file stays the device
    const smf::Bytes song =
        smf::File(0, 480, {smf::Track().Event(0, {0x90, 60, 100}).Event(960, {0x80, 60, 0}).End()});
    ASSERT_EQ(TeDataSet(song.data(), static_cast<std::int32_t>(song.size())), 1);
    ASSERT_EQ(TePlay(), 1);
    std::uint32_t code = 0;
    std::intptr_t value = -1;
    while (code != 6 && TeWaitNotify(5000, &code, &value) == 1) {
    }
    EXPECT_EQ(code, 6u);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(TeCleanUp(), 1);
    TeDestroyNotifyWindow(window);
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.size(), 44u + 2 * 11017 * 2);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    fs::remove(path);
    EXPECT_EQ(TeSetOutputFile(nullptr), 1);
    platform::WaveOutUseNull(platform::NullPacing::kManual);
}
