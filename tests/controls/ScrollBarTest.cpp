// Scroll bar: geometry of arrows and thumb, stepping, auto-repeat on timer
// ticks, thumb dragging and the script constructor.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "GUIScript.h"
#include "GUIScrollBar.h"
#include "ScrollViewFixture.h"

using controltest::rectOf;

namespace {

class ScrollBarTest : public controltest::ControlTest {
  protected:
    GUIScrollBar *makeBar(GUIRect rect, int32_t min, int32_t max, uint8_t vertical) {
        return reinterpret_cast<GUIScrollBar *>(GUIScrollBarNew(&root, &rect, min, max, vertical));
    }

    // A horizontal bar at the root's origin, 200 x 20, range 0 to 100, window 0 to 25:
    // arrows 20 wide at x 0 and x 180, thumb from x 20 to x 60, rows 2 to 18.
    GUIScrollBar *standardBar() {
        GUIScrollBar *bar = makeBar(GUIRect{0, 200, 0, 20}, 0, 100, 0);
        GUIScrollBarSetPos(&bar->oControl, 0, 25);
        return bar;
    }

    void moveTo(int32_t x, int32_t y) { GUIControlMouse(&root, x, y, 0, 0, 1); }

    static int changes(GUIScrollBar *bar) {
        return count(&bar->oControl, GUI_EVENT_SCROLLBAR_CHANGED);
    }
};

void expectWindow(const GUIScrollBar *bar, int32_t start, int32_t end) {
    EXPECT_EQ(bar->iPosStart, start);
    EXPECT_EQ(bar->iPosEnd, end);
}

TEST_F(ScrollBarTest, HorizontalBarShowsItsWindowOnTheTrack) {
    GUIScrollBar *bar = standardBar();
    EXPECT_EQ(bar->iTrackLength, 160);
    EXPECT_EQ(rectOf(bar->oBackArrow.oControl), (GUIRect{0, 20, 0, 20}));
    EXPECT_EQ(rectOf(bar->oForwardArrow.oControl), (GUIRect{180, 200, 0, 20}));
    EXPECT_EQ(rectOf(bar->oThumb), (GUIRect{20, 60, 2, 18}));

    // The parts are the bar's children, thumb first, and belong to it.
    EXPECT_EQ(bar->oControl.pFirstChild, &bar->oThumb);
    EXPECT_EQ(bar->oThumb.pNext, &bar->oBackArrow.oControl);
    EXPECT_EQ(bar->oBackArrow.oControl.pNext, &bar->oForwardArrow.oControl);
    for (GUIControl *part = bar->oControl.pFirstChild; part; part = part->pNext) {
        EXPECT_TRUE(part->bPartOfParent);
        EXPECT_FALSE(part->bAllocated);
        EXPECT_EQ(part->pEventTarget, &bar->oControl);
    }

    // An empty range puts an empty thumb at the start of the track.
    GUIScrollBarSetRange(&bar->oControl, 50, 50);
    EXPECT_EQ(rectOf(bar->oThumb), (GUIRect{20, 20, 2, 18}));
}

TEST_F(ScrollBarTest, VerticalBarSwapsTheAxes) {
    GUIScrollBar *bar = makeBar(GUIRect{300, 320, 10, 210}, 0, 100, 1);
    GUIScrollBarSetPos(&bar->oControl, 50, 75);
    EXPECT_EQ(bar->iTrackLength, 160);
    EXPECT_EQ(rectOf(bar->oBackArrow.oControl), (GUIRect{0, 20, 0, 20}));
    EXPECT_EQ(rectOf(bar->oForwardArrow.oControl), (GUIRect{0, 20, 180, 200}));
    EXPECT_EQ(rectOf(bar->oThumb), (GUIRect{2, 18, 100, 140}));

    // A thinner thumb, as the skin sets, is centred at the next recalculation.
    bar->iThumbThickness = 19;
    GUIScrollBarRecalc(&bar->oControl);
    EXPECT_EQ(rectOf(bar->oThumb), (GUIRect{0, 19, 100, 140}));
}

TEST_F(ScrollBarTest, ResizingTheBarLaysItOutAgain) {
    GUIScrollBar *bar = standardBar();
    GUIControlSetSize(&bar->oControl, 120, 20);
    EXPECT_EQ(bar->iTrackLength, 80);
    EXPECT_EQ(rectOf(bar->oForwardArrow.oControl), (GUIRect{100, 120, 0, 20}));
    EXPECT_EQ(rectOf(bar->oThumb), (GUIRect{20, 40, 2, 18}));
}

TEST_F(ScrollBarTest, ShortBarGivesItsLengthToTheArrowsAndCannotBeDragged) {
    GUIScrollBar *bar = makeBar(GUIRect{0, 30, 0, 20}, 0, 100, 0);
    GUIScrollBarSetPos(&bar->oControl, 0, 25);
    EXPECT_EQ(bar->iTrackLength, 0);
    EXPECT_EQ(rectOf(bar->oBackArrow.oControl), (GUIRect{0, 15, 0, 20}));
    EXPECT_EQ(rectOf(bar->oForwardArrow.oControl), (GUIRect{15, 30, 0, 20}));
    EXPECT_EQ(rectOf(bar->oThumb).iLeft, 15);
    EXPECT_EQ(bar->oThumb.iWidth, 0);

    // The empty thumb cannot be hit, so drive it directly.
    GUIControl *thumb = &bar->oThumb;
    thumb->Mouse(thumb, 0, 5, kLeft, kLeft, 1);
    thumb->Mouse(thumb, 40, 5, kLeft, 0, 0);
    expectWindow(bar, 0, 25);
    EXPECT_EQ(changes(bar), 0);
}

TEST_F(ScrollBarTest, ArrowsStepByFifteenAndStopAtTheRangeEnds) {
    GUIScrollBar *bar = standardBar();
    GUIControl *back = &bar->oBackArrow.oControl;
    GUIControl *forward = &bar->oForwardArrow.oControl;

    GUIScrollBarSetPos(&bar->oControl, 5, 30);
    press(10, 10);
    release(10, 10);
    expectWindow(bar, 0, 25);

    GUIScrollBarSetPos(&bar->oControl, 80, 95);
    press(190, 10);
    release(190, 10);
    expectWindow(bar, 85, 100);
    EXPECT_EQ(rectOf(bar->oThumb), (GUIRect{156, 180, 2, 18}));

    // Each press moved the window once; presses and releases stay inside the
    // bar, the clicks travel on.
    EXPECT_EQ(changes(bar), 2);
    EXPECT_EQ(count(back, GUI_EVENT_BUTTON_DOWN) + count(back, GUI_EVENT_BUTTON_UP), 0);
    EXPECT_EQ(count(forward, GUI_EVENT_BUTTON_DOWN) + count(forward, GUI_EVENT_BUTTON_UP), 0);
    EXPECT_EQ(count(back, GUI_EVENT_BUTTON_CLICKED), 1);
    EXPECT_EQ(count(forward, GUI_EVENT_BUTTON_CLICKED), 1);
}

TEST_F(ScrollBarTest, HeldArrowRepeatsAfterNineQuietTicks) {
    GUIScrollBar *bar = makeBar(GUIRect{0, 200, 0, 20}, 0, 1000, 0);
    GUIScrollBarSetPos(&bar->oControl, 0, 100);
    press(190, 10);
    expectWindow(bar, 15, 115);

    ticks(9);
    expectWindow(bar, 15, 115);
    ticks(1);
    expectWindow(bar, 30, 130);
    ticks(1);
    expectWindow(bar, 45, 145);

    release(190, 10);
    ticks(20);
    expectWindow(bar, 45, 145);
    EXPECT_EQ(changes(bar), 3);

    // The back arrow keeps its own counter.
    press(10, 10);
    ticks(10);
    release(10, 10);
    expectWindow(bar, 15, 115);
}

TEST_F(ScrollBarTest, LeavingAHeldArrowStopsTheRepeatAndComingBackRestartsIt) {
    GUIScrollBar *bar = makeBar(GUIRect{0, 200, 0, 20}, 0, 1000, 0);
    GUIScrollBarSetPos(&bar->oControl, 0, 100);
    press(190, 10);
    ticks(10);
    expectWindow(bar, 30, 130);

    dragTo(190, 60);
    ticks(15);
    expectWindow(bar, 30, 130);

    dragTo(190, 10);
    expectWindow(bar, 45, 145);
    ticks(9);
    expectWindow(bar, 45, 145);
    ticks(1);
    expectWindow(bar, 60, 160);
    release(190, 10);
}

TEST_F(ScrollBarTest, ThumbDragCarriesTheRemainderBetweenMoves) {
    GUIScrollBar *bar = standardBar();
    press(30, 10); // 10 pixels into the thumb

    // One pixel is 100 / 160 of a unit: no single move is worth a unit, but
    // 16 moves of one pixel add up to 10 units and the thumb stays under the pointer.
    for (int32_t x = 31; x <= 46; ++x)
        dragTo(x, 10);
    expectWindow(bar, 10, 35);
    EXPECT_EQ(bar->oThumb.iLeft, 36);
    EXPECT_EQ(changes(bar), 10);

    release(46, 10);
    moveTo(100, 10);
    expectWindow(bar, 10, 35);
    EXPECT_FALSE(bar->bDragging);
}

TEST_F(ScrollBarTest, ThumbDragStopsAtTheRangeEndsKeepingTheWindowLength) {
    GUIScrollBar *bar = standardBar();
    press(30, 10);
    dragTo(300, 10);
    expectWindow(bar, 75, 100);
    dragTo(-100, 10);
    expectWindow(bar, 0, 25);
    release(-100, 10);
}

TEST_F(ScrollBarTest, DragIsDroppedWhenThePointerStraysAcrossTheBar) {
    GUIScrollBar *bar = standardBar();
    // The thumb's rows are 2 to 18; in its coordinates the pointer may go from
    // -32 to 20 + 32 = 52 across.
    press(30, 10);
    dragTo(40, 54); // 52 in the thumb
    expectWindow(bar, 6, 31);
    dragTo(50, 55); // 53: dropped where it is
    expectWindow(bar, 6, 31);
    EXPECT_FALSE(bar->bDragging);
    dragTo(60, 10); // a dropped drag does not resume
    expectWindow(bar, 6, 31);
    release(60, 10);

    ASSERT_EQ(bar->oThumb.iLeft, 29);
    press(40, 10);
    dragTo(50, -30); // -32 in the thumb
    expectWindow(bar, 12, 37);
    dragTo(60, -31); // -33
    expectWindow(bar, 12, 37);
    EXPECT_FALSE(bar->bDragging);
    release(60, -31);
}

class ScrollBarScriptTest : public ScrollBarTest {
  protected:
    GUIControl *fromScript(const char *text, GUIRect rect) {
        source = text;
        GUIScriptReader reader{source.data(), source.data(), source.data() + source.size(), 1};
        GUIControlScriptArgs args{};
        args.oRect = rect;
        std::strcpy(args.szType, "ScrollBar");
        return GUIScrollBarFromScript(&root, &reader, &args);
    }
    std::string source;
};

TEST_F(ScrollBarScriptTest, ScriptBarHasAFullWindowInRangeZeroToHundred) {
    auto *bar =
        reinterpret_cast<GUIScrollBar *>(fromScript("(Horizontal)", GUIRect{0, 200, 0, 20}));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->oControl.pType, &sGUIScrollBarType);
    EXPECT_TRUE(bar->oControl.bAllocated);
    EXPECT_EQ(count(&bar->oControl, GUI_EVENT_CREATED), 1);
    EXPECT_FALSE(bar->bVertical);
    EXPECT_EQ(bar->iMin, 0);
    EXPECT_EQ(bar->iMax, 100);
    expectWindow(bar, 0, 100);
    EXPECT_EQ(rectOf(bar->oThumb), (GUIRect{20, 180, 2, 18}));

