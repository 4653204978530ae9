// The controls that open over others, drawn with the skin and compared with
// their reference pictures: an open combo box, a tab control, a pop-up menu.
#include "GUICombo.h"
#include "GUIDesktop.h"
#include "GUIPopupMenu.h"
#include "GUITab.h"
#include "SkinTestSupport.h"

namespace {

using OverlayReference = skintest::SkinTest;

void ExpectScene(const char *scene) {
    GUIControlRedrawThis(pGUIControlRoot);
    EXPECT_TRUE(skintest::MatchesReference(
        scene, {0, pGUIControlRoot->iWidth, 0, pGUIControlRoot->iHeight}));
}

TEST_F(OverlayReference, OpenComboBox) {
    GUIControl *desktop = GUIDesktopNew(200, 130);
    GUIRect place{8, 168, 8, 8};
    auto *combo = reinterpret_cast<GUICombo *>(GUIComboNew(desktop, &place, "Bravo"));
    EXPECT_EQ(combo->oControl.iHeight, 28);
    EXPECT_EQ(combo->oButton.oControl.iLeft, 132);
    for (const char *row : {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"})
        GUIComboAdd(&combo->oControl, row);
    GUIComboDrop(&combo->oControl);
    combo->oDropList.iSelected = 1;
    ExpectScene("combo");
}

TEST_F(OverlayReference, TabWithThreeSheets) {
    GUIControl *desktop = GUIDesktopNew(200, 120);
    GUIRect place{8, 192, 8, 112};
    GUIControl *tab = GUITabNew(desktop, &place);
    for (const char *name : {"Games", "Tools", "About"}) {
        GUIRect button{8, 0, 8, 0};
        GUIButtonNew(GUITabAdd(tab, name), &button, name);
    }
    GUIEditSet(&reinterpret_cast<GUITab *>(tab)->oSelector.oEdit.oControl, "Tools");
    GUIControlMark(tab);
    ExpectScene("tab");
}

TEST_F(OverlayReference, PopupMenu) {
    GUIControl *desktop = GUIDesktopNew(160, 100);
    GUIRect place{8, 0, 8, 0};
    GUIControl *button = GUIButtonNew(desktop, &place, "Target");
    GUIRect menuPlace{20, 120, 16, 16};
    GUIControl *menu = GUIPopupMenuBind(button, &menuPlace);
    for (const char *item : {"New", "Delete", "Save", "Properties"})
        GUIPopupMenuAdd(menu, item);
    reinterpret_cast<GUIList *>(menu)->iSelected = 2;
    ExpectScene("popupmenu");
}

} // namespace
