// The rows a drag within the song list carries: the bytes written for the dragged rows, and the
// rows read back from any bytes a drop may bring.
#include "player/model/dragged_rows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

RowFlags Flags(std::initializer_list<int> rows, int count) {
    RowFlags flags(static_cast<std::size_t>(count));
    for (int row : rows) flags[static_cast<std::size_t>(row)] = 1;
    return flags;
}

TEST(DraggedRowsTest, TheRowsAreTheirNumbersSeparatedByCommasAndReadBackAsThey) {
    const RowFlags chosen = Flags({0, 3, 4, 11}, 12);
    EXPECT_EQ(EncodeDraggedRows(chosen), "0,3,4,11");
    EXPECT_EQ(DecodeDraggedRows("0,3,4,11", 12), chosen);
    EXPECT_EQ(EncodeDraggedRows(Flags({7}, 8)), "7");
    EXPECT_EQ(EncodeDraggedRows(Flags({}, 3)), "");
}

struct DecodeCase {
    const char* name;
    std::string text;
    std::initializer_list<int> rows;  // the flagged rows of a list of 5; none: empty flags
};

const DecodeCase kDecodeCases[] = {
    {"empty", "", {}},
    {"only commas", ",,,", {}},
    {"garbage", "rows?", {}},
    {"a row past the last", "5", {}},
    {"negative", "-1", {}},
    {"too large for a number", "99999999999999999999", {}},
    {"beyond int", "2147483648", {}},
    {"the others of a list with bad numbers", "x,-2,1,7,3", {1, 3}},
    {"a row named twice", "2,2,2", {2}},
    {"spaces around a number", " 1\t, 4 \r\n", {1, 4}},
    {"a space inside a number", "1 2", {}},
    {"signs", "+2,-0", {0, 2}},
    {"two signs", "+-2,++3,--1", {}},
    {"not decimal", "0x2,1e1,2.0", {}},
    {"leading zeros", "003", {3}},
    {"empty numbers between commas", ",3,,", {3}},
    {"a number ends at a NUL byte", std::string("4\0junk,1", 8), {1, 4}},
    {"a NUL byte first is no number",
     std::string("\0"
                 "2",
                 2),
     {}},
};

TEST(DraggedRowsTest, RowsThatAreNoRowOfTheListArePassedOver) {
    for (const DecodeCase& c : kDecodeCases) {
        const RowFlags expected = c.rows.size() == 0 ? RowFlags() : Flags(c.rows, 5);
        EXPECT_EQ(DecodeDraggedRows(c.text, 5), expected) << c.name;
    }
}

TEST(DraggedRowsTest, AListWithoutRowsTakesNoRow) {
    EXPECT_EQ(DecodeDraggedRows("0", 0), RowFlags());
    EXPECT_EQ(DecodeDraggedRows("0,1", -1), RowFlags());
}

}  // namespace
