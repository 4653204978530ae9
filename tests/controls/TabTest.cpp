// Tab controls: sheets laid out under the selector, the chosen one alone
// shown, and sheets from a script or added after a resize sized alike.
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

TEST_F(Tab, ScriptedSheetsStayHiddenUntilChosen) {
    testsupport::ScratchDir dir;
    const std::string path =
        dir.Write("t.scr", "Tab[0,0,200,150]{ Sheet(A) \"a\"; Sheet[9,9,9,9](B){ Button(x); }; };");
    auto *tab = reinterpret_cast<GUITab *>(testsupport::LoadScriptFile(path, &root).ctl);
    ASSERT_NE(tab, nullptr);
    GUIControl *b = GUIControlGetByID(nullptr, "a")->pNext;
    EXPECT_EQ(testsupport::rectOf(*b), (GUIRect{4, 196, 20, 146}));
    EXPECT_TRUE(b->bHidden && b->pNext == nullptr && b->pFirstChild != nullptr);
    EXPECT_EQ(tab->oSelector.oDropList.oControl.iHeight, 32);
    EXPECT_STREQ(tab->oSelector.oEdit.szText, "");
    GUIEditSet(&tab->oSelector.oEdit.oControl, "B");
    EXPECT_EQ(tab->pCurrentSheet, b);
}

} // namespace
