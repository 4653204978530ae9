// The controls that open over others, drawn with the skin in one scene and
// compared with its reference picture: a tab control with three sheets, an
// open combo box and a pop-up menu.
#include "GUICombo.h"
#include "GUIDesktop.h"
#include "GUIPopupMenu.h"
#include "GUITab.h"
#include "SkinTestSupport.h"

namespace {

using OverlayReference = skintest::SkinTest;

TEST_F(OverlayReference, TabOpenComboBoxAndPopupMenu) {
    GUIControl *desktop = GUIDesktopNew(300, 250);
    GUIRect place{8, 178, 8, 158};
    GUIControl *tab = GUITabNew(desktop, &place);
    for (const char *name : {"Games", "Tools", "About"}) {
        GUIRect button{8, 0, 8, 0};
        GUIButtonNew(GUITabAdd(tab, name), &button, name);
    }
    GUIEditSet(&reinterpret_cast<GUITab *>(tab)->oSelector.oEdit.oControl, "Tools");
    GUIControlMark(tab);
    place = {186, 292, 8, 8};
    GUIControl *combo = GUIComboNew(desktop, &place, "Bravo");
    for (const char *row : {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"})
        GUIComboAdd(combo, row);
    GUIComboDrop(combo);
    place = {4, 104, 120, 120};
    GUIControl *menu = GUIPopupMenuBind(desktop, &place);
    for (const char *item : {"New", "Delete", "Save", "Properties"})
        GUIPopupMenuAdd(menu, item);
    reinterpret_cast<GUIList *>(menu)->iSelected = 2;
    GUIControlRedrawThis(desktop);
    EXPECT_TRUE(skintest::MatchesReference("overlays", {0, 300, 0, 250}));
}

} // namespace
