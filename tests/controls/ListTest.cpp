// List: rows and heights, data words, selection by call, mouse and keys,
// sorting through an order map shared by two columns, and a list in a view.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "GUIList.h"
#include "GUIView.h"

using testsupport::eventsOf;
using testsupport::raisedEvents;

namespace {

constexpr int32_t kPageUp = GUI_KEY_PAGE_UP, kPageDown = GUI_KEY_PAGE_DOWN, kUp = GUI_KEY_UP,
                  kDown = GUI_KEY_DOWN;

class ListControl : public testsupport::RootTest {
  protected:
    GUIControl *list = nullptr;

    void SetUp() override {
        RootTest::SetUp();
        GUIRect rect{0, 200, 0, 0};
        list = GUIListNew(&root, &rect);
    }
    GUIList *fields() const { return reinterpret_cast<GUIList *>(list); }
};

// Rows set beyond the end leave empty rows that adds fill first; data words
// hold pointers and survive a clear.
TEST_F(ListControl, AddsAndSetsGrowTheHeightRowByRowAndDataWordsSurviveAClear) {
    EXPECT_EQ(GUIListAdd(list, "one"), 0);
    EXPECT_EQ(list->iHeight, 16);
    EXPECT_STREQ(GUIListGet(list, -1), "");
    EXPECT_EQ(count(&root, GUI_EVENT_CHILD_MOVED), 1);
    GUIListSet(list, "five", 5);
    EXPECT_EQ(list->iHeight, 96);
    for (int32_t expected = 1; expected < 5; ++expected)
        EXPECT_EQ(GUIListAdd(list, "x"), expected);
    EXPECT_EQ(GUIListAdd(list, "after"), 6);
    EXPECT_STREQ(GUIListGet(list, 5), "five");
    EXPECT_EQ(list->iHeight, 112);

    const auto word = static_cast<uintptr_t>(0x7fedcba987654321ull & UINTPTR_MAX);
    GUIListSetData(list, word, 0);
    GUIListSetSelection(list, 0);
    GUIListClear(list);
    EXPECT_EQ(list->iHeight, 0);
    EXPECT_EQ(GUIListGetData(list, 0), word);
}

// A left click selects and chooses the row; a negative row clears the
// selection and still reports; keys move the selection within the rows.
TEST_F(ListControl, ClicksCallsAndKeysMoveTheSelection) {
    EXPECT_FALSE(list->Key(list, kDown, 0)) << "empty list";
    for (int i = 0; i < 25; ++i)
        GUIListAdd(list, ("row " + std::to_string(i)).c_str());
    raisedEvents().clear();
    list->Mouse(list, 3, 40, 1, 1, 1);
    EXPECT_EQ(fields()->iSelected, 2);
    EXPECT_EQ(eventsOf(list),
              (std::vector<int32_t>{GUI_EVENT_LIST_SELECTED, GUI_EVENT_LIST_CHOSEN}));
    GUIListSetSelection(list, -7);
    EXPECT_EQ(fields()->iSelected, -1);
    EXPECT_EQ(eventsOf(list).back(), GUI_EVENT_LIST_SELECTED);

    struct Case {
        int32_t selected, key, flags, after; // after -1: the key is not taken
    };
    const Case cases[] = {
        {-1, kDown, 0, 0},      {-1, kPageDown, 0, 9},  {-1, kUp, 0, -1},  {-1, kPageUp, 0, -1},
        {0, kDown, 0, 1},       {0, kPageDown, 0, 10},  {0, kUp, 0, -1},   {0, kPageUp, 0, -1},
        {24, kDown, 0, -1},     {24, kPageDown, 0, -1}, {24, kUp, 0, 23},  {24, kPageUp, 0, 14},
        {20, kPageDown, 0, 24}, {4, kPageUp, 0, 0},     {5, kDown, 1, -1}, {5, kPageUp, 2, -1},
        {5, 'a', 0, -1},        {5, 13, 0, -1},
    };
    for (const Case &c : cases) {
        fields()->iSelected = c.selected;
        const bool taken = list->Key(list, c.key, c.flags);
        EXPECT_EQ(taken, c.after >= 0) << c.selected << " key " << c.key;
        EXPECT_EQ(fields()->iSelected, taken ? c.after : c.selected)
            << c.selected << " key " << c.key;
    }
}

// Two columns sharing one order map, filled by position as a table does.
TEST_F(ListControl, SortingOneOfTwoColumnsSharingAnOrderReordersBothAndKeepsDuplicates) {
    GENArray order{};
    GENArrayInitPaged(&order, 0);
    GUIRect right{200, 300, 0, 0};
    GUIControl *numbers = GUIListNew(&root, &right);
    fields()->pOrder = reinterpret_cast<GUIList *>(numbers)->pOrder = &order;
    const char *alphabet[] = {"", "A", "B", "a", "ab", "abc", "b", "\xe9t\xe9"};
    std::mt19937 random(7);
    std::vector<std::string> texts;
    for (int32_t row = 0; row < 500; ++row) {
        texts.push_back(alphabet[random() % std::size(alphabet)]);
        GUIListSet(list, texts.back().c_str(), row);
        GUIListSet(numbers, std::to_string(row).c_str(), row);
        GUIListSetData(numbers, static_cast<uintptr_t>(row), row);
    }
    GUIListSort(list);

    std::vector<std::string> sorted = texts;
    std::sort(sorted.begin(), sorted.end()); // bytes compare unsigned, prefixes first
    for (int32_t p = 0; p < 500; ++p) {
        ASSERT_EQ(GUIListGet(list, p), sorted[p]) << p;
        // Each row keeps its number beside it.
        const uintptr_t row = GUIListGetData(numbers, p);
        ASSERT_EQ(GUIListGet(numbers, p), std::to_string(row)) << p;
        ASSERT_EQ(texts[row], sorted[p]) << p;
    }
    EXPECT_EQ(GENArrayGetString(&fields()->aszText, 0), texts[0]) << "stored texts do not move";
    GENArrayFreePages(&order);
}

using ListInView = testsupport::RootTest;

// A scripted list inside a view: the selected row kept visible through the
// pane, scrolled by the bar.
TEST_F(ListInView, ScriptedListIsScrolledBySelectionAndBar) {
    testsupport::ScratchDir dir;
    const std::string path =
        dir.Write("list_in_view.scr", "View[10,10,200,160]\r\n{\r\n"
                                      "\tList[0,0,184,0] \"games\";\r\n};\r\n");
    GUIControl *loaded = testsupport::LoadScriptFile(path, &root).ctl;
    ASSERT_NE(loaded, nullptr);
    auto *view = reinterpret_cast<GUIView *>(loaded);
    GUIControl *list = GUIControlGetByID(nullptr, "games");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(view->oVScroll.oControl.bHidden);
    for (int i = 0; i < 100; ++i)
        GUIListAdd(list, ("Game " + std::to_string(i)).c_str());
    EXPECT_FALSE(view->oVScroll.oControl.bHidden) << "the growing list brings the bar up";
    EXPECT_TRUE(view->oHScroll.oControl.bHidden);

    // The pane shows 160 pixels, ten rows, beside the bar.
    GUIListSetSelection(list, 30);
    EXPECT_EQ(view->oPane.iScrollY, 336) << "row 30 becomes the last visible row";
    EXPECT_EQ(view->oVScroll.iPosEnd, 496);
    GUIListSetSelection(list, 5);
    EXPECT_EQ(view->oPane.iScrollY, 80) << "row 5 becomes the first visible row";

    // The bar's back arrow sits at the top of the bar, root (194..210, 10..26).
    raisedEvents().clear();
    press(200, 15);
    release(200, 15);
    EXPECT_EQ(view->oPane.iScrollY, 65);
    EXPECT_EQ(eventsOf(loaded), std::vector<int32_t>{GUI_EVENT_VIEW_SCROLLED});
    EXPECT_EQ(reinterpret_cast<GUIList *>(list)->iSelected, 5) << "the selection stays";

    // A list more than a million pixels tall still reaches its last row.
    reinterpret_cast<GUIList *>(list)->iItemHeight = 150;
    while (reinterpret_cast<GUIList *>(list)->aszText.iCount < 8000)
        GUIListAdd(list, "more");
    EXPECT_EQ(list->iHeight, 1200000);
    GUIListSetSelection(list, 7999);
    EXPECT_EQ(view->oPane.iScrollY, 1200000 - 160);
}

} // namespace
