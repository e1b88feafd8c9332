// The names of the song lists without a combo box: the list decides where each name goes in its
// box, knows the entry behind every place however the entries were added and removed, and sees
// names that differ only in case as taken.
#include "player/model/name_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/player/model/ascii_order.h"
#include "tests/player/model/song_list_fakes.h"

namespace {

class NameListTest : public ::testing::Test {
protected:
    void SetUp() override { ShowIn(list_, &box_, AsciiOrder); }

    void* DataAt(int position) {
        void* data = nullptr;
        return GetData(list_, position, &data) ? data : nullptr;
    }
    std::u16string NameAt(int position) {
        char16_t name[8];
        return GetName(list_, position, name, 7) ? std::u16string(name) : u"(none)";
    }

    FakeNameBox box_;
    NameList list_;
    int a_ = 0, b_ = 0, c_ = 0, d_ = 0;
};

TEST_F(NameListTest, TheBoxShowsEveryNameAtItsPlaceInTheListsOrder) {
    EXPECT_EQ(Add(list_, u"delta", &d_), 0);
    EXPECT_EQ(Add(list_, u"Bravo", &b_), 0);
    EXPECT_EQ(Add(list_, u"alpha", &a_), 0);
    EXPECT_EQ(Add(list_, u"BRAVO", &c_), 2);  // equal but for case: behind the one there
    EXPECT_EQ(box_.names, (std::vector<std::u16string>{u"alpha", u"Bravo", u"BRAVO", u"delta"}));
    EXPECT_EQ(NameAt(2), u"BRAVO");
    EXPECT_EQ(DataAt(3), &d_);
}

// Removing an entry added early moves the later ones down; every place still finds its own.
TEST_F(NameListTest, EveryPlaceKeepsItsEntryWhenAnEarlierEntryGoes) {
    Add(list_, u"b", &b_);
    Add(list_, u"a", &a_);
    Add(list_, u"c", &c_);
    Add(list_, u"d", &d_);
    EXPECT_EQ(Remove(list_, 1), 1);  // "b", the first entry
    EXPECT_EQ(box_.names, (std::vector<std::u16string>{u"a", u"c", u"d"}));
    EXPECT_EQ(DataAt(0), &a_);
    EXPECT_EQ(DataAt(1), &c_);
    EXPECT_EQ(DataAt(2), &d_);
    EXPECT_EQ(PositionOfData(list_, &d_), 2);
    EXPECT_EQ(PositionOfData(list_, &b_), -1);
    EXPECT_EQ(Add(list_, u"bb", &b_), 1);
    EXPECT_EQ(DataAt(1), &b_);
    EXPECT_EQ(DataAt(3), &d_);
}

TEST_F(NameListTest, ANameIsTakenInAnyLetterCaseUntilItsEntryGoes) {
    Add(list_, u"Rock", &a_);
    Add(list_, u"Jazz", &b_);
    EXPECT_TRUE(NameTaken(list_, u"ROCK"));
    EXPECT_TRUE(NameTaken(list_, u"jazz"));
    EXPECT_FALSE(NameTaken(list_, u"Rocks"));
    Remove(list_, PositionOfData(list_, &a_));
    EXPECT_FALSE(NameTaken(list_, u"rock"));
}

TEST_F(NameListTest, TheSelectionIsTheBoxsAndAPlaceWithoutEntryHasNone) {
    Add(list_, u"a", &a_);
    void* data = nullptr;
    EXPECT_EQ(GetCurrentData(list_, &data), 0);
    Select(list_, 0);
    EXPECT_EQ(CurrentPosition(list_), 0);
    ASSERT_EQ(GetCurrentData(list_, &data), 1);
    EXPECT_EQ(data, &a_);
    box_.selected = 5;  // a place the list never filled
    EXPECT_EQ(GetCurrentData(list_, &data), 0);
    EXPECT_EQ(Remove(list_, 5), 0);
    EXPECT_EQ(Count(list_), 1);
}

TEST_F(NameListTest, WithoutBoxOrRoomNothingIsEntered) {
    box_.room = 1;
    EXPECT_EQ(Add(list_, u"a", &a_), 0);
    EXPECT_EQ(Add(list_, u"b", &b_), -1);
    EXPECT_EQ(Count(list_), 1);
    NameList unshown;
    EXPECT_EQ(Add(unshown, u"a", &a_), -1);
    EXPECT_EQ(Count(unshown), 0);
    EXPECT_EQ(CurrentPosition(unshown), -1);
    Select(unshown, 0);  // nothing to select in
    EXPECT_EQ(FindEntry(unshown, 0), -1);
}

// A list shown in a new box starts it empty: the entries of before are the caller's to clear.
TEST_F(NameListTest, ANewBoxShowsNoEntryOfBeforeUntilTheListIsCleared) {
    Add(list_, u"a", &a_);
    FakeNameBox other;
    ShowIn(list_, &other, AsciiOrder);
    EXPECT_EQ(FindEntry(list_, 0), -1);
    EXPECT_FALSE(NameTaken(list_, u"a"));
    EXPECT_EQ(Count(list_), 1);
    EXPECT_EQ(Add(list_, u"b", &b_), 0);
    EXPECT_EQ(DataAt(0), &b_);
    Clear(list_);
    EXPECT_EQ(Count(list_), 0);
    EXPECT_TRUE(other.names.empty());
}

}  // namespace
