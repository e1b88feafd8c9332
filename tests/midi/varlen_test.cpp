#include "midi/varlen.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> Written(std::uint32_t value) {
    std::uint8_t buffer[8] = {};
    std::uint8_t* out = buffer;
    WriteVarLen(&out, value);
    return std::vector<std::uint8_t>(buffer, out);
}

using V = std::vector<std::uint8_t>;

TEST(VarLenTest, WritesTheFewestBytesUpToFive) {
    EXPECT_EQ(Written(0), (V{0x00}));
    EXPECT_EQ(Written(127), (V{0x7F}));
    EXPECT_EQ(Written(128), (V{0x81, 0x00}));
    EXPECT_EQ(Written(16383), (V{0xFF, 0x7F}));
    EXPECT_EQ(Written(16384), (V{0x81, 0x80, 0x00}));
    EXPECT_EQ(Written(2097152), (V{0x81, 0x80, 0x80, 0x00}));
    EXPECT_EQ(Written(0x0FFFFFFF), (V{0xFF, 0xFF, 0xFF, 0x7F}));
    // 2^28 ticks and more no longer fit four bytes.
    EXPECT_EQ(Written(0x10000000), (V{0x81, 0x80, 0x80, 0x80, 0x00}));
    EXPECT_EQ(Written(0xFFFFFFFF), (V{0x8F, 0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(VarLenTest, ReadsAnyLengthAndMovesBehindIt) {
    const V bytes = {0x81, 0x80, 0x80, 0x80, 0x00, 0x7F};
    const std::uint8_t* cursor = bytes.data();
    EXPECT_EQ(ReadVarLen(&cursor, bytes.data() + bytes.size()), 0x10000000u);
    EXPECT_EQ(cursor, bytes.data() + 5);
    EXPECT_EQ(ReadVarLen(&cursor, bytes.data() + bytes.size()), 0x7Fu);
    EXPECT_EQ(cursor, bytes.data() + 6);

    // Six bytes: the groups above bit 31 are lost.
    const V longer = {0x82, 0x80, 0x80, 0x80, 0x80, 0x01};
    cursor = longer.data();
    EXPECT_EQ(ReadVarLen(&cursor, longer.data() + longer.size()), 1u);
    EXPECT_EQ(cursor, longer.data() + 6);
}

TEST(VarLenTest, StopsAtTheEnd) {
    const V cut = {0x81, 0x80, 0x80};
    const std::uint8_t* cursor = cut.data();
    EXPECT_EQ(ReadVarLen(&cursor, cut.data() + 2), 128u);
    EXPECT_EQ(cursor, cut.data() + 2);
    EXPECT_EQ(ReadVarLen(&cursor, cut.data() + 2), 0u);
    EXPECT_EQ(cursor, cut.data() + 2);
}

}  // namespace
