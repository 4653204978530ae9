// The control tree and its repaint: sibling order, moving and resizing with
// their events and repainted areas, hiding, search, removal, marking, and the
// clipped drawing through scrolled and cut ancestors, which visits only the
// children that meet the repainted area.
#include <algorithm>
#include <cstring>
#include <vector>

#include "ControlTestSupport.h"

using namespace testsupport;

namespace {

using Controls = std::vector<GUIControl *>;
using Rects = std::vector<GUIRect>;

constexpr uint32_t kRootColour = 0x102030;
constexpr uint32_t kParentColour = 0x405060;
constexpr uint32_t kChildColour = 0x708090;

std::vector<GUIControl *> childrenOf(const GUIControl &parent) {
    std::vector<GUIControl *> list;
    for (GUIControl *c = parent.pFirstChild; c; c = c->pNext)
        list.push_back(c);
    return list;
}

// Embedded controls over solid fills; the tree is dropped, not removed, at the end.
class Tree : public ToolkitTest {
  protected:
    TestSurface rootFill = TestSurface::solid(kRootColour);
    TestSurface parentFill = TestSurface::solid(kParentColour);
    TestSurface childFill = TestSurface::solid(kChildColour);
    GUIControl root{};
    GUIControl parent{};
    GUIControl child{};

