// Combo boxes: the drop-down on the root opened by the button, a click on a
// row filling the field, a long list scrolling, and the script form.
#include "ControlTestSupport.h"
#include "GUICombo.h"

namespace {

using Combo = testsupport::RootTest;

GUICombo *comboAt(GUIControl *parent, std::initializer_list<const char *> rows) {
    GUIRect rect{20, 140, 20, 40};
    auto *combo = reinterpret_cast<GUICombo *>(GUIComboNew(parent, &rect, "First"));
    for (const char *row : rows)
        GUIComboAdd(&combo->oControl, row);
    return combo;
}

TEST_F(Combo, ButtonDropsTheListAndARowFillsTheField) {
    GUICombo *combo = comboAt(&root, {"Alpha", "Bravo", "Charlie"});
    GUIControl *view = &combo->oDropView.oControl;
    EXPECT_EQ(view->pParent, &root);
    EXPECT_TRUE(view->bHidden);
    press(130, 25);
    release(130, 25);
    EXPECT_EQ(testsupport::rectOf(*view), (GUIRect{20, 140, 40, 88}));
    EXPECT_FALSE(view->bHidden);
    EXPECT_TRUE(combo->oDropView.oVScroll.oControl.bHidden);
    press(30, 77);
    EXPECT_STREQ(combo->oEdit.szText, "Charlie");
    EXPECT_EQ(combo->iChosen, 2);
    EXPECT_EQ(count(&combo->oControl, GUI_EVENT_COMBO_CHANGED), 1);
    EXPECT_EQ(count(&combo->oEdit.oControl, GUI_EVENT_EDIT_CHANGED), 1);
    EXPECT_TRUE(view->bHidden);
    EXPECT_FALSE(combo->bDropped);
}

TEST_F(Combo, LongListScrollsInsideTheDropDown) {
    GUICombo *combo = comboAt(&root, {"A", "B", "C", "D", "E", "F"});
    GUIComboDrop(&combo->oControl);
    EXPECT_EQ(combo->oDropView.oControl.iHeight, 64);
    EXPECT_FALSE(combo->oDropView.oVScroll.oControl.bHidden);
    GUIListSetSelection(&combo->oDropList.oControl, 5);
    // The list is as wide as the combo box, wider than the pane beside the bar,
    // so keeping the row in view also scrolls sideways and brings up that bar.
    EXPECT_EQ(combo->oDropView.oPane.iScrollX, 16);
    EXPECT_EQ(combo->oDropView.oPane.iScrollY, 6 * 16 - 48);
    press(30, 40 + 48 - 4);
    EXPECT_STREQ(combo->oEdit.szText, "F");
}

TEST_F(Combo, ScriptGivesTextAndChoicesAndFailsWithoutClosingParenthesis) {
    testsupport::ScratchDir dir;
    auto *combo = reinterpret_cast<GUICombo *>(
        testsupport::LoadScriptFile(
            dir.Write("c.scr", "Combo[0,0,90,20](First, First,\"Se cond\");"), &root)
            .ctl);
    ASSERT_NE(combo, nullptr);
    EXPECT_STREQ(combo->oEdit.szText, "First");
    EXPECT_STREQ(GUIListGet(&combo->oDropList.oControl, 1), "Se cond");
    EXPECT_EQ(combo->oDropList.oControl.iHeight, 32);
    const auto failed =
        testsupport::LoadScriptFile(dir.Write("d.scr", "Combo[0,0,90,20](A,B;"), &root);
    EXPECT_EQ(failed.ctl, nullptr);
    EXPECT_EQ(root.pFirstChild->pNext->pNext, nullptr)
        << "the failed combo took its drop-down along";
}

} // namespace
