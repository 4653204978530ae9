// The control gallery: examples/gallery.scr loaded with the skin, its states
// set by identifier, and the whole picture compared with its reference.
#include <filesystem>

#include "GUIButton.h"
#include "GUICheck.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIProgress.h"
#include "GUIScrollBar.h"
#include "GUISeparator.h"
#include "SkinTestSupport.h"

namespace {

GUIControl *ByID(const char *id) {
    GUIControl *ctl = GUIControlGetByID(nullptr, id);
    EXPECT_NE(ctl, nullptr) << id;
    return ctl;
}

template <typename Record> Record *Get(const char *id) {
    return reinterpret_cast<Record *>(ByID(id));
}

void AddRows(const char *id, std::initializer_list<const char *> rows) {
    for (const char *row : rows)
        GUIListAdd(ByID(id), row);
}

void SetProgress(const char *id, int32_t pos, bool text) {
    Get<GUIProgress>(id)->iMax = 100;
    Get<GUIProgress>(id)->bShowText = text;
    GUIProgressSet(ByID(id), pos);
}

// The states a script cannot express.
void SetGalleryStates() {
    Get<GUIButton>("pushed")->bPushed = 1;
    Get<GUICheck>("unchecked")->bChecked = 0;
    SetProgress("progress0", 0, true);
    SetProgress("progress50", 50, true);
    SetProgress("progress100", 100, true);
    SetProgress("progressplain", 50, false);
    Get<GUIEdit>("framed")->bFrame = 1;
    Get<GUIEdit>("typing")->bFrame = 1;
    Get<GUIEdit>("typing")->bEditable = 1;
    GUIEditEnableInput(ByID("typing"));
    AddRows("sepleft", {"Left", "of three"});
    AddRows("sepmiddle", {"Middle"});
    AddRows("sepright", {"Right"});
    // Each child added while loading re-shared the width; equal shares read better.
    for (const char *id : {"sepleft", "sepmiddle", "sepright"})
        GUIControlSetSize(ByID(id), 100, 96);
    GUISeparatorLayout(ByID("separator"));
    for (int i = 1; i <= 20; ++i)
        GUIListAdd(ByID("list"), ("Row " + std::to_string(i)).c_str());
    GUIListSetSelection(ByID("list"), 14);
    GUIScrollBarSetPos(ByID("hbar"), 30, 60);
}

using Gallery = skintest::SkinTest;

TEST_F(Gallery, ShowsEveryControlTypeInItsStates) {
    GfxAPIInit(nullptr, 800, 620);
    {
        skintest::InDiscFolder disc;
        const testsupport::LoadResult loaded =
            testsupport::LoadScriptFile(testsupport::SourcePath("examples/gallery.scr"));
        ASSERT_NE(loaded.ctl, nullptr) << loaded.out;
    }
    SetGalleryStates();
    GUIControlRedrawThis(pGUIControlRoot);
    EXPECT_TRUE(skintest::MatchesReference("gallery", {0, 800, 0, 620}));
}

} // namespace
