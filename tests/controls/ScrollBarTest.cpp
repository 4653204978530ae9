// Scroll bar: geometry of arrows and thumb, stepping, auto-repeat on timer
// ticks and thumb dragging.
#include "ControlTestSupport.h"
#include "GUIScrollBar.h"

using testsupport::rectOf;

namespace {

class ScrollBarTest : public testsupport::RootTest {
  protected:
    GUIScrollBar *makeBar(GUIRect rect, int32_t max, int32_t start, int32_t end) {
        GUIControl *bar = GUIScrollBarNew(&root, &rect, 0, max, 0);
        GUIScrollBarSetPos(bar, start, end);
        return reinterpret_cast<GUIScrollBar *>(bar);
    }
    // A horizontal bar at the root's origin, 200 x 20, range 0 to 100, window 0 to 25:
    // arrows 20 wide at x 0 and x 180, thumb from x 20 to x 60, rows 2 to 18.
    GUIScrollBar *standardBar() { return makeBar(GUIRect{0, 200, 0, 20}, 100, 0, 25); }
};

void expectWindow(const GUIScrollBar *bar, int32_t start, int32_t end) {
    EXPECT_EQ(bar->iPosStart, start);
    EXPECT_EQ(bar->iPosEnd, end);
}

// A bar too short for its arrows gives them its length and has no thumb.
TEST_F(ScrollBarTest, ArrowsStepByFifteenStopAtTheRangeEndsAndRepeatWhenHeld) {
    GUIScrollBar *shortBar = makeBar(GUIRect{0, 30, 40, 60}, 100, 0, 25);
    EXPECT_EQ(shortBar->iTrackLength, 0);
    EXPECT_EQ(rectOf(shortBar->oBackArrow.oControl), (GUIRect{0, 15, 0, 20}));
    EXPECT_EQ(rectOf(shortBar->oForwardArrow.oControl), (GUIRect{15, 30, 0, 20}));
    EXPECT_EQ(shortBar->oThumb.iLeft, 15);
    EXPECT_EQ(shortBar->oThumb.iWidth, 0);

    GUIScrollBar *bar = standardBar();
    GUIScrollBarSetPos(&bar->oControl, 5, 30);
    press(10, 10);
    release(10, 10);
    expectWindow(bar, 0, 25);
    GUIScrollBarSetPos(&bar->oControl, 80, 95);
    press(190, 10);
    release(190, 10);
    expectWindow(bar, 85, 100);
    EXPECT_EQ(rectOf(bar->oThumb), (GUIRect{156, 180, 2, 18}));
    EXPECT_EQ(count(&bar->oControl, GUI_EVENT_SCROLLBAR_CHANGED), 2);

    // A held arrow repeats after nine quiet ticks, until it is released.
    GUIScrollBarSetPos(&bar->oControl, 0, 25);
    press(190, 10);
    expectWindow(bar, 15, 40);
    ticks(9);
    expectWindow(bar, 15, 40);
    ticks(2);
    expectWindow(bar, 45, 70);
    release(190, 10);
    ticks(20);
    expectWindow(bar, 45, 70);
}

TEST_F(ScrollBarTest, ThumbDragCarriesTheRemainderStopsAtTheEndsAndEndsWhenThePointerStrays) {
    GUIScrollBar *bar = standardBar();
    press(30, 10); // 10 pixels into the thumb

    // One pixel is 100 / 160 of a unit: no single move is worth a unit, but
    // 16 moves of one pixel add up to 10 units and the thumb stays under the pointer.
    for (int32_t x = 31; x <= 46; ++x)
        dragTo(x, 10);
    expectWindow(bar, 10, 35);
    EXPECT_EQ(bar->oThumb.iLeft, 36);
    EXPECT_EQ(count(&bar->oControl, GUI_EVENT_SCROLLBAR_CHANGED), 10);
    dragTo(300, 10);
    expectWindow(bar, 75, 100);
    dragTo(-100, 10);
    expectWindow(bar, 0, 25);

    // The thumb's rows are 2 to 18; in its coordinates the pointer may go from
    // -32 to 20 + 32 = 52 across.
    dragTo(40, 54); // 52 in the thumb
    expectWindow(bar, 6, 31);
    dragTo(50, 55); // 53: dropped where it is
    dragTo(60, 10); // a dropped drag does not resume
    expectWindow(bar, 6, 31);
    release(60, 10);
}

} // namespace
