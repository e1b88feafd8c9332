// Helpers for the MIDI preparation tests: images as LoadFileImage makes them, files on disk
// and a message-box presenter that records what it is asked to show.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "midi/smf_image.h"
#include "platform/msgbox.h"
#include "tests/support/smf_builder.h"

namespace smftest {

// A zero-filled copy with 8 zero bytes behind the data, owned by the code under test.
inline std::uint8_t* ImageOf(const smf::Bytes& bytes) {
    auto* image = static_cast<std::uint8_t*>(std::calloc(bytes.size() + 8, 1));
    if (!bytes.empty()) std::memcpy(image, bytes.data(), bytes.size());
    return image;
}

inline smf::Bytes Concat(std::initializer_list<smf::Bytes> parts) {
    smf::Bytes all;
    for (const smf::Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The 22-byte header of a merged image, its track data behind it.
inline smf::Bytes MergedImage(std::uint16_t division, const smf::Bytes& trackData) {
    const auto length = static_cast<std::uint32_t>(trackData.size());
    const auto byte = [](std::uint32_t value, int shift) {
        return static_cast<std::uint8_t>(value >> shift);
    };
    smf::Bytes image = {'M',
                        'T',
                        'h',
                        'd',
                        0,
                        0,
                        0,
                        6,
                        0,
                        0,
                        0,
                        1,
                        byte(division, 8),
                        byte(division, 0),
                        'M',
                        'T',
                        'r',
                        'k',
                        byte(length, 24),
                        byte(length, 16),
                        byte(length, 8),
                        byte(length, 0)};
    image.insert(image.end(), trackData.begin(), trackData.end());
    return image;
}

struct ShownBox {
    std::u16string text;
    std::u16string caption;
    unsigned flags;
};

inline std::vector<ShownBox>& ShownBoxes() {
    static std::vector<ShownBox> boxes;
    return boxes;
}

inline int RecordBox(const std::u16string& text, const std::u16string& caption, unsigned flags) {
    ShownBoxes().push_back({text, caption, flags});
    return platform::kBoxResultOk;
}

// Records message boxes and writes test files into a directory of its own.
class SmfTest : public ::testing::Test {
protected:
    void SetUp() override {
        ShownBoxes().clear();
        previous_ = platform::SetMessageBoxPresenter(&RecordBox);
        char pattern[] = "/tmp/tesalo-smf-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory_ = pattern;
    }
    void TearDown() override {
        platform::SetMessageBoxPresenter(previous_);
        for (const std::string& path : written_) std::remove(path.c_str());
        rmdir(directory_.c_str());
    }
    std::string WriteFile(const std::string& name, const smf::Bytes& bytes) {
        const std::string path = directory_ + "/" + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        written_.push_back(path);
        return path;
    }
    // Prepares a copy of bytes and keeps the resulting image in prepared_. An image left in
    // place must be unchanged; a new one must lie in a zero-filled buffer of twice its size.
    int Prepare(const smf::Bytes& bytes) {
        std::uint8_t* image = ImageOf(bytes);
        std::uint8_t* const original = image;
        auto size = static_cast<std::uint32_t>(bytes.size());
        const int result = PrepareSmfImage(&image, &size);
        if (result <= 0) {
            EXPECT_EQ(image, original);
            EXPECT_EQ(smf::Bytes(image, image + size), bytes);
        }
        prepared_ = smf::Bytes(image, image + size);
        if (result > 0) {
            EXPECT_EQ(static_cast<std::uint32_t>(result), size);
            EXPECT_EQ(smf::Bytes(image + size, image + 2 * size), smf::Bytes(size, 0));
        }
        FreeFileImage(image);
        return result;
    }
    std::string directory_;
    smf::Bytes prepared_;

private:
    platform::MessageBoxPresenter previous_ = nullptr;
    std::vector<std::string> written_;
};

}  // namespace smftest
