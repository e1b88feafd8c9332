// The byte rules that the sequencer and the player's preparation of images share.
#include "midi/midi_bytes.h"

#include <gtest/gtest.h>

namespace {

TEST(MidiBytesTest, StatusClassesChangeAtTheEdgesOfTheirRanges) {
    struct Edge {
        std::uint8_t status;
        StatusClass statusClass;
    };
    for (const Edge& edge :
         {Edge{0x00, kNoData}, Edge{0x7F, kNoData}, Edge{0x80, kTwoDataBytes},
          Edge{0xAF, kTwoDataBytes}, Edge{0xBF, kTwoDataBytes}, Edge{0xC0, kOneDataByte},
          Edge{0xD0, kOneDataByte}, Edge{0xDF, kOneDataByte}, Edge{0xE0, kTwoDataBytes},
          Edge{0xEF, kTwoDataBytes}, Edge{0xF0, kExclusive}, Edge{0xF1, kNoData},
          Edge{0xF6, kNoData}, Edge{0xF7, kExclusive}, Edge{0xF8, kNoData}, Edge{0xFE, kNoData},
          Edge{0xFF, kMeta}}) {
        EXPECT_EQ(kStatusClasses[edge.status], edge.statusClass) << std::hex << int{edge.status};
    }
}

// The sequencer ends its track on a cut quantity, so one that ends on the last byte must not
// count as cut.
TEST(MidiBytesTest, AQuantityEndingOnTheLastByteIsWholeOneCutThereIsNot) {
    const std::uint8_t bytes[] = {0x83, 0x60};  // 3 x 128 + 96
    const std::uint8_t* cursor = bytes;
    std::uint32_t value = 0;
    EXPECT_TRUE(ReadQuantity(&cursor, bytes + 2, &value));
    EXPECT_EQ(value, 480u);
    EXPECT_EQ(cursor, bytes + 2);

    cursor = bytes;
    EXPECT_FALSE(ReadQuantity(&cursor, bytes + 1, &value));
    EXPECT_EQ(value, 3u);
    EXPECT_EQ(cursor, bytes + 1);

    EXPECT_FALSE(ReadQuantity(&cursor, bytes + 1, &value));
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(cursor, bytes + 1);
}

TEST(MidiBytesTest, BigEndianNumbersPutTheFirstByteHighest) {
    const std::uint8_t bytes[] = {0x12, 0x34, 0x56, 0x78};
    EXPECT_EQ(BigEndian16(bytes), 0x1234);
    EXPECT_EQ(BigEndian24(bytes), 0x123456u);
    EXPECT_EQ(BigEndian32(bytes), 0x12345678u);
}

}  // namespace
