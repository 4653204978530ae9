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

using skintest::At;

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
         GUIButtonNew(desktop, At(8, 8, 0, 0), "Released");
         auto *pushed =
             reinterpret_cast<GUIButton *>(GUIButtonNew(desktop, At(130, 8, 0, 0), "Pushed"));
         pushed->bPushed = 1;
         GUIControlMark(GUIButtonNew(desktop, At(8, 44, 0, 0), "Marked"));
         GUIControlSetSize(GUIButtonNew(desktop, At(130, 44, 0, 0), "Narrow and cut"), 60, 20);
     }},
    {"edit", 240, 136,
     [](GUIControl *desktop) {
         reinterpret_cast<GUIEdit *>(GUIEditNew(desktop, At(8, 8, 224, 28), "Framed, centred"))
             ->bFrame = 1;
         auto *left =
             reinterpret_cast<GUIEdit *>(GUIEditNew(desktop, At(8, 40, 224, 28), "Framed, left"));
         left->bFrame = 1;
         left->bCentre = 0;
         GUIControl *typing = GUIEditNew(desktop, At(8, 72, 224, 22), "typing");
         reinterpret_cast<GUIEdit *>(typing)->bEditable = 1;
         GUIEditEnableInput(typing);
         auto *narrow = reinterpret_cast<GUIEdit *>(
             GUIEditNew(desktop, At(8, 102, 100, 28), "A text wider than its field"));
         narrow->bFrame = 1;
     }},
    {"list", 240, 100,
     [](GUIControl *desktop) {
         GUIControl *textured = GUIListNew(desktop, At(4, 4, 112, 0));
         GUIControl *plain = GUIListNew(desktop, At(124, 4, 112, 0));
         reinterpret_cast<GUIList *>(plain)->bRowBackground = 0;
         for (GUIControl *list : {textured, plain}) {
             for (const char *row : {"Alpha", "Bravo", "Charlie", "Delta", "Echo"})
                 GUIListAdd(list, row);
             reinterpret_cast<GUIList *>(list)->iSelected = 1;
         }
     }},
    {"scrollbar", 240, 160,
     [](GUIControl *desktop) {
         GUIControl *horizontal = GUIScrollBarNew(desktop, At(8, 8, 200, 20), 0, 100, 0);
         GUIScrollBarSetPos(horizontal, 20, 55);
         GUIControl *pushed = GUIScrollBarNew(desktop, At(8, 36, 200, 20), 0, 100, 0);
         GUIScrollBarSetPos(pushed, 60, 100);
         reinterpret_cast<GUIScrollBar *>(pushed)->oBackArrow.bPushed = 1;
         GUIControl *vertical = GUIScrollBarNew(desktop, At(216, 8, 20, 144), 0, 100, 1);
         GUIScrollBarSetPos(vertical, 30, 70);
         reinterpret_cast<GUIScrollBar *>(vertical)->oForwardArrow.bPushed = 1;
         GUIScrollBarNew(desktop, At(8, 64, 200, 20), 0, 100, 0);
     }},
    {"view", 240, 120,
     [](GUIControl *desktop) {
         GUIControl *view = GUIViewNew(desktop, At(8, 8, 160, 104));
         GUIControl *list = GUIListNew(view->pChildHost, At(0, 0, 140, 0));
         for (int i = 0; i < 12; ++i)
             GUIListAdd(list, ("Row " + std::to_string(i)).c_str());
         GUIListSetSelection(list, 7);
         GUIControlMark(GUIViewNew(desktop, At(176, 8, 56, 56)));
     }},
    // Headers keep the button skin's size, so the third one is cut by the
    // table's edge; the first is marked.
    {"table", 280, 120,
     [](GUIControl *desktop) {
         GUIControl *table = GUITableNew(desktop, At(4, 4, 272, 112));
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
         GUIBitmapNew(desktop, At(8, 8, 4, 4), "_data/popuparrow_off.bmp");
         GUIBitmapNew(desktop, At(44, 8, 40, 20), "_data/no such picture.bmp");
     }},
    // A tab control with three sheets, an open combo box and a pop-up menu; the
    // desktop is taller than the back buffer, which cuts the picture.
    {"overlays", 300, 250,
     [](GUIControl *desktop) {
         GUIControl *tab = GUITabNew(desktop, At(8, 8, 170, 150));
         for (const char *name : {"Games", "Tools", "About"})
             GUIButtonNew(GUITabAdd(tab, name), At(8, 8, -8, -8), name);
         GUIEditSet(&reinterpret_cast<GUITab *>(tab)->oSelector.oEdit.oControl, "Tools");
         GUIControlMark(tab);
         GUIControl *combo = GUIComboNew(desktop, At(186, 8, 106, 0), "Bravo");
         for (const char *row : {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"})
             GUIComboAdd(combo, row);
         GUIComboDrop(combo);
         GUIControl *menu = GUIPopupMenuBind(desktop, At(4, 120, 100, 0));
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
