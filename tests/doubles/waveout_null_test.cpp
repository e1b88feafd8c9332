// The tests' null device: its pacings, its pending blocks and the writes it refuses.
#include "tests/doubles/waveout_null.h"

#include <gtest/gtest.h>

#include "tests/platform/wave_test_support.h"

namespace platform {

namespace {

using Bytes = std::vector<std::uint8_t>;

class NullBackend : public testing::Test {
protected:
    void Open(NullPacing pacing) {
        WaveOutUseNull(pacing);
        window_ = CreateMessageWindow(IgnoreMessage);
        const WaveFormat format = MonoFormat(22050, 8);
        ASSERT_EQ(WaveOutOpen(&device_, kWaveMapper, &format, window_), kWaveOk);
        ASSERT_EQ(TakeQueuedMessages().size(), 1u);  // opened
    }
    void TearDown() override {
        WaveOutClose(device_);
        DestroyMessageWindow(window_);
        TakeQueuedMessages();
    }
    WindowHandle window_ = 0;
    WaveOutHandle device_ = 0;
    Bytes bytes_ = Bytes(22, 0x80);  // one millisecond at 22050 Hz, 8-bit
};

TEST_F(NullBackend, ManualPacingCompletesTheOldestBlocksWhenAsked) {
    Open(NullPacing::kManual);
    BlockHeader a = PreparedBlock(device_, bytes_), b = PreparedBlock(device_, bytes_),
                c = PreparedBlock(device_, bytes_);
    for (BlockHeader* header : {&a, &b, &c}) ASSERT_EQ(WaveOutWrite(device_, header), kWaveOk);
    EXPECT_EQ(WaveOutNullPending(), 3);
    EXPECT_TRUE(TakeQueuedMessages().empty());
    EXPECT_EQ(b.flags & (WHDR_INQUEUE | WHDR_DONE), WHDR_INQUEUE);
    EXPECT_EQ(WaveOutUnprepare(device_, &b), kWaveErrorStillPlaying);

    EXPECT_EQ(WaveOutNullComplete(2), 2);
    EXPECT_EQ(DoneBlocks(TakeQueuedMessages()), (std::vector<BlockHeader*>{&a, &b}));
    EXPECT_EQ(b.flags & (WHDR_INQUEUE | WHDR_DONE), WHDR_DONE);
    EXPECT_EQ(WaveOutNullPending(), 1);
    EXPECT_EQ(WaveOutNullComplete(5), 1);
    EXPECT_EQ(DoneBlocks(TakeQueuedMessages()), (std::vector<BlockHeader*>{&c}));
    EXPECT_EQ(WaveOutNullPending(), 0);
}

TEST_F(NullBackend, RefusedWritesQueueNothing) {
    Open(NullPacing::kManual);
    BlockHeader a = PreparedBlock(device_, bytes_), b = PreparedBlock(device_, bytes_);
    WaveOutNullFailWrites(1);
    EXPECT_EQ(WaveOutWrite(device_, &a), kWaveErrorFailed);
    EXPECT_EQ(a.flags, WHDR_PREPARED);
    EXPECT_EQ(WaveOutNullPending(), 0);
    EXPECT_EQ(WaveOutWrite(device_, &b), kWaveOk);
    EXPECT_EQ(WaveOutNullPending(), 1);
}

TEST_F(NullBackend, CloseDropsQueuedBlocksAndReportsClosed) {
    Open(NullPacing::kManual);
    BlockHeader a = PreparedBlock(device_, bytes_);
    ASSERT_EQ(WaveOutWrite(device_, &a), kWaveOk);
    ASSERT_EQ(WaveOutClose(device_), kWaveOk);
    const std::vector<WindowMessage> messages = TakeQueuedMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message, kMsgWaveClosed);
    EXPECT_EQ(WaveOutNullPending(), 0);
    EXPECT_EQ(WaveOutWrite(device_, &a), kWaveErrorBadHandle);
}

TEST_F(NullBackend, InstantPacingReportsEachBlockWithinItsWrite) {
    Open(NullPacing::kInstant);
    BlockHeader a = PreparedBlock(device_, bytes_);
    ASSERT_EQ(WaveOutWrite(device_, &a), kWaveOk);
    EXPECT_EQ(DoneBlocks(TakeQueuedMessages()), (std::vector<BlockHeader*>{&a}));
    // A played block may be written again as it is.
    ASSERT_EQ(WaveOutWrite(device_, &a), kWaveOk);
    EXPECT_EQ(DoneBlocks(TakeQueuedMessages()), (std::vector<BlockHeader*>{&a}));
}

TEST_F(NullBackend, RealTimePacingReportsBlocksInQueueOrder) {
    Open(NullPacing::kRealTime);
    BlockHeader a = PreparedBlock(device_, bytes_), b = PreparedBlock(device_, bytes_);
    ASSERT_EQ(WaveOutWrite(device_, &a), kWaveOk);
    ASSERT_EQ(WaveOutWrite(device_, &b), kWaveOk);
    WindowMessage first{}, second{};
    ASSERT_EQ(GetWindowMessage(&first), 1);
    ASSERT_EQ(GetWindowMessage(&second), 1);
    EXPECT_EQ(DoneBlocks({first, second}), (std::vector<BlockHeader*>{&a, &b}));
}

}  // namespace

// A held device is done with nothing, whatever its pacing, until it plays on; a reset reports
// every waiting block done at once.
namespace {

void ExpectHoldAndReset(WaveOutHandle device, Bytes& bytes) {
    BlockHeader a = PreparedBlock(device, bytes), b = PreparedBlock(device, bytes);
    ASSERT_EQ(WaveOutPause(device), kWaveOk);
    ASSERT_EQ(WaveOutWrite(device, &a), kWaveOk);
    EXPECT_EQ(WaveOutNullComplete(1), 0);
    EXPECT_TRUE(TakeQueuedMessages().empty());
    ASSERT_EQ(WaveOutRestart(device), kWaveOk);
    WaveOutNullComplete(1);
    EXPECT_EQ(DoneBlocks(TakeQueuedMessages()), (std::vector<BlockHeader*>{&a}));

    ASSERT_EQ(WaveOutPause(device), kWaveOk);
    ASSERT_EQ(WaveOutWrite(device, &b), kWaveOk);
    ASSERT_EQ(WaveOutReset(device), kWaveOk);
    EXPECT_EQ(DoneBlocks(TakeQueuedMessages()), (std::vector<BlockHeader*>{&b}));
    EXPECT_EQ(WaveOutNullPending(), 0);
}

}  // namespace

TEST_F(NullBackend, AHeldInstantDeviceIsDoneWithNothingUntilItPlaysOn) {
    Open(NullPacing::kInstant);
    ExpectHoldAndReset(device_, bytes_);
}

TEST_F(NullBackend, AHeldManualDeviceCompletesNothingUntilItPlaysOn) {
    Open(NullPacing::kManual);
    ExpectHoldAndReset(device_, bytes_);
}

}  // namespace platform
