// Each skinned type drawn in a fixed scene on a desktop, the controls that open
// over others in one scene, and the control gallery in its states, each
// compared with its committed reference picture (tests/skin/references/<scene>.png).
#include "GUIButton.h"
#include "GUICombo.h"
#include "GUIDesktop.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIPopupMenu.h"
#include "GUIScrollBar.h"
#include "GUITab.h"
#include "GUITable.h"
#include "GUIView.h"
#include "GallerySetup.h"
#include "SkinTestSupport.h"

namespace {

GUIRect At(int32_t x, int32_t y, int32_t w, int32_t h) {
    return {x, x + w, y, y + h};
}

// A scene: its reference name, the desktop's size and what is put on it.
struct Scene {
    const char *name;
    int32_t width, height;
    void (*build)(GUIControl *desktop);
};

const Scene kScenes[] = {
    {"desktop", 120, 60, [](GUIControl *desktop) { GUIControlMark(desktop); }},
    {"button", 252, 80,
     [](GUIControl *desktop) {
         GUIRect place = At(8, 8, 0, 0);
         GUIButtonNew(desktop, &place, "Released");
         place = At(130, 8, 0, 0);
         reinterpret_cast<GUIButton *>(GUIButtonNew(desktop, &place, "Pushed"))->bPushed = 1;
         place = At(8, 44, 0, 0);
         GUIControlMark(GUIButtonNew(desktop, &place, "Marked"));
         place = At(130, 44, 0, 0);
         GUIControl *narrow = GUIButtonNew(desktop, &place, "Narrow and cut");
         GUIControlSetSize(narrow, 60, 20);
     }},
    {"edit", 240, 136,
     [](GUIControl *desktop) {
         GUIRect place = At(8, 8, 224, 28);
         reinterpret_cast<GUIEdit *>(GUIEditNew(desktop, &place, "Framed, centred"))->bFrame = 1;
         place = At(8, 40, 224, 28);
         auto *left = reinterpret_cast<GUIEdit *>(GUIEditNew(desktop, &place, "Framed, left"));
         left->bFrame = 1;
         left->bCentre = 0;
         place = At(8, 72, 224, 22);
         GUIControl *typing = GUIEditNew(desktop, &place, "typing");
         reinterpret_cast<GUIEdit *>(typing)->bEditable = 1;
         GUIEditEnableInput(typing);
         place = At(8, 102, 100, 28);
         auto *narrow = reinterpret_cast<GUIEdit *>(
             GUIEditNew(desktop, &place, "A text wider than its field"));
         narrow->bFrame = 1;
     }},
    {"list", 240, 100,
     [](GUIControl *desktop) {
         GUIRect place = At(4, 4, 112, 0);
         GUIControl *textured = GUIListNew(desktop, &place);
         place = At(124, 4, 112, 0);
         GUIControl *plain = GUIListNew(desktop, &place);
         reinterpret_cast<GUIList *>(plain)->bRowBackground = 0;
         for (GUIControl *list : {textured, plain}) {
             for (const char *row : {"Alpha", "Bravo", "Charlie", "Delta", "Echo"})
                 GUIListAdd(list, row);
             reinterpret_cast<GUIList *>(list)->iSelected = 1;
         }
     }},
    {"scrollbar", 240, 160,
     [](GUIControl *desktop) {
         GUIRect place = At(8, 8, 200, 20);
         GUIControl *horizontal = GUIScrollBarNew(desktop, &place, 0, 100, 0);
         GUIScrollBarSetPos(horizontal, 20, 55);
         place = At(8, 36, 200, 20);
         GUIControl *pushed = GUIScrollBarNew(desktop, &place, 0, 100, 0);
         GUIScrollBarSetPos(pushed, 60, 100);
         reinterpret_cast<GUIScrollBar *>(pushed)->oBackArrow.bPushed = 1;
         place = At(216, 8, 20, 144);
         GUIControl *vertical = GUIScrollBarNew(desktop, &place, 0, 100, 1);
         GUIScrollBarSetPos(vertical, 30, 70);
         reinterpret_cast<GUIScrollBar *>(vertical)->oForwardArrow.bPushed = 1;
         place = At(8, 64, 200, 20);
         GUIScrollBarNew(desktop, &place, 0, 100, 0);
     }},
    {"view", 240, 120,
     [](GUIControl *desktop) {
         GUIRect place = At(8, 8, 160, 104);
         GUIControl *view = GUIViewNew(desktop, &place);
         place = At(0, 0, 140, 0);
         GUIControl *list = GUIListNew(view->pChildHost, &place);
         for (int i = 0; i < 12; ++i)
             GUIListAdd(list, ("Row " + std::to_string(i)).c_str());
         GUIListSetSelection(list, 7);
         place = At(176, 8, 56, 56);
         GUIControlMark(GUIViewNew(desktop, &place));
     }},
    // Headers keep the button skin's size, so the third one is cut by the
    // table's edge; the first is marked.
    {"table", 280, 120,
     [](GUIControl *desktop) {
         GUIRect place = At(4, 4, 272, 112);
         GUIControl *table = GUITableNew(desktop, &place);
         for (const char *title : {"Name", "Players", "A long column title"})
             GUITableNewColumn(table, title, 80);
         for (int32_t cell = 0; cell < 9; ++cell)
             GUITableSetItem(table, cell / 3, cell % 3, ("Cell " + std::to_string(cell)).c_str());
         GUIControlMark(reinterpret_cast<GUIControl *>(
             GENArrayGetItem(&reinterpret_cast<GUITable *>(table)->aColumns, 0)));
     }},
    {"bitmap", 120, 60,
     [](GUIControl *desktop) {
         testsupport::ScopedWorkingDirectory disc(skintest::DiscFolder());
         GUIRect place = At(8, 8, 4, 4);
         GUIBitmapNew(desktop, &place, "_data/popuparrow_off.bmp");
         place = At(44, 8, 40, 20);
         GUIControl *missing = GUIBitmapNew(desktop, &place, "_data/no such picture.bmp");
         EXPECT_EQ(missing->pBackground, nullptr);
     }},
    // A tab control with three sheets, an open combo box and a pop-up menu; the
    // desktop is taller than the back buffer, which cuts the picture.
    {"overlays", 300, 250,
     [](GUIControl *desktop) {
         GUIRect place = At(8, 8, 170, 150);
         GUIControl *tab = GUITabNew(desktop, &place);
         for (const char *name : {"Games", "Tools", "About"}) {
             GUIRect button{8, 0, 8, 0};
             GUIButtonNew(GUITabAdd(tab, name), &button, name);
         }
         GUIEditSet(&reinterpret_cast<GUITab *>(tab)->oSelector.oEdit.oControl, "Tools");
         GUIControlMark(tab);
         place = At(186, 8, 106, 0);
         GUIControl *combo = GUIComboNew(desktop, &place, "Bravo");
         for (const char *row : {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"})
             GUIComboAdd(combo, row);
         GUIComboDrop(combo);
         place = At(4, 120, 100, 0);
         GUIControl *menu = GUIPopupMenuBind(desktop, &place);
         for (const char *item : {"New", "Delete", "Save", "Properties"})
             GUIPopupMenuAdd(menu, item);
         reinterpret_cast<GUIList *>(menu)->iSelected = 2;
     }},
};

using SkinReference = skintest::SkinTest;

TEST_F(SkinReference, EachSceneMatchesItsPicture) {
    for (const Scene &scene : kScenes) {
        SetUp();
        GUIControl *desktop = GUIDesktopNew(scene.width, scene.height);
        scene.build(desktop);
        GUIControlRedrawThis(desktop);
        EXPECT_TRUE(skintest::MatchesReference(scene.name, {0, scene.width, 0, scene.height}));
        TearDown();
    }
}

TEST_F(SkinReference, GalleryShowsEveryControlTypeInItsStates) {
    GfxAPIInit(nullptr, 800, 620);
    {
        testsupport::ScopedWorkingDirectory disc(skintest::DiscFolder());
        const testsupport::LoadResult loaded =
            testsupport::LoadScriptFile(testsupport::SourcePath("examples/gallery.scr"));
        ASSERT_NE(loaded.ctl, nullptr) << loaded.out;
    }
    EXPECT_TRUE(GallerySetStates());
    GUIControlRedrawThis(pGUIControlRoot);
    EXPECT_TRUE(skintest::MatchesReference("gallery", {0, 800, 0, 620}));
}

} // namespace
