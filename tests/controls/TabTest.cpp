// Tab controls: sheets laid out under the selector, the chosen one alone
// shown, and sheets added after a resize sized alike.
#include "ControlTestSupport.h"
#include "GUISheet.h"
#include "GUITab.h"

namespace {

using Tab = testsupport::RootTest;

TEST_F(Tab, SelectorShowsOnlyTheChosenSheetAndLateSheetsAreSizedAlike) {
    GUIRect rect{10, 210, 10, 160};
    auto *tab = reinterpret_cast<GUITab *>(GUITabNew(&root, &rect));
    GUIControl *sheets[] = {GUITabAdd(&tab->oControl, "A"), GUITabAdd(&tab->oControl, "B"),
                            GUITabAdd(&tab->oControl, "C")};
    EXPECT_EQ(testsupport::rectOf(*sheets[0]), (GUIRect{4, 196, 20, 146}));
    // The selector's button is at root (194..210, 14..30), its rows from y 30.
    press(200, 20);
    release(200, 20);
    press(20, 35);
    EXPECT_EQ(tab->pCurrentSheet, sheets[0]);
    EXPECT_FALSE(sheets[0]->bHidden);
    EXPECT_TRUE(sheets[1]->bHidden && sheets[2]->bHidden);

    GUIControlSetSize(&tab->oControl, 240, 180);
    GUIControl *late = GUITabAdd(&tab->oControl, "D");
    EXPECT_EQ(testsupport::rectOf(*late), testsupport::rectOf(*sheets[0]));
    EXPECT_EQ(late->iWidth, 232);
    EXPECT_STREQ(GUIListGet(&tab->oSelector.oDropList.oControl, 3), "D");
    EXPECT_TRUE(sheets[0]->bHidden);
}

} // namespace
