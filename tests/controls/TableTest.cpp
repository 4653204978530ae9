// Tables: columns edge to edge under their headers, a header's edge dragged,
// the header strip kept over the scrolled body, sorting and selection shared
// by every column, clearing and refilling.
#include <string>

#include "ControlTestSupport.h"
#include "GUICHeader.h"
#include "GUIList.h"
#include "GUIScrollBar.h"
#include "GUITable.h"

namespace {

using Table = testsupport::RootTest;

GUITable *asTable(GUIControl *ctl) {
    return reinterpret_cast<GUITable *>(ctl);
}

GUIControl *headerAt(GUIControl *table, int32_t column) {
    return reinterpret_cast<GUIControl *>(GENArrayGetItem(&asTable(table)->aColumns, column));
}

GUIControl *listAt(GUIControl *table, int32_t column) {
    return &reinterpret_cast<GUICHeader *>(headerAt(table, column))->pList->oControl;
}

GUIControl *makeTable(GUIControl *parent, std::initializer_list<int32_t> widths) {
    GUIRect rect{10, 210, 10, 130};
    GUIControl *table = GUITableNew(parent, &rect);
    for (int32_t width : widths)
        GUITableNewColumn(table, "Head", width);
    return table;
}

// Rows whose first column repeats keys: the second column holds key + row
// number and the third the row number, so a row torn apart shows.
void fillKeyed(GUIControl *table, const std::string &keys) {
    for (int32_t row = 0; row < static_cast<int32_t>(keys.size()); ++row) {
        const std::string key(1, keys[static_cast<size_t>(row)]);
        GUITableSetItem(table, row, 0, key.c_str());
        GUITableSetItem(table, row, 1, (key + std::to_string(row)).c_str());
        GUITableSetItem(table, row, 2, std::to_string(row).c_str());
    }
}

void expectRowsTogether(GUIControl *table, int32_t rows) {
    for (int32_t row = 0; row < rows; ++row)
        EXPECT_EQ(std::string(GUITableGetItem(table, row, 0)) + GUITableGetItem(table, row, 2),
                  GUITableGetItem(table, row, 1))
            << "row " << row;
}

TEST_F(Table, ColumnsFollowTheirHeadersThroughDragsAndScrolls) {
    testsupport::ScratchDir dir;
    const auto loaded =
        testsupport::LoadScriptFile(dir.Write("t.scr", "Table[10,10,200,120] \"t\";\r\n"), &root);
    ASSERT_NE(loaded.ctl, nullptr);
    EXPECT_EQ(loaded.ctl->pType, &sGUITableType);
    GUIControl *table = loaded.ctl;
    for (int32_t width : {80, 60, 100})
        GUITableNewColumn(table, "Head", width);
    GUIView *body = &asTable(table)->oBody;
    const int32_t lefts[] = {0, 80, 140};
    for (int32_t column = 0; column < 3; ++column) {
        EXPECT_EQ(headerAt(table, column)->iLeft, lefts[column]);
        EXPECT_EQ(listAt(table, column)->iLeft, lefts[column]);
    }
    EXPECT_EQ(body->iContentWidth, 240);
    EXPECT_FALSE(body->oHScroll.oControl.bHidden);

    // Header 0's grip spans its local x 66..79; the strip starts at root y 10.
    press(10 + 75, 15);
    dragTo(10 + 120, 15);
    release(10 + 120, 15);
    EXPECT_EQ(headerAt(table, 0)->iWidth, 120);
    EXPECT_EQ(listAt(table, 0)->iWidth, 120);
    EXPECT_EQ(headerAt(table, 1)->iLeft, 120);
    EXPECT_EQ(listAt(table, 2)->iLeft, 180);
    EXPECT_EQ(count(headerAt(table, 0), GUI_EVENT_BUTTON_CLICKED), 0) << "a drag is no click";

    GUIScrollBarStepForward(&body->oHScroll.oControl);
    EXPECT_EQ(body->oPane.iScrollX, 15);
    EXPECT_EQ(asTable(table)->oHeader.iScrollX, 15);
    // A list keeping its selection visible scrolls the body back to x 0.
    GUITableSetItem(table, 0, 2, "x");
    GUIListSetSelection(listAt(table, 2), 0);
    EXPECT_EQ(body->oPane.iScrollX, 0);
    EXPECT_EQ(asTable(table)->oHeader.iScrollX, 0);
}

TEST_F(Table, SortingAndSelectingActOnWholeRows) {
    GUIControl *table = makeTable(&root, {80, 60, 50});
    fillKeyed(table, "babcabca");
    // Header 0 spans root x 10..89, the strip y 10..33.
    press(40, 20);
    release(40, 20);
    EXPECT_STREQ(GUITableGetItem(table, 0, 0), "a");
    EXPECT_STREQ(GUITableGetItem(table, 7, 0), "c");
    expectRowsTogether(table, 8);
    GUITableSort(table, 2);
    EXPECT_STREQ(GUITableGetItem(table, 3, 2), "3");
    expectRowsTogether(table, 8);

    GUITableSetItem(table, 0, 3, "nowhere");
    GUITableSort(table, 3);
    EXPECT_EQ(GUITableGetItem(table, 0, 3), nullptr);
    EXPECT_EQ(GUITableGetItem(table, 0, -1), nullptr);

    // Row 2 of the third column: root x 150..199, y 34 + 32..48.
    for (int i = 0; i < 2; ++i) {
        press(160, 34 + 40);
        release(160, 34 + 40);
    }
    for (int32_t column = 0; column < 3; ++column)
        EXPECT_EQ(reinterpret_cast<GUIList *>(listAt(table, column))->iSelected, 2);
    EXPECT_EQ(asTable(table)->iSelected, 2);
    EXPECT_EQ(count(table, GUI_EVENT_TABLE_SELECTED), 1);
}

TEST_F(Table, ClearingAndRefillingKeepsColumnsAligned) {
    GUIControl *table = makeTable(&root, {80, 60, 50});
    fillKeyed(table, "dcbadcba");
    GUITableSort(table, 0);
    GUIListSetSelection(listAt(table, 1), 3);
    GUITableClear(table);
    EXPECT_EQ(listAt(table, 0)->iHeight, 0);
    EXPECT_EQ(asTable(table)->iSelected, 3);
    fillKeyed(table, "zyx");
    expectRowsTogether(table, 3);
    EXPECT_STREQ(GUITableGetItem(table, 0, 1), "z0");
    GUITableSort(table, 1);
    EXPECT_STREQ(GUITableGetItem(table, 0, 2), "2");
    expectRowsTogether(table, 3);
}

} // namespace
