// Combo boxes: the drop-down on the root opened by the button, a click on a
// row filling the field, a long list scrolling, and a broken script form.
#include "ControlTestSupport.h"
#include "GUICombo.h"

namespace {

using Combo = testsupport::RootTest;

TEST_F(Combo, ButtonDropsTheListARowFillsTheFieldAndLongListsScroll) {
    GUIRect rect{20, 140, 20, 40};
    GUIControl *ctl = GUIComboNew(&root, &rect, "First");
    auto *combo = reinterpret_cast<GUICombo *>(ctl);
    GUIControl *view = &combo->oDropView.oControl;
    for (const char *row : {"A", "B", "C"})
        GUIComboAdd(ctl, row);
    press(130, 25);
    release(130, 25);
    EXPECT_EQ(testsupport::rectOf(*view), (GUIRect{20, 140, 40, 88}));
    EXPECT_TRUE(combo->oDropView.oVScroll.oControl.bHidden);
    press(30, 77);
    EXPECT_STREQ(combo->oEdit.szText, "C");
    EXPECT_EQ(combo->iChosen, 2);
    EXPECT_EQ(count(ctl, GUI_EVENT_COMBO_CHANGED), 1);
    EXPECT_EQ(count(&combo->oEdit.oControl, GUI_EVENT_EDIT_CHANGED), 1);
    EXPECT_TRUE(view->bHidden && !combo->bDropped);

    for (const char *row : {"D", "E", "F"})
        GUIComboAdd(ctl, row);
    GUIComboDrop(ctl);
    EXPECT_EQ(view->iHeight, 64);
    EXPECT_FALSE(combo->oDropView.oVScroll.oControl.bHidden);
    GUIListSetSelection(&combo->oDropList.oControl, 5);
    // The list is as wide as the combo box, wider than the pane beside the bar,
    // so keeping the row in view also scrolls sideways and brings up that bar.
    EXPECT_EQ(combo->oDropView.oPane.iScrollX, 16);
    EXPECT_EQ(combo->oDropView.oPane.iScrollY, 6 * 16 - 48);
    press(30, 40 + 48 - 4);
    EXPECT_STREQ(combo->oEdit.szText, "F");
}

TEST_F(Combo, ScriptWithoutClosingParenthesisFailsAndTakesTheDropDownAway) {
    testsupport::ScratchDir dir;
    const std::string bad = dir.Write("d.scr", "Combo[0,0,90,20](A,B;");
    EXPECT_EQ(testsupport::LoadScriptFile(bad, &root).ctl, nullptr);
    EXPECT_EQ(root.pFirstChild, nullptr) << "the drop-down went with the combo";
}

} // namespace
