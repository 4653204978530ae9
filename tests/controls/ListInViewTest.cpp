// A scripted list inside a view: the selected row kept visible through the
// pane, scrolled by keys and by the bar, and drawn.
#include <string>

#include "ControlTestSupport.h"
#include "GUIList.h"
#include "GUIView.h"

using testsupport::eventsOf;
using testsupport::Pixel;
using testsupport::raisedEvents;

namespace {

using ListInView = testsupport::RootTest;

GUIList *asList(GUIControl *ctl) {
    return reinterpret_cast<GUIList *>(ctl);
}

// Stands in for the skin: the selected row as a grey box, the others black,
// and every row's text.
void paintRows(GUIControl *ctl, GUIRect *rect) {
    static GfxFont *font = GfxAPICreateFont("DejaVu Sans", 13);
    static uint32_t blackPixel = 0;
    static GfxSurface black{&blackPixel, 1, 1, nullptr, 0, 0};
    const int32_t h = asList(ctl)->iItemHeight;
    for (int32_t row = rect->iTop / h; row <= (rect->iBottom - 1) / h; ++row) {
        GUIRect r{0, ctl->iWidth, row * h, row * h + h};
        if (row == asList(ctl)->iSelected)
            GUIControlBox(ctl, &r, 0);
        else
            GUIControlBlit(ctl, &black, &r, 0, 0);
        GUIControlText(ctl, GUIListGet(ctl, row), &r, -4, -1, font, GFX_WHITE);
    }
}

TEST_F(ListInView, ScriptedListIsScrolledBySelectionKeysAndBarAndDrawn) {
    testsupport::ScratchDir dir;
    const std::string path =
        dir.Write("list_in_view.scr", "View[10,10,200,160]\r\n{\r\n"
                                      "\tList[0,0,184,0] \"games\";\r\n};\r\n");
    GUIControl *loaded = testsupport::LoadScriptFile(path, &root).ctl;
    ASSERT_NE(loaded, nullptr);
    auto *view = reinterpret_cast<GUIView *>(loaded);
    GUIControl *list = GUIControlGetByID(nullptr, "games");
    ASSERT_NE(list, nullptr);
    list->Draw = paintRows;
    EXPECT_TRUE(view->oVScroll.oControl.bHidden);
    for (int i = 0; i < 100; ++i) {
        GUIListAdd(list, ("Game " + std::to_string(i)).c_str());
        GUIListSetData(list, static_cast<uintptr_t>(1000 + i), i);
    }
    EXPECT_FALSE(view->oVScroll.oControl.bHidden) << "the growing list brings the bar up";
    EXPECT_TRUE(view->oHScroll.oControl.bHidden);

    // The pane shows 160 pixels, ten rows, beside the bar.
    GUIListSetSelection(list, 30);
    EXPECT_EQ(view->oPane.iScrollY, 336) << "row 30 becomes the last visible row";
    EXPECT_EQ(view->oVScroll.iPosEnd, 496);
    GUIListSetSelection(list, 5);
    EXPECT_EQ(view->oPane.iScrollY, 80) << "row 5 becomes the first visible row";

    for (int i = 0; i < 11; ++i)
        GUIControlShareKey(&root, GUI_KEY_PAGE_DOWN, 0);
    EXPECT_EQ(asList(list)->iSelected, 99);
    EXPECT_EQ(view->oPane.iScrollY, 1440);

    // The bar's back arrow sits at the top of the bar, root (194..210, 10..26).
    raisedEvents().clear();
    press(200, 15);
    release(200, 15);
    EXPECT_EQ(view->oPane.iScrollY, 1425);
    EXPECT_EQ(eventsOf(loaded), std::vector<int32_t>{GUI_EVENT_VIEW_SCROLLED});
    EXPECT_EQ(GUIListGetData(list, asList(list)->iSelected), 1099u) << "the selection stays";

    GUIListSetSelection(list, 57);
    EXPECT_EQ(view->oPane.iScrollY, 57 * 16);
    GUIControlRedrawThis(&root);
    testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/ListInView.png");
    // Row 57 is the first visible one: root y 10..26, boxed across the pane.
    EXPECT_EQ(Pixel(11, 10), static_cast<uint32_t>(GFX_BOX_COLOUR));
    EXPECT_NE(Pixel(11, 27), static_cast<uint32_t>(GFX_BOX_COLOUR));
    EXPECT_NE(Pixel(194, 20), static_cast<uint32_t>(GFX_BOX_COLOUR)) << "the bar is not the list";
}

} // namespace
