// A scripted list inside a view: the selected row kept visible through the
// pane, scrolled by the bar.
#include <string>

#include "ControlTestSupport.h"
#include "GUIList.h"
#include "GUIView.h"

using testsupport::eventsOf;
using testsupport::raisedEvents;

namespace {

using ListInView = testsupport::RootTest;

TEST_F(ListInView, ScriptedListIsScrolledBySelectionAndBar) {
    testsupport::ScratchDir dir;
    const std::string path =
        dir.Write("list_in_view.scr", "View[10,10,200,160]\r\n{\r\n"
                                      "\tList[0,0,184,0] \"games\";\r\n};\r\n");
    GUIControl *loaded = testsupport::LoadScriptFile(path, &root).ctl;
    ASSERT_NE(loaded, nullptr);
    auto *view = reinterpret_cast<GUIView *>(loaded);
    GUIControl *list = GUIControlGetByID(nullptr, "games");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(view->oVScroll.oControl.bHidden);
    for (int i = 0; i < 100; ++i)
        GUIListAdd(list, ("Game " + std::to_string(i)).c_str());
    EXPECT_FALSE(view->oVScroll.oControl.bHidden) << "the growing list brings the bar up";
    EXPECT_TRUE(view->oHScroll.oControl.bHidden);

    // The pane shows 160 pixels, ten rows, beside the bar.
    GUIListSetSelection(list, 30);
    EXPECT_EQ(view->oPane.iScrollY, 336) << "row 30 becomes the last visible row";
    EXPECT_EQ(view->oVScroll.iPosEnd, 496);
    GUIListSetSelection(list, 5);
    EXPECT_EQ(view->oPane.iScrollY, 80) << "row 5 becomes the first visible row";

    // The bar's back arrow sits at the top of the bar, root (194..210, 10..26).
    raisedEvents().clear();
    press(200, 15);
    release(200, 15);
    EXPECT_EQ(view->oPane.iScrollY, 65);
    EXPECT_EQ(eventsOf(loaded), std::vector<int32_t>{GUI_EVENT_VIEW_SCROLLED});
    EXPECT_EQ(reinterpret_cast<GUIList *>(list)->iSelected, 5) << "the selection stays";
}

} // namespace
