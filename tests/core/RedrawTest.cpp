// Repainting through the tree: clipping, scrolled parents, anchored blits and
// text when their left or top is cut, suppressed drawing, hidden subtrees and
// pruning of children outside the repainted rectangle.
#include <algorithm>
#include <vector>

#include "CoreTestSupport.h"

using coretest::clipOf;
using coretest::CoordSurface;
using coretest::drawCalls;
using coretest::makeControl;
using coretest::SolidSurface;
using coretest::wasDrawn;
using testsupport::Pixel;

namespace {

constexpr uint32_t kRootColour = 0x102030;
constexpr uint32_t kParentColour = 0x405060;
constexpr uint32_t kChildColour = 0x708090;
constexpr uint32_t kWhite = 0xffffff;

class Redraw : public coretest::Screen {
  protected:
    SolidSurface rootFill{kRootColour};
    SolidSurface parentFill{kParentColour};
    SolidSurface childFill{kChildColour};
    GUIControl root{};
    GUIControl parent{};
    GUIControl child{};

    // A root covering the buffer and a 60 x 40 parent at (20, 20).
    void makeRootAndParent() {
        makeControl(root, nullptr, {0, kWidth, 0, kHeight}, &rootFill.surface);
        makeControl(parent, &root, {20, 80, 20, 60}, &parentFill.surface);
    }
};

TEST_F(Redraw, ChildReachingOutOfItsParentIsPaintedOnlyInsideIt) {
    // The root's own position does not move anything: its coordinates are the buffer's.
    makeControl(root, nullptr, {5, 5 + kWidth, 7, 7 + kHeight}, &rootFill.surface);
    makeControl(parent, &root, {20, 80, 20, 60}, &parentFill.surface);
    makeControl(child, &parent, {40, 100, 10, 30}, &childFill.surface);
    GUIControl outside{};
    makeControl(outside, &parent, {70, 90, 0, 10}, &childFill.surface);

    GUIControlRedrawThis(&root);

    EXPECT_EQ(Pixel(0, 0), kRootColour);
    EXPECT_EQ(Pixel(59, 30), kParentColour);
    EXPECT_EQ(Pixel(60, 30), kChildColour);
    EXPECT_EQ(Pixel(79, 49), kChildColour);
    EXPECT_EQ(Pixel(80, 40), kRootColour);
    EXPECT_EQ(clipOf(child), (GUIRect{0, 20, 0, 20}));
    EXPECT_FALSE(wasDrawn(outside));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (GUIRect{0, kWidth, 0, kHeight}));
}

TEST_F(Redraw, ScrolledParentShowsContentShiftedAndCut) {
    makeRootAndParent();
    parent.iScrollX = 10;
    CoordSurface texture(40, 10);
    makeControl(child, &parent, {0, 30, 0, 10}, &texture.surface);

    GUIControlRedrawThis(&root);

    // Content x 10 sits at the parent's own x 0; the child's first 10 columns are cut.
    EXPECT_EQ(clipOf(child), (GUIRect{10, 30, 0, 10}));
    EXPECT_EQ(Pixel(20, 20), CoordSurface::at(10, 0));
    EXPECT_EQ(Pixel(39, 29), CoordSurface::at(29, 9));
    EXPECT_EQ(Pixel(40, 20), kParentColour);
}

TEST_F(Redraw, BlitStaysAnchoredWhenCutAtSeveralLevels) {
    makeControl(root, nullptr, {0, kWidth, 0, kHeight}, &rootFill.surface);
    makeControl(parent, &root, {-3, 57, 10, 50}, &parentFill.surface);
    CoordSurface texture(30, 20);
    makeControl(child, &parent, {-5, 25, -4, 16}, &texture.surface);

    GUIControlRedrawThis(&root);

    // The root cuts 3 columns of the parent, the parent 5 columns and 4 rows of the child.
    for (int32_t y = 10; y < 26; ++y)
        for (int32_t x = 0; x < 22; ++x)
            ASSERT_EQ(Pixel(x, y), CoordSurface::at(x + 8, y - 10 + 4)) << x << "," << y;
    EXPECT_EQ(Pixel(22, 10), kParentColour);
    EXPECT_EQ(Pixel(0, 26), kParentColour);
}

GfxFont *testFont() {
    static GfxFont *font = GfxAPICreateFont("DejaVu Sans", 16);
    return font;
}

const char kSample[] = "Quelmara";

void drawCutText(GUIControl *self, GUIRect *) {
    GUIRect r{-3, 107, -2, 28};
    GUIControlText(self, kSample, &r, 0, 0, testFont(), kWhite);
}

TEST_F(Redraw, TextKeepsItsGlyphsInPlaceWhenLeftAndTopAreCut) {
    ASSERT_NE(testFont(), nullptr);
    GUIRect uncut{37, 147, 38, 68};
    GfxAPIText(kSample, &uncut, 0, 0, testFont(), kWhite);
    const std::vector<uint32_t> reference(pGfxBackBuffer, pGfxBackBuffer + kWidth * kHeight);
    GfxAPIInit(nullptr, kWidth, kHeight);

    makeControl(root, nullptr, {0, kWidth, 0, kHeight});
    makeControl(parent, &root, {40, 150, 40, 70});
    parent.Draw = drawCutText;
    GUIControlRedrawThis(&root);

    bool inkInside = false;
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
            const uint32_t expected =
                x >= 40 && y >= 40 ? reference[static_cast<size_t>(y) * kWidth + x] : 0u;
            ASSERT_EQ(Pixel(x, y), expected) << x << "," << y;
            inkInside = inkInside || expected != 0;
        }
    }
    EXPECT_TRUE(inkInside);
}

