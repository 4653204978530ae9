// A pop-up menu bound to a control: placed on the root, highlight following
// the pointer, the chosen row reported to the control, gone after the update.
#include "ControlTestSupport.h"
#include "GUIPopupMenu.h"

using testsupport::eventsOf;
using testsupport::raisedEvents;

namespace {

using PopupMenu = testsupport::RootTest;

TEST_F(PopupMenu, ChosenRowReachesTheBoundControlAndTheMenuLeavesAtTheUpdate) {
    GUIControl target{};
    testsupport::makeControl(target, &root, {100, 200, 100, 200});
    for (const char *last : {"Save", "Close"}) {
        GUIRect rect{30, 110, 40, 100};
        auto *menu = reinterpret_cast<GUIPopupMenu *>(GUIPopupMenuBind(&target, &rect));
        GUIControl *ctl = &menu->oList.oControl;
        EXPECT_EQ(testsupport::rectOf(*ctl), (GUIRect{130, 210, 140, 200}));
        for (const char *item : {"New", "Delete", last, "Properties"})
            GUIPopupMenuAdd(ctl, item);
        EXPECT_EQ(ctl->pEventTarget, &target);

        GUIControlMouse(&root, 150, 165, 0, 0, 1);
        EXPECT_EQ(menu->oList.iSelected, 1) << "the highlight follows the pointer";
        raisedEvents().clear();
        press(150, 180);
        EXPECT_EQ(menu->iChosen, 2);
        EXPECT_STREQ(menu->szChosen, last);
        EXPECT_EQ(eventsOf(ctl),
                  (std::vector<int32_t>{GUI_EVENT_LIST_SELECTED, GUI_EVENT_MENU_CHOSEN,
                                        GUI_EVENT_LIST_CHOSEN}));
        EXPECT_EQ(target.pNext, ctl) << "still in the tree until the update";
        GUIControlUpdate();
        EXPECT_EQ(target.pNext, nullptr);
        EXPECT_STREQ(menu->szChosen, last) << "the dismissed record stays readable";
    }
    GUIControlRemove(&target);
}

} // namespace