    void TearDown() override {
        pGUIControlRoot = nullptr;
        ToolkitTest::TearDown();
    }
    // A root and a parent of the given placement, over their fills.
    void makeRootAndParent(GUIRect parentRect = {20, 80, 20, 60}) {
        makeControl(root, nullptr, {0, kWidth, 0, kHeight}, &rootFill.surface);
        makeControl(parent, &root, parentRect, &parentFill.surface);
    }
    // A 100 x 80 parent at (20, 20) scrolled by (5, 2), holding a 30 x 20 child
    // at content (10, 10), that is at the parent's own (5, 8) and the root's (25, 28).
    void makeScrolledFamily() {
        makeRootAndParent({20, 120, 20, 100});
        parent.iScrollX = 5;
        parent.iScrollY = 2;
        makeControl(child, &parent, {10, 40, 10, 30}, &childFill.surface);
        GUIControlRedrawThis(&root);
        resetRecords();
    }
};

// New and front-brought controls stay behind top-most siblings; a search by
// identifier is pre-order and finds hidden controls.
TEST_F(Tree, SiblingOrderSearchAndMarking) {
    char x[] = "x", y[] = "y", z[] = "z";
    GUIControl a{}, inner{}, b{}, menu{}, added{};
    makeControl(root, nullptr, {0, kWidth, 0, kHeight});
    makeControl(a, &root, {0, 10, 0, 10});
    makeControl(inner, &a, {0, 5, 0, 5});
    makeControl(b, &root, {10, 20, 0, 10});
    makeControl(menu, &root, {20, 30, 0, 10});
    menu.bTopMost = 1;
    makeControl(added, &root, {30, 40, 0, 10});
    EXPECT_EQ(childrenOf(root), (Controls{&a, &b, &added, &menu}));

    a.pszID = x;
    inner.pszID = b.pszID = y;
    menu.pszID = z;
    menu.bHidden = 1;
    EXPECT_EQ(GUIControlGetByID(nullptr, "y"), &inner);
    EXPECT_EQ(GUIControlGetByID(nullptr, "z"), &menu);
    EXPECT_EQ(GUIControlGetByID(nullptr, "Y"), nullptr);
    // A search from a control covers it, its descendants and its later siblings.
    EXPECT_EQ(GUIControlGetByID(&b, "x"), nullptr);
    EXPECT_EQ(GUIControlGetByID(&inner, "y"), &inner);

    GUIControlSetToTop(&a);
    EXPECT_EQ(childrenOf(root), (Controls{&b, &added, &menu, &a}));
    EXPECT_EQ(shown, (Rects{{0, 10, 0, 10}}));

    // Marking moves the mark and repaints both controls.
    resetRecords();
    GUIControlMark(&a);
    GUIControlMark(&a);
    GUIControlMark(&b);
    EXPECT_TRUE(pGUIControlMarked == &b && b.bMarked && !a.bMarked);
    EXPECT_EQ(shown, (Rects{{0, 10, 0, 10}, {0, 10, 0, 10}, {10, 20, 0, 10}}));
}

// Moving repaints the old and new places, then tells the parent; hiding,
// showing and disabling repaint only on a change.
TEST_F(Tree, SetPosHideShowAndDisableRepaintWhatChanged) {
    makeScrolledFamily();
    GUIControlSetPos(&child, 30, 12);
    EXPECT_EQ(rectOf(child), (GUIRect{30, 60, 12, 32}));
    EXPECT_EQ(shown, (Rects{{25, 55, 28, 48}, {45, 75, 30, 50}}));
    EXPECT_EQ(Pixel(25, 28), kParentColour);
    EXPECT_EQ(Pixel(45, 30), kChildColour);
    EXPECT_EQ(eventsOf(&parent), std::vector<int32_t>{GUI_EVENT_CHILD_MOVED});

    resetRecords();
    GUIControlHide(&child);
    GUIControlHide(&child);
    EXPECT_EQ(shown, (Rects{{45, 75, 30, 50}}));
    EXPECT_EQ(Pixel(50, 35), kParentColour);
    GUIControlShow(&child);
    GUIControlShow(&child);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(Pixel(50, 35), kChildColour);

    resetRecords();
    GUIControlDisable(&child);
    GUIControlDisable(&child);
    EXPECT_TRUE(child.bHidden);
    EXPECT_EQ(shown, (Rects{{45, 75, 30, 50}}));
}

TEST_F(Tree, SetSizeResizesWithoutDrawingThenRepaintsTheUnion) {
    makeScrolledFamily();
    GUIControlSetSize(&child, 50, 15);
    EXPECT_EQ(rectOf(child), (GUIRect{10, 60, 10, 25}));
    ASSERT_EQ(raisedEvents().size(), 2u);
    EXPECT_TRUE(raisedEvents()[0].noDraw);
    EXPECT_EQ(child.bNoDraw, 0);
    EXPECT_EQ(eventsOf(&child), std::vector<int32_t>{GUI_EVENT_RESIZED});
    EXPECT_EQ(eventsOf(&parent), std::vector<int32_t>{GUI_EVENT_CHILD_MOVED});
    // 50 wide as now, 20 high as before.
    EXPECT_EQ(shown, (Rects{{25, 75, 28, 48}}));
    EXPECT_EQ(Pixel(40, 45), kParentColour);

    resetRecords();
    GUIControlSetSize(&child, 20, 15);
    EXPECT_EQ(shown, (Rects{{25, 75, 28, 43}})) << "only narrower: the old width is repainted";
    EXPECT_EQ(Pixel(60, 30), kParentColour);
}

std::vector<GUIControl *> removed;

void recordingRemove(GUIControl *self) {
    removed.push_back(self);
    GUIControlRemove(self);
}

// An identifier or control allocated as the script loader allocates them.
char *newID(const char *id) {
    auto *copy = static_cast<char *>(__dalloc(std::strlen(id) + 1, "tests", __LINE__));
    return std::strcpy(copy, id);
}

GUIControl *newAllocatedControl(GUIControl *parent) {
    auto *c = static_cast<GUIControl *>(__dalloc(sizeof(GUIControl), "tests", __LINE__));
    makeControl(*c, parent, {0, 10, 0, 10});
    c->bAllocated = 1;
    c->Remove = recordingRemove;
    c->pszID = newID("deep");
    return c;
}

TEST_F(Tree, RemoveFreesAllocatedDescendantsButNotEmbeddedParts) {
    makeScrolledFamily();
    child.Remove = recordingRemove;
    parent.pszID = newID("panel");
    GUIControl embedded{};
    makeControl(embedded, &parent, {50, 90, 40, 70});
    embedded.Remove = recordingRemove;
    GUIControl *grandchild = newAllocatedControl(&embedded);
    GUIControl *allocated = newAllocatedControl(&parent);
    GUIControlMark(&embedded);
    removed.clear();
    resetRecords();

    GUIControlRemove(&parent);

    EXPECT_EQ(removed, (Controls{&child, &embedded, grandchild, allocated}));
    EXPECT_EQ(embedded.pFirstChild, nullptr);
    EXPECT_TRUE(childrenOf(root).empty());
    EXPECT_EQ(pGUIControlMarked, nullptr);
    EXPECT_EQ(Pixel(30, 30), kRootColour);
}

// The root cuts 3 columns of the parent, the parent (scrolled by 2) cuts the
// child on every side: the picture stays where the uncut child would have it,
// and a child wholly outside the parent is not drawn.
TEST_F(Tree, ScrolledAndCutBlitStaysAnchoredInsideTheParent) {
    // The root's own position does not move anything: its coordinates are the buffer's.
    makeControl(root, nullptr, {5, 5 + kWidth, 7, 7 + kHeight}, &rootFill.surface);
    makeControl(parent, &root, {-3, 57, 10, 50}, &parentFill.surface);
    parent.iScrollX = 2;
    TestSurface texture = TestSurface::coords(70, 50);
    makeControl(child, &parent, {-5, 65, -4, 46}, &texture.surface);
    GUIControl outside{};
    makeControl(outside, &parent, {70, 90, 0, 10}, &childFill.surface);

    GUIControlRedrawThis(&root);

    EXPECT_EQ(clipOf(child), (GUIRect{10, 67, 4, 44}));
    for (int32_t y = 10; y < 50; ++y)
        for (int32_t x = 0; x < 57; ++x)
            ASSERT_EQ(Pixel(x, y), TestSurface::at(x + 10, y - 10 + 4)) << x << "," << y;
    EXPECT_EQ(Pixel(57, 30), kRootColour);
    EXPECT_EQ(Pixel(30, 50), kRootColour);
    EXPECT_FALSE(wasDrawn(outside));
    EXPECT_EQ(shown, (Rects{{0, kWidth, 0, kHeight}}));
}

TEST_F(Tree, NoDrawControlsDrawNothingButTheirChildrenDo) {
    makeRootAndParent();
    makeControl(child, &parent, {10, 30, 10, 30}, &childFill.surface);
    parent.bNoDraw = 1;
    GUIControlRedrawThis(&root);
    EXPECT_TRUE(wasDrawn(child));
    EXPECT_EQ(Pixel(35, 35), kRootColour);

    // Drawing by a no-draw control leaves the buffer alone. (Hidden controls
    // and their children are left out of the walk: see the hiding case.)
    parent.bNoDraw = 0;
    const std::vector<uint32_t> before(pGfxBackBuffer, pGfxBackBuffer + kWidth * kHeight);
    child.bNoDraw = 1;
    GUIControlHLine(&child, 0, 50, 2, 0xffffff);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), pGfxBackBuffer));
}

} // namespace
