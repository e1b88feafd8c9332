// The sound card may be missing (as on a build machine): the backend must then say so clearly.
#include <gtest/gtest.h>

#include "tests/platform/wave_test_support.h"

namespace platform {

TEST(PortAudioBackend, OpeningTheMapperSucceedsOrExplainsWhy) {
    WaveOutUsePortAudio();
    const std::uint32_t count = WaveOutDeviceCount();
    for (std::uint32_t device = 0; device < count; ++device) {
        WaveOutCaps caps{};
        EXPECT_EQ(WaveOutGetCaps(device, &caps), kWaveOk);
    }
    const WindowHandle window = CreateMessageWindow(IgnoreMessage, nullptr);
    WaveOutHandle device = 0;
    const WaveFormat format = MonoFormat(22050, 16);
    const std::uint32_t error = WaveOutOpen(&device, kWaveMapper, &format, window);
    if (error == kWaveOk) {
        EXPECT_EQ(WaveOutClose(device), kWaveOk);
    } else {
        char16_t text[256] = {};
        WaveOutErrorText(error, text, 256);
        EXPECT_NE(text[0], u'\0');
        if (count == 0) {
            EXPECT_EQ(error, kWaveErrorBadDevice);
        }
    }
    DestroyMessageWindow(window);
    TakeQueuedMessages();
}

}  // namespace platform
