// The string list: combo positions follow the sorted combo box, entries keep the order in which
// they were added, and the data behind an entry stays the caller's.
#include "player/data/string_list.h"

#include <gtest/gtest.h>

#include <QComboBox>

#include <string>
#include <vector>

namespace {

class StringListTest : public ::testing::Test {
protected:
    void SetUp() override { Bind(list_, &owner_, &combo_); }
    void TearDown() override { Clear(list_); }

    std::u16string NameAt(int position, int max = 127) {
        char16_t buffer[128];
        return GetName(list_, position, buffer, max) ? std::u16string(buffer) : u"(no entry)";
    }
    void* DataAt(int position) {
        void* data = nullptr;
        return GetData(list_, position, &data) ? data : nullptr;
    }
    std::vector<std::u16string> EntryNames() {
        std::vector<std::u16string> names;
        for (int i = 0; i < list_.count; ++i) names.push_back(list_.entries[i].name);
        return names;
    }
    std::vector<QString> ComboItems() {
        std::vector<QString> items;
        for (int i = 0; i < combo_.count(); ++i) items.push_back(combo_.itemText(i));
        return items;
    }

    QWidget owner_;
    QComboBox combo_;
    StringList list_ = {};
    int a_ = 0, b_ = 0, c_ = 0;
};

TEST_F(StringListTest, PositionsAreSortedWhileEntriesKeepTheirOrder) {
    EXPECT_EQ(Add(list_, u"b", &b_), 0);
    EXPECT_EQ(Add(list_, u"a", &a_), 0);
    EXPECT_EQ(Add(list_, u"c", &c_), 2);
    EXPECT_EQ(ComboItems(), (std::vector<QString>{"a", "b", "c"}));
    EXPECT_EQ(EntryNames(), (std::vector<std::u16string>{u"b", u"a", u"c"}));
    EXPECT_EQ(FindEntry(list_, 0), 1);
    EXPECT_EQ(DataAt(0), &a_);
    EXPECT_EQ(NameAt(2), u"c");

    EXPECT_EQ(Remove(list_, 0), 1);
    EXPECT_EQ(Count(list_), 2);
    EXPECT_EQ(EntryNames(), (std::vector<std::u16string>{u"b", u"c"}));
    EXPECT_EQ(ComboItems(), (std::vector<QString>{"b", "c"}));
    EXPECT_EQ(DataAt(0), &b_);
    EXPECT_EQ(DataAt(1), &c_);
}

TEST_F(StringListTest, SortingIgnoresCase) {
    Add(list_, u"beta", &b_);
    Add(list_, u"Alpha", &a_);
    EXPECT_EQ(Add(list_, u"alpine", &c_), 1);
    EXPECT_EQ(ComboItems(), (std::vector<QString>{"Alpha", "alpine", "beta"}));
}

TEST_F(StringListTest, NamesEqualIgnoringCaseResolveToTheFirstAdded) {
    Add(list_, u"Rock", &a_);
    Add(list_, u"ROCK", &b_);
    EXPECT_EQ(DataAt(0), &a_);
    EXPECT_EQ(DataAt(1), &a_);
    // Removing at either position takes the first entry; the second is then found again.
    EXPECT_EQ(Remove(list_, 1), 1);
    EXPECT_EQ(EntryNames(), (std::vector<std::u16string>{u"ROCK"}));
    EXPECT_EQ(DataAt(0), &b_);
}

TEST_F(StringListTest, RemoveAndClearLeaveTheDataToTheCaller) {
    auto* record = new std::u16string(u"the caller's record");
    Add(list_, u"x", record);
    Add(list_, u"y", &b_);
    EXPECT_EQ(Remove(list_, 0), 1);
    Clear(list_);
    EXPECT_EQ(*record, u"the caller's record");
    delete record;
}

TEST_F(StringListTest, PositionsWithoutEntryChangeNothing) {
    Add(list_, u"a", &a_);
    EXPECT_EQ(Remove(list_, 1), 0);
    EXPECT_EQ(Remove(list_, -1), 0);
    EXPECT_EQ(NameAt(5), u"(no entry)");
    EXPECT_EQ(DataAt(-1), nullptr);
    EXPECT_EQ(Count(list_), 1);
    // An item with empty text has no entry either.
    const int empty = Add(list_, u"", &b_);
    EXPECT_EQ(FindEntry(list_, empty), -1);
    EXPECT_EQ(Remove(list_, empty), 0);
}

TEST_F(StringListTest, CurrentFormsFollowTheSelectionAndAddingNeverSelects) {
    Add(list_, u"b", &b_);
    Add(list_, u"a", &a_);
    char16_t buffer[128];
    void* data = nullptr;
    EXPECT_EQ(CurrentPosition(list_), -1);
    EXPECT_EQ(GetCurrentName(list_, buffer, 127), 0);
    EXPECT_EQ(GetCurrentData(list_, &data), 0);
    Select(list_, 1);
    EXPECT_EQ(CurrentPosition(list_), 1);
    ASSERT_EQ(GetCurrentName(list_, buffer, 127), 1);
    EXPECT_EQ(std::u16string(buffer), u"b");
    ASSERT_EQ(GetCurrentData(list_, &data), 1);
    EXPECT_EQ(data, &b_);
}

TEST_F(StringListTest, GetNameCopiesAtMostMaxCharacters) {
    Add(list_, u"abcdefghij", &a_);
    EXPECT_EQ(NameAt(0, 4), u"abcd");
    EXPECT_EQ(NameAt(0, 10), u"abcdefghij");
}

TEST_F(StringListTest, ClearedListFillsAgainFromEmpty) {
    Add(list_, u"a", &a_);
    Add(list_, u"b", &b_);
    Clear(list_);
    EXPECT_EQ(Count(list_), 0);
    EXPECT_EQ(combo_.count(), 0);
    EXPECT_EQ(list_.entries, nullptr);
    EXPECT_EQ(Add(list_, u"c", &c_), 0);
    EXPECT_EQ(DataAt(0), &c_);
}

TEST_F(StringListTest, ManyEntriesKeepTheirNamesAndData) {
    std::vector<int> values(60);
    for (int i = 59; i >= 0; --i) {
        const std::string digits = (i < 10 ? "0" : "") + std::to_string(i);
        Add(list_, std::u16string(digits.begin(), digits.end()).c_str(), &values[i]);
    }
    ASSERT_EQ(Count(list_), 60);
    for (int i = 0; i < 60; ++i) EXPECT_EQ(DataAt(i), &values[i]) << i;
}

TEST_F(StringListTest, ARefusedItemLeavesTheListUnchanged) {
    combo_.setMaxCount(2);
    Add(list_, u"a", &a_);
    Add(list_, u"b", &b_);
    EXPECT_EQ(Add(list_, u"c", &c_), -1);
    EXPECT_EQ(Count(list_), 2);
    EXPECT_EQ(ComboItems(), (std::vector<QString>{"a", "b"}));
}

}  // namespace
