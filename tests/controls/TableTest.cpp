// Tables: columns edge to edge under their headers, a header's edge dragged,
// the header strip kept over the scrolled body, sorting and selection shared
// by every column, clearing and refilling.
#include <string>

#include "ControlTestSupport.h"
#include "GUICHeader.h"
#include "GUIScrollBar.h"
#include "GUITable.h"

namespace {

using Table = testsupport::RootTest;

GUITable *asTable(GUIControl *ctl) {
    return reinterpret_cast<GUITable *>(ctl);
}

GUICHeader *headerAt(GUIControl *table, int32_t column) {
    return reinterpret_cast<GUICHeader *>(GENArrayGetItem(&asTable(table)->aColumns, column));
}

GUIControl *listAt(GUIControl *table, int32_t column) {
    return &headerAt(table, column)->pList->oControl;
}

// A table at root (10, 10), 200 x 120, with columns 80, 60, 50.
GUIControl *newTable(GUIControl *root) {
    GUIRect rect{10, 210, 10, 130};
    GUIControl *table = GUITableNew(root, &rect);
    for (int32_t width : {80, 60, 50})
        GUITableNewColumn(table, "Head", width);
    return table;
}

// The second column holds the first column's key and the third column's row
// number, so a row torn apart shows.
void fillKeyed(GUIControl *table, const std::string &keys) {
    for (int32_t row = 0; row < static_cast<int32_t>(keys.size()); ++row) {
        const std::string key = keys.substr(static_cast<size_t>(row), 1);
        const std::string cells[] = {key, key + std::to_string(row), std::to_string(row)};
        for (int32_t column = 0; column < 3; ++column)
            GUITableSetItem(table, row, column, cells[column].c_str());
    }
}

void expectRowsTogether(GUIControl *table, int32_t rows) {
    for (int32_t row = 0; row < rows; ++row)
        EXPECT_EQ(std::string(GUITableGetItem(table, row, 0)) + GUITableGetItem(table, row, 2),
                  GUITableGetItem(table, row, 1))
            << "row " << row;
}

// Sorting, selecting, clearing and refilling act on whole rows; the columns
// then follow their headers through a drag and the body's scrolling.
TEST_F(Table, SortingSelectingAndRefillingActOnWholeRowsAndColumnsFollowTheirHeaders) {
    GUIControl *table = newTable(&root);
    fillKeyed(table, "babcabca");
    press(40, 20); // header 0
    release(40, 20);
    EXPECT_STREQ(GUITableGetItem(table, 7, 0), "c");
    expectRowsTogether(table, 8);
    GUITableSort(table, 3);
    EXPECT_EQ(GUITableGetItem(table, 0, 3), nullptr);

    // Row 2 of the third column: root x 150..199, y 34 + 32..48.
    for (int i = 0; i < 2; ++i) {
        press(160, 34 + 40);
        release(160, 34 + 40);
    }
    EXPECT_EQ(reinterpret_cast<GUIList *>(listAt(table, 0))->iSelected, 2);
    EXPECT_EQ(count(table, GUI_EVENT_TABLE_SELECTED), 1);

    GUITableClear(table);
    EXPECT_EQ(asTable(table)->iSelected, 2);
    fillKeyed(table, "zyx");
    EXPECT_STREQ(GUITableGetItem(table, 0, 1), "z0");
    GUITableSort(table, 1);
    EXPECT_STREQ(GUITableGetItem(table, 0, 2), "2");
    expectRowsTogether(table, 3);

    resetRecords();
    GUIView *body = &asTable(table)->oBody;
    EXPECT_EQ(listAt(table, 2)->iLeft, 140);
    EXPECT_EQ(body->iContentWidth, 190);
    EXPECT_TRUE(body->oHScroll.oControl.bHidden);

    // Header 0's grip spans its local x 66..79; the strip starts at root y 10.
    press(10 + 75, 15);
    dragTo(10 + 120, 15);
    release(10 + 120, 15);
    EXPECT_EQ(listAt(table, 0)->iWidth, 120);
    EXPECT_EQ(headerAt(table, 1)->oButton.oControl.iLeft, 120);
    EXPECT_EQ(listAt(table, 2)->iLeft, 180);
    EXPECT_EQ(count(&headerAt(table, 0)->oButton.oControl, GUI_EVENT_BUTTON_CLICKED), 0);
    EXPECT_FALSE(body->oHScroll.oControl.bHidden);

    GUIScrollBarStepForward(&body->oHScroll.oControl);
    EXPECT_EQ(asTable(table)->oHeader.iScrollX, 15);
    // A list keeping its selection visible scrolls the body back to x 0.
    GUITableSetItem(table, 0, 2, "x");
    GUIListSetSelection(listAt(table, 2), 0);
    EXPECT_EQ(asTable(table)->oHeader.iScrollX, 0);
}

} // namespace
