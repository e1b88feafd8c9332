// A library started on the null device (blocks complete only when a test says so), with the
// notifications and message boxes it produces recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/frame/state.h"
#include "tests/support/smf_builder.h"

struct Notice {
    std::uint32_t code;
    std::intptr_t value;
    bool operator==(const Notice&) const = default;
};

struct ShownBox {
    std::u16string text;
    std::u16string caption;
};

class LibraryTest : public ::testing::Test {
public:
    static std::vector<ShownBox> boxes;

protected:
    void SetUp() override;
    void TearDown() override;

    // Stops playback and waits until the library is idle.
    void DrainPlayback();
    // TeInit on the null device; asserts success and drops the code-0 notice.
    void Init(std::uint32_t flag = TE_FORMAT_22K_8);
    // TeDataSet with the bytes.
    void Load(const smf::Bytes& image);
    // The notices posted so far (waits up to timeoutMs for the first when none is there).
    std::vector<Notice> Take(std::uint32_t timeoutMs = 0);
    // Notices until (and including) the first with this code.
    std::vector<Notice> TakeUntil(std::uint32_t code, std::uint32_t timeoutMs = 5000);
    // Lets the device finish count blocks and returns the notices up to code `until`.
    std::vector<Notice> Complete(int count, std::uint32_t until);

    platform::WindowHandle parent = 0;
};

// The codes alone, in order.
std::vector<std::uint32_t> Codes(const std::vector<Notice>& notices);
// The values of one code, in order.
std::vector<std::intptr_t> ValuesOf(const std::vector<Notice>& notices, std::uint32_t code);