TEST_F(Redraw, NoDrawOnAnAncestorSuppressesItsDescendants) {
    makeRootAndParent();
    makeControl(child, &parent, {10, 30, 10, 30}, &childFill.surface);
    parent.bNoDraw = 1;

    GUIControlRedrawThis(&root);

    EXPECT_TRUE(wasDrawn(child));
    EXPECT_EQ(Pixel(25, 25), kRootColour);
    EXPECT_EQ(Pixel(35, 35), kRootColour);

    GUIRect box{0, 20, 0, 20};
    GUIControlBox(&child, &box, 0);
    EXPECT_EQ(Pixel(35, 35), kRootColour);
    parent.bNoDraw = 0;
    GUIControlBox(&child, &box, 0);
    EXPECT_EQ(Pixel(35, 35), uint32_t{GFX_BOX_COLOUR});
    EXPECT_EQ(Pixel(29, 29), kRootColour);
}

TEST_F(Redraw, HiddenParentHidesItsWholeSubtree) {
    makeRootAndParent();
    makeControl(child, &parent, {10, 30, 10, 30}, &childFill.surface);
    parent.bHidden = 1;

    GUIControlRedrawThis(&root);

    EXPECT_FALSE(wasDrawn(parent));
    EXPECT_FALSE(wasDrawn(child));
    EXPECT_EQ(Pixel(35, 35), kRootColour);
}

TEST_F(Redraw, RepaintVisitsOnlyChildrenThatMeetTheRectangle) {
    makeControl(root, nullptr, {0, kWidth, 0, kHeight}, &rootFill.surface);
    GUIControl near{}, far{};
    makeControl(near, &root, {10, 50, 10, 50}, &childFill.surface);
    makeControl(far, &root, {120, 180, 60, 100}, &childFill.surface);

    GUIRect area{0, 60, 0, 40};
    GUIControlRedrawAll(&root, &area);

    ASSERT_EQ(drawCalls().size(), 2u);
    EXPECT_EQ(drawCalls()[0].control, &root);
    EXPECT_EQ(drawCalls()[0].rect, (GUIRect{0, 60, 0, 40}));
    EXPECT_EQ(drawCalls()[1].control, &near);
    EXPECT_EQ(drawCalls()[1].rect, (GUIRect{0, 40, 0, 30}));
    EXPECT_EQ(Pixel(59, 0), kRootColour);
    EXPECT_EQ(Pixel(60, 0), 0u);
    EXPECT_EQ(Pixel(0, 40), 0u);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], area);
}

TEST_F(Redraw, RepaintFromAChildIsClampedAndMovedToTheRoot) {
    makeRootAndParent();
    makeControl(child, &parent, {5, 25, 5, 15});
    parent.iScrollY = 3;

    GUIRect partly{10, 80, -5, 8};
    GUIControlRedrawAll(&child, &partly);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (GUIRect{35, 45, 22, 30}));
    EXPECT_EQ(clipOf(child), (GUIRect{10, 20, 0, 8}));

    resetRecords();
    GUIRect beyond{20, 30, 0, 10};
    GUIControlRedrawAll(&child, &beyond);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(drawCalls().empty());
}

TEST_F(Redraw, DottedLinesAreCutByEveryAncestor) {
    makeControl(root, nullptr, {0, kWidth, 0, kHeight});
    makeControl(parent, &root, {20, 80, 20, 60});
    makeControl(child, &parent, {10, 100, 10, 20});
    GUIControlRedrawThis(&root);

    GUIControlHLine(&child, -10, 200, 5, kWhite);
    EXPECT_EQ(Pixel(29, 35), 0u);
    EXPECT_EQ(Pixel(30, 35), kWhite);
    EXPECT_EQ(Pixel(31, 35), 0u);
    EXPECT_EQ(Pixel(78, 35), kWhite);
    EXPECT_EQ(Pixel(80, 35), 0u);

    GUIControlVLine(&parent, 4, -20, 200, kWhite);
    EXPECT_EQ(Pixel(24, 19), 0u);
    EXPECT_EQ(Pixel(24, 20), kWhite);
    EXPECT_EQ(Pixel(24, 58), kWhite);
    EXPECT_EQ(Pixel(24, 60), 0u);

    const std::vector<uint32_t> before(pGfxBackBuffer, pGfxBackBuffer + kWidth * kHeight);
    GUIControlHLine(&parent, 0, 100, 40, kWhite); // one row below the parent's clip
    GUIControlVLine(&parent, 60, 0, 40, kWhite);  // one column right of it
    GUIRect all{0, 60, 0, 40};
    GUIControlBlit(&parent, nullptr, &all, 0, 0);
    GUIControlText(&parent, nullptr, &all, 0, 0, nullptr, kWhite);
    child.bNoDraw = 1;
    GUIControlHLine(&child, 0, 50, 2, kWhite);
    GUIControlVLine(&child, 3, 0, 10, kWhite);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), pGfxBackBuffer));
}

} // namespace
