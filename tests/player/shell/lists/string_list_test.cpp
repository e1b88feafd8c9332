// The string list: combo positions follow the sorted combo box, entries keep the order in which
// they were added, and the data behind an entry stays the caller's.
#include "player/shell/lists/string_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QComboBox>

namespace {

class StringListTest : public ::testing::Test {
protected:
    void SetUp() override { Bind(list_, &owner_, &combo_); }
    void TearDown() override { Clear(list_); }

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
    EXPECT_EQ(DataAt(0), &a_);
    EXPECT_EQ(Remove(list_, 0), 1);
    EXPECT_EQ(EntryNames(), (std::vector<std::u16string>{u"b", u"c"}));
    EXPECT_EQ(DataAt(0), &b_);
    EXPECT_EQ(DataAt(1), &c_);
}

// Lists from older files may share a name but for its case, or wholly: each stays its own.
TEST_F(StringListTest, EqualNamesStayEntriesOfTheirOwn) {
    Add(list_, u"Rock", &a_);
    Add(list_, u"ROCK", &b_);
    Add(list_, u"Rock", &c_);
    EXPECT_EQ(DataAt(0), &a_);
    EXPECT_EQ(DataAt(1), &b_);
    EXPECT_EQ(DataAt(2), &c_);
    EXPECT_EQ(Remove(list_, 1), 1);
    EXPECT_EQ(DataAt(0), &a_);
    EXPECT_EQ(DataAt(1), &c_);
}

TEST_F(StringListTest, RemoveAndClearLeaveTheDataToTheCaller) {
    auto* record = new std::u16string(u"the caller's record");
    Add(list_, u"x", record);
    Add(list_, u"y", &b_);
    EXPECT_EQ(Remove(list_, 0), 1);
    Clear(list_);
    EXPECT_EQ(*record, u"the caller's record");
    delete record;
    EXPECT_EQ(combo_.count(), 0);
    EXPECT_EQ(Add(list_, u"z", &c_), 0);
    EXPECT_EQ(DataAt(0), &c_);
}

TEST_F(StringListTest, NoSelectionNoEntryAndARefusedItemChangeNothing) {
    combo_.setMaxCount(2);
    Add(list_, u"b", &b_);
    Add(list_, u"a", &a_);
    char16_t name[128];
    EXPECT_EQ(GetCurrentName(list_, name, 127), 0);  // adding never selects
    EXPECT_EQ(Remove(list_, 2), 0);
    EXPECT_EQ(Add(list_, u"c", &c_), -1);
    EXPECT_EQ(Count(list_), 2);
    EXPECT_EQ(ComboItems(), (std::vector<QString>{"a", "b"}));
    Select(list_, 1);
    ASSERT_EQ(GetCurrentName(list_, name, 127), 1);
    EXPECT_EQ(std::u16string(name), u"b");
}

}  // namespace
