// The check box's toggle, the progress bar's clamping and the separator's
// proportional layout and gap dragging.
#include "ControlTestSupport.h"
#include "GUICheck.h"
#include "GUIProgress.h"
#include "GUISeparator.h"

using testsupport::rectOf;

namespace {

using SimpleTypes = testsupport::RootTest;

TEST_F(SimpleTypes, CheckBoxTogglesOnThePressOnlyAndProgressIsClamped) {
    GUIRect rect{10, 210, 10, 42};
    auto *check = reinterpret_cast<GUICheck *>(GUICheckNew(&root, &rect, "Sound"));
    ASSERT_EQ(check->bChecked, 1);
    press(150, 20); // on the caption, well right of the image
    EXPECT_EQ(check->bChecked, 0);
    release(150, 20);
    EXPECT_EQ(check->bChecked, 0);
    press(12, 12);
    press(300, 100); // outside
    EXPECT_EQ(check->bChecked, 1);
    EXPECT_EQ(count(&check->oControl, GUI_EVENT_CHECK_CHANGED), 2);

    // The progress bar's position stays between zero and the maximum.
    GUIRect barRect{10, 160, 50, 74};
    GUIControl *bar = GUIProgressNew(&root, &barRect);
    auto *progress = reinterpret_cast<GUIProgress *>(bar);
    GUIProgressSet(bar, 40);
    EXPECT_EQ(progress->iPos, 0) << "no maximum yet";
    progress->iMax = 100;
    GUIProgressSet(bar, 150);
    EXPECT_EQ(progress->iPos, 100);
    GUIProgressSet(bar, -5);
    EXPECT_EQ(progress->iPos, 0);
    resetRecords();
    GUIProgressSet(bar, -1);
    EXPECT_TRUE(shown.empty()) << "the same position repaints nothing";
}

// A separator at (4, 8) of 412 x 50 with children 100, 100 and 200 wide
// shares its width in proportion; a gap is grabbed from both its edges.
TEST_F(SimpleTypes, SeparatorSharesItsWidthGrabsGapsInclusivelyAndDragsKeepTheTotal) {
    GUIRect rect{4, 416, 8, 58};
    GUIControl *separator = GUISeparatorNew(&root, &rect, 0);
    GUIControl children[3]{};
    GUIRect childRect{0, 10, 0, 10};
    for (GUIControl &child : children)
        GUIControlInit(&child, separator, &childRect);
    for (int i = 0; i < 3; ++i) // each addition laid them out again
        GUIControlSetSize(&children[i], i == 2 ? 200 : 100, 10);
    GUISeparatorLayout(separator);
    EXPECT_EQ(rectOf(children[0]), (GUIRect{0, 101, 0, 50}));
    EXPECT_EQ(rectOf(children[1]), (GUIRect{105, 206, 0, 50}));
    EXPECT_EQ(rectOf(children[2]), (GUIRect{210, 412, 0, 50}));
    auto *state = reinterpret_cast<GUISeparator *>(separator);
    struct Grab {
        int32_t x;
        GUIControl *child;
    };
    for (Grab g : {Grab{101, &children[0]}, Grab{105, &children[0]}, Grab{100, nullptr},
                   Grab{106, nullptr}, Grab{206, &children[1]}, Grab{412, nullptr}}) {
        state->bDragging = 0;
        // Straight to the separator: at iRight + iGap the next child would take the hit.
        separator->Mouse(separator, g.x, 20, GUI_MOUSE_LEFT, GUI_MOUSE_LEFT, 1);
        EXPECT_EQ(state->bDragging ? state->pDragChild : nullptr, g.child) << g.x;
    }

    press(4 + 103, 20);
    dragTo(4 + 113, 200); // the drag goes on off the separator
    release(4 + 113, 200);
    dragTo(4 + 150, 20);
    EXPECT_EQ(rectOf(children[0]), (GUIRect{0, 111, 0, 50}));
    EXPECT_EQ(rectOf(children[1]), (GUIRect{115, 206, 0, 50}));
    EXPECT_EQ(rectOf(children[2]), (GUIRect{210, 412, 0, 50}));
    GUIControlSetSize(separator, 824, 50);
    EXPECT_NEAR(children[0].iWidth + children[1].iWidth + children[2].iWidth, 824 - 8 - 1, 1)
        << "shared out again in the dragged proportions, up to rounding";
    GUIControlDestroy(separator); // before its children leave the stack
}

} // namespace
