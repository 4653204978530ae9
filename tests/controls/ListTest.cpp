// List: rows and heights, data words, selection by call, mouse and keys,
// sorting through a shared order map, and a list embedded in another record.
#include <algorithm>
#include <random>
#include <string>
#include <utility>

#include "GUIList.h"
#include "ScrollViewFixture.h"

using controltest::eventsOf;
using controltest::raisedEvents;

namespace {

constexpr int32_t kPageUp = 33, kPageDown = 34, kUp = 38, kDown = 40;

class ListControl : public controltest::RootFixture {
  protected:
    GUIControl *list = nullptr;

    void SetUp() override {
        RootFixture::SetUp();
        GUIRect rect{0, 200, 0, 0};
        list = GUIListNew(&root, &rect);
    }
    GUIList *fields() const { return reinterpret_cast<GUIList *>(list); }
    void addRows(int count) {
        for (int i = 0; i < count; ++i)
            GUIListAdd(list, ("row " + std::to_string(i)).c_str());
    }
    bool pressKey(int32_t key, int32_t flags = 0) { return list->Key(list, key, flags); }
    int32_t selectedAfter(int32_t start, int32_t key) {
        fields()->iSelected = start;
        return pressKey(key) ? fields()->iSelected : -100;
    }
};

TEST_F(ListControl, AddsGrowTheHeightRowByRow) {
    EXPECT_EQ(GUIListAdd(list, "one"), 0);
    EXPECT_EQ(GUIListAdd(list, "two"), 1);
    EXPECT_EQ(GUIListAdd(list, "three"), 2);
    EXPECT_EQ(list->iHeight, 48);
    EXPECT_EQ(list->iBottom, 48);
    EXPECT_EQ(list->iWidth, 200);
    EXPECT_STREQ(GUIListGet(list, 1), "two");
    EXPECT_STREQ(GUIListGet(list, 3), "");
    EXPECT_STREQ(GUIListGet(list, -1), "");
    // Each add resized the list and told the parent.
    EXPECT_EQ(count(list, GUI_EVENT_RESIZED), 3);
    EXPECT_EQ(count(&root, GUI_EVENT_CHILD_MOVED), 3);
}

TEST_F(ListControl, SetBeyondTheEndLeavesEmptyRowsThatAddsFillFirst) {
    GUIListSet(list, "five", 5);
    EXPECT_EQ(fields()->aszText.iCount, 6);
    EXPECT_EQ(list->iHeight, 96);
    for (int32_t row = 0; row < 5; ++row)
        EXPECT_STREQ(GUIListGet(list, row), "") << row;
    for (int32_t expected = 0; expected < 5; ++expected)
        EXPECT_EQ(GUIListAdd(list, "x"), expected);
    EXPECT_EQ(GUIListAdd(list, "after"), 6);
    EXPECT_STREQ(GUIListGet(list, 5), "five");
    EXPECT_EQ(list->iHeight, 112);
    GUIListSet(list, "replaced", 5);
    EXPECT_STREQ(GUIListGet(list, 5), "replaced");
    GUIListSet(list, "ignored", -3);
    EXPECT_EQ(fields()->aszText.iCount, 7);
}

TEST_F(ListControl, DataWordsHoldPointersAndSurviveAClear) {
    const auto word = static_cast<uintptr_t>(0x7fedcba987654321ull & UINTPTR_MAX);
    GUIListAdd(list, "game");
    GUIListSetData(list, word, 0);
    GUIListSetData(list, 42, 3);
    EXPECT_EQ(GUIListGetData(list, 0), word);
    EXPECT_EQ(GUIListGetData(list, 3), 42u);
    EXPECT_EQ(GUIListGetData(list, 2), 0u);
    EXPECT_EQ(GUIListGetData(list, -1), 0u);
    EXPECT_EQ(list->iHeight, 16) << "data words add no rows";

    GUIListSetSelection(list, 0);
    GUIListClear(list);
    EXPECT_EQ(list->iHeight, 0);
    EXPECT_EQ(fields()->iSelected, -1);
    EXPECT_STREQ(GUIListGet(list, 0), "");
    EXPECT_EQ(GUIListAdd(list, "again"), 0);
    EXPECT_EQ(GUIListGetData(list, 0), word);
}

TEST_F(ListControl, SelectionOfANegativeRowClearsItAndStillReports) {
    addRows(3);
    GUIListSetSelection(list, 1);
    raisedEvents().clear();
    GUIListSetSelection(list, -7);
    EXPECT_EQ(fields()->iSelected, -1);
    EXPECT_EQ(eventsOf(list), std::vector<int32_t>{GUI_EVENT_LIST_SELECTED});
    GUIListSetSelection(list, -1);
    GUIListSetSelection(list, 40);
    EXPECT_EQ(fields()->iSelected, 40) << "no upper bound";
    EXPECT_EQ(eventsOf(list).size(), 3u);
}

TEST_F(ListControl, LeftClickSelectsTheRowAndChoosesIt) {
    addRows(5);
    list->Mouse(list, 3, 40, 1, 1, 1);
    EXPECT_EQ(fields()->iSelected, 2);
    EXPECT_EQ(eventsOf(list).back(), GUI_EVENT_LIST_CHOSEN);
    EXPECT_EQ(eventsOf(list).end()[-2], GUI_EVENT_LIST_SELECTED);

    raisedEvents().clear();
    list->Mouse(list, 3, 70, 1, 0, 1); // held, not pressed
    list->Mouse(list, 3, 70, 0, 1, 1); // released
    list->Mouse(list, 3, 70, 1, 1, 0); // pressed elsewhere
    EXPECT_EQ(fields()->iSelected, 2);
    EXPECT_TRUE(eventsOf(list).empty());

    fields()->bSelectable = 0;
    list->Mouse(list, 3, 70, 1, 1, 1);
    EXPECT_EQ(fields()->iSelected, 2);
    EXPECT_TRUE(eventsOf(list).empty());
}

TEST_F(ListControl, HoverTrackingFollowsThePointerWithoutClicks) {
    addRows(5);
    fields()->bTrackHover = 1;
    list->Mouse(list, 3, 20, 0, 0, 1);
    EXPECT_EQ(fields()->iSelected, 1);
    list->Mouse(list, 3, 50, 0, 0, 0);
    EXPECT_EQ(fields()->iSelected, 3);
    raisedEvents().clear();
    list->Mouse(list, 3, 55, 0, 0, 1);
    EXPECT_TRUE(eventsOf(list).empty()) << "same row: no new selection";
    list->Mouse(list, 3, -20, 0, 0, 0);
    EXPECT_EQ(fields()->iSelected, -1);
}

TEST_F(ListControl, KeysMoveTheSelectionWithinTheRows) {
    EXPECT_FALSE(pressKey(kDown)) << "empty list";
    addRows(25);
    EXPECT_EQ(selectedAfter(-1, kDown), 0);
    EXPECT_EQ(selectedAfter(-1, kPageDown), 9);
    EXPECT_EQ(selectedAfter(-1, kUp), -100);
    EXPECT_EQ(selectedAfter(-1, kPageUp), -100);

    EXPECT_EQ(selectedAfter(0, kDown), 1);
    EXPECT_EQ(selectedAfter(0, kPageDown), 10);
    EXPECT_EQ(selectedAfter(0, kUp), -100);
    EXPECT_EQ(selectedAfter(0, kPageUp), -100);

    EXPECT_EQ(selectedAfter(24, kDown), -100);
    EXPECT_EQ(selectedAfter(24, kPageDown), -100);
    EXPECT_EQ(selectedAfter(24, kUp), 23);
    EXPECT_EQ(selectedAfter(24, kPageUp), 14);
    EXPECT_EQ(selectedAfter(20, kPageDown), 24);
    EXPECT_EQ(selectedAfter(4, kPageUp), 0);

    fields()->iSelected = 5;
    for (int32_t key : {kUp, kDown, kPageUp, kPageDown})
        EXPECT_FALSE(pressKey(key, 1)) << key;
    EXPECT_FALSE(pressKey('a'));
    EXPECT_FALSE(pressKey(13));
    fields()->bSelectable = 0;
    EXPECT_FALSE(pressKey(kDown));
    EXPECT_EQ(fields()->iSelected, 5);
}

TEST_F(ListControl, SortWithoutOrderMapChangesNothing) {
    for (const char *t : {"b", "a", "c"})
        GUIListAdd(list, t);
    GUIListSort(list);
    EXPECT_STREQ(GUIListGet(list, 0), "b");
    EXPECT_STREQ(GUIListGet(list, 1), "a");
    EXPECT_STREQ(GUIListGet(list, 2), "c");
}

// Two columns sharing one order map, filled by position as a table does.
class SharedOrder : public controltest::RootFixture {
  protected:
    GENArray order{};
    GUIControl *names = nullptr;
    GUIControl *numbers = nullptr;

