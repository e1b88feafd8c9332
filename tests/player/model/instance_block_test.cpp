// The shared block: made with a message for each way it can fail, and the window published in
// its first bytes, where a later start reads it.
#include "player/model/instance_block.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/codepage.h"
#include "platform/instance.h"
#include "player/model/player_state.h"

namespace {

constexpr char kBlockName[] = "MODEL_TEST_BLOCK";
constexpr std::size_t kBlockSize = 32;

class TellAll final : public PlayerMessages {
public:
    std::vector<std::u16string> shown;
    void Show(const std::u16string& text) override { shown.push_back(text); }
};

// XDG_RUNTIME_DIR is a new empty folder until the end of the test: the instance folder is made
// in it.
class InstanceBlock : public ::testing::Test {
protected:
    InstanceBlock() {
        std::string pattern = std::filesystem::temp_directory_path() / "tesalo-runtime-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) runtime_ = pattern;
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) saved_ = old;
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        g_player = PlayerState{};
    }
    ~InstanceBlock() override {
        if (g_player.instanceBlock != nullptr) {
            platform::CloseInstanceBlock(g_player.instanceBlock, kBlockSize);
            platform::RemoveInstanceBlock(kBlockName);
        }
        g_player = PlayerState{};
        if (saved_.empty()) {
            unsetenv("XDG_RUNTIME_DIR");
        } else {
            setenv("XDG_RUNTIME_DIR", saved_.c_str(), 1);
        }
        std::filesystem::remove_all(runtime_);
    }

    TellAll messages_;
    std::string runtime_;

private:
    std::string saved_;
};

TEST_F(InstanceBlock, TheWindowPublishedInTheMadeBlockIsSeenByALaterStart) {
    ASSERT_TRUE(MakeInstanceBlock(kBlockName, kBlockSize, messages_));
    EXPECT_TRUE(messages_.shown.empty());
    ASSERT_NE(g_player.instanceBlock, nullptr);
    PublishWindow(0x1234567890ull);
    const void* later = platform::OpenInstanceBlock(kBlockName, kBlockSize);
    ASSERT_NE(later, nullptr);
    std::uint32_t bytes[kBlockSize / 4] = {};
    std::memcpy(bytes, later, sizeof bytes);
    platform::CloseInstanceBlock(later, kBlockSize);
    EXPECT_EQ(bytes[0], 0x34567890u) << "the handle's low 32 bits";
    for (std::size_t at = 1; at < kBlockSize / 4; ++at) EXPECT_EQ(bytes[at], 0u) << at;
}

TEST_F(InstanceBlock, WithoutABlockNothingIsPublished) {
    PublishWindow(7);
    EXPECT_EQ(g_player.instanceBlock, nullptr);
}

// The instance folder's name is taken by a file: no block can be made there.
TEST_F(InstanceBlock, ABlockThatCannotBeMadeIsError01) {
    std::ofstream(runtime_ + "/tesalo") << "not a folder";
    EXPECT_FALSE(MakeInstanceBlock(kBlockName, kBlockSize, messages_));
    EXPECT_EQ(messages_.shown, std::vector<std::u16string>{u"TESALO DDE ERROR(01)"});
    EXPECT_EQ(g_player.instanceBlock, nullptr);
}

// A block of no bytes is made but cannot be mapped.
TEST_F(InstanceBlock, ABlockThatCannotBeMappedIsError02) {
    EXPECT_FALSE(MakeInstanceBlock(kBlockName, 0, messages_));
    EXPECT_EQ(messages_.shown, std::vector<std::u16string>{u"TESALO DDE ERROR(02)"});
    EXPECT_EQ(g_player.instanceBlock, nullptr);
}

// A later start finds the window once it is published, also while it waits for it; without a
// block, or with a block but no window yet, it finds none.
TEST_F(InstanceBlock, ALaterStartFindsTheWindowOnceItIsPublished) {
    EXPECT_FALSE(WaitForFirstWindow(kBlockName, kBlockSize, 0));
    ASSERT_TRUE(MakeInstanceBlock(kBlockName, kBlockSize, messages_));
    EXPECT_FALSE(WaitForFirstWindow(kBlockName, kBlockSize, 100));
    std::thread publisher([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        PublishWindow(7);
    });
    EXPECT_TRUE(WaitForFirstWindow(kBlockName, kBlockSize, 60000));
    publisher.join();
    EXPECT_TRUE(WaitForFirstWindow(kBlockName, kBlockSize, 0));
}

}  // namespace