    auto *vertical =
        reinterpret_cast<GUIScrollBar *>(fromScript(" ( \"Vertical\" ) ", GUIRect{0, 20, 0, 200}));
    ASSERT_NE(vertical, nullptr);
    EXPECT_TRUE(vertical->bVertical);
}

TEST_F(ScrollBarScriptTest, ScriptOrientationMustBeExact) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(fromScript("(vertical)", GUIRect{0, 20, 0, 200}), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    testing::internal::CaptureStdout();
    EXPECT_EQ(fromScript("(Vertical;", GUIRect{0, 20, 0, 200}), nullptr);
    EXPECT_EQ(fromScript("Vertical)", GUIRect{0, 20, 0, 200}), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Script error in line 1\nScript error in line 1\n");
    EXPECT_EQ(root.pFirstChild, nullptr);
}

TEST(ScrollBarType, RegistryReachesScrollBarBeforeView) {
    int scrollBarAt = -1;
    int viewAt = -1;
    int i = 0;
    for (GUIControlType *type = pGUIControlTypeHead; type; type = type->pNext, ++i) {
        if (type == &sGUIScrollBarType)
            scrollBarAt = i;
        if (std::strcmp(type->pszName, "View") == 0)
            viewAt = i;
    }
    EXPECT_GE(scrollBarAt, 0);
    EXPECT_GT(viewAt, scrollBarAt);
    EXPECT_STREQ(sGUIScrollBarType.pszName, "ScrollBar");
    EXPECT_EQ(sGUIScrollBarType.FromScript, GUIScrollBarFromScript);
}

} // namespace