    void SetUp() override {
        RootFixture::SetUp();
        GENArrayInitPaged(&order, 0);
        GUIRect left{0, 100, 0, 0}, right{100, 200, 0, 0};
        names = GUIListNew(&root, &left);
        numbers = GUIListNew(&root, &right);
        reinterpret_cast<GUIList *>(names)->pOrder = &order;
        reinterpret_cast<GUIList *>(numbers)->pOrder = &order;
    }
    void TearDown() override {
        RootFixture::TearDown();
        GENArrayFreePages(&order);
    }
    void fill(const std::vector<std::string> &texts) {
        for (size_t i = 0; i < texts.size(); ++i) {
            const auto row = static_cast<int32_t>(i);
            GUIListSet(names, texts[i].c_str(), row);
            GUIListSet(numbers, std::to_string(i).c_str(), row);
            GUIListSetData(numbers, i, row);
        }
    }
    std::vector<std::pair<std::string, std::string>> rows() {
        std::vector<std::pair<std::string, std::string>> out;
        const int32_t count = reinterpret_cast<GUIList *>(names)->aszText.iCount;
        for (int32_t p = 0; p < count; ++p)
            out.emplace_back(GUIListGet(names, p), GUIListGet(numbers, p));
        return out;
    }
};

TEST_F(SharedOrder, SortingOneColumnReordersBoth) {
    fill({"b", "a", "b", "c", "a"});
    GUIListSort(names);
    const auto sorted = rows();
    std::vector<std::string> column;
    for (const auto &r : sorted)
        column.push_back(r.first);
    EXPECT_EQ(column, (std::vector<std::string>{"a", "a", "b", "b", "c"}));
    // The rows kept together: each name still stands beside its own number.
    auto pairs = sorted;
    std::sort(pairs.begin(), pairs.end());
    EXPECT_EQ(pairs, (std::vector<std::pair<std::string, std::string>>{
                         {"a", "1"}, {"a", "4"}, {"b", "0"}, {"b", "2"}, {"c", "3"}}));
    for (int32_t p = 0; p < 5; ++p)
        EXPECT_EQ(std::to_string(GUIListGetData(numbers, p)), GUIListGet(numbers, p));
    // The stored texts did not move.
    EXPECT_STREQ(GENArrayGetString(&reinterpret_cast<GUIList *>(names)->aszText, 0), "b");
}

TEST_F(SharedOrder, SortOrdersBytesUnsignedAndPrefixesFirst) {
    fill({"ab", "a", "B", "\xe9t\xe9", "", "abc", "A"});
    GUIListSort(names);
    std::vector<std::string> column;
    for (const auto &r : rows())
        column.push_back(r.first);
    EXPECT_EQ(column, (std::vector<std::string>{"", "A", "B", "a", "ab", "abc", "\xe9t\xe9"}));
}

TEST_F(SharedOrder, SortOfManyDuplicatesMatchesAReferenceSort) {
    std::mt19937 random(7);
    std::vector<std::string> texts;
    for (int i = 0; i < 2000; ++i)
        texts.push_back(std::string(1 + random() % 2, static_cast<char>('a' + random() % 4)));
    fill(texts);
    GUIListSort(names);
    std::vector<std::string> column;
    for (const auto &r : rows())
        column.push_back(r.first);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(column, texts);
    // Every storage index still appears exactly once in the map.
    std::vector<uintptr_t> indexes;
    for (int32_t p = 0; p < 2000; ++p)
        indexes.push_back(GENArrayGetItem(&order, p));
    std::sort(indexes.begin(), indexes.end());
    for (int32_t p = 0; p < 2000; ++p)
        ASSERT_EQ(indexes[p], static_cast<uintptr_t>(p));
}

// A composite control that embeds a list as its part, as a pop-up menu does.
struct Composite {
    GUIControl base;
    GUIList body;
};

TEST_F(ListControl, EmbeddedListIsInitialisedInPlaceAndReleasedWithItsOwner) {
    Composite composite{};
    GUIRect outer{0, 100, 0, 100}, inner{0, 100, 0, 0};
    GUIControlInit(&composite.base, &root, &outer);
    GUIListInit(&composite.body.oControl, &composite.base, &inner);
    GUIControl *body = &composite.body.oControl;
    EXPECT_EQ(body->bAllocated, 0);
    EXPECT_EQ(body->pParent, &composite.base);
    EXPECT_EQ(body->pType, &sGUIListType);
    EXPECT_TRUE(eventsOf(body).empty()) << "no CREATED for an embedded part";
    for (int i = 0; i < 300; ++i)
        GUIListAdd(body, "item");
    GUIListSetData(body, 9, 299);
    EXPECT_EQ(body->iHeight, 4800);
    // Removing the owner releases the list's storage but not its record.
    composite.base.Remove(&composite.base);
    EXPECT_EQ(composite.base.pFirstChild, nullptr);
}

} // namespace
