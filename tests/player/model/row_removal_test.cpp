// The places of the rows once some are deleted, and where a focus on a deleted row goes: the
// nearest row kept above it, else below it, else none.
#include "player/model/row_removal.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

RowFlags Flags(const char* marks) {
    RowFlags flags;
    for (const char* mark = marks; *mark != '\0'; ++mark) flags.push_back(*mark == 'x' ? 1 : 0);
    return flags;
}

using Places = std::vector<int>;

struct PlacesCase {
    const char* name;
    const char* chosen;  // 'x' for a deleted row
    int rows;
    Places places;
};

const PlacesCase kPlacesCases[] = {
    {"none deleted", "....", 4, {}},
    {"no flags at all", "", 3, {}},
    {"no rows", "xx", 0, {}},
    {"every row", "xxxx", 4, {-1, -1, -1, -1}},
    {"a block at the top", "xx...", 5, {-1, -1, 0, 1, 2}},
    {"a block at the bottom", "...xx", 5, {0, 1, 2, -1, -1}},
    {"both edges", "x...x", 5, {-1, 0, 1, 2, -1}},
    {"scattered blocks", ".xx.x.x.", 8, {0, -1, -1, 1, -1, 2, -1, 3}},
    {"flags shorter than the rows: the rest stay", "x", 3, {-1, 0, 1}},
    {"flags past the last row count for nothing", "..xx", 2, {}},
};

TEST(RowRemovalTest, EveryKeptRowMovesUpByTheDeletedRowsAboveIt) {
    for (const PlacesCase& c : kPlacesCases) {
        EXPECT_EQ(RemovalPlaces(Flags(c.chosen), c.rows), c.places) << c.name;
    }
}

TEST(RowRemovalTest, AFocusGoesToTheNearestKeptRowAboveElseBelowElseNone) {
    const Places places = RemovalPlaces(Flags(".xx.x.x."), 8);
    EXPECT_EQ(KeptRowNear(places, 3), 1);  // kept: itself
    EXPECT_EQ(KeptRowNear(places, 2), 0);  // the row above the block
    EXPECT_EQ(KeptRowNear(places, 6), 2);
    const Places top = RemovalPlaces(Flags("xx.x."), 5);
    EXPECT_EQ(KeptRowNear(top, 1), 0);  // nothing kept above: the first kept below
    EXPECT_EQ(KeptRowNear(top, 0), 0);
    EXPECT_EQ(KeptRowNear(RemovalPlaces(Flags("xxx"), 3), 1), -1);
}

TEST(RowRemovalTest, ASelectionIsAllDeletedOnlyWhenEachOfItsRowsIs) {
    const Places places = RemovalPlaces(Flags(".xx.x"), 5);
    EXPECT_TRUE(AllDeleted(places, 1, 2));
    EXPECT_TRUE(AllDeleted(places, 4, 4));
    EXPECT_FALSE(AllDeleted(places, 1, 3));
    EXPECT_FALSE(AllDeleted(places, 4, 5));   // a row past the last counts as kept
    EXPECT_TRUE(AllDeleted(places, -3, -1));  // rows before the first are passed over
}

}  // namespace
