// The control tree: sibling order, moving and resizing with their events and
// repainted areas, hiding, search by identifier, removal, marking, scrolling
// and the way events climb to the root.
#include <vector>

#include "CoreTestSupport.h"

using coretest::makeControl;
using coretest::raisedEvents;
using coretest::SolidSurface;
using coretest::wasDrawn;
using testsupport::Pixel;

namespace {

constexpr uint32_t kRootColour = 0x102030;
constexpr uint32_t kParentColour = 0x405060;
constexpr uint32_t kChildColour = 0x708090;

std::vector<GUIControl *> childrenOf(const GUIControl &parent) {
    std::vector<GUIControl *> list;
    for (GUIControl *c = parent.pFirstChild; c; c = c->pNext)
        list.push_back(c);
    return list;
}

class Tree : public coretest::Screen {
  protected:
    SolidSurface rootFill{kRootColour};
    SolidSurface parentFill{kParentColour};
    SolidSurface childFill{kChildColour};
    GUIControl root{};
    GUIControl parent{};
    GUIControl child{};

    // A 100 x 80 parent at (20, 20) scrolled by (5, 2), holding a 30 x 20 child
    // at content (10, 10), that is at the parent's own (5, 8) and the root's (25, 28).
    void makeScrolledFamily() {
        makeControl(root, nullptr, {0, kWidth, 0, kHeight}, &rootFill.surface);
        makeControl(parent, &root, {20, 120, 20, 100}, &parentFill.surface);
        parent.iScrollX = 5;
        parent.iScrollY = 2;
        makeControl(child, &parent, {10, 40, 10, 30}, &childFill.surface);
        GUIControlRedrawThis(&root);
        resetRecords();
    }
};

TEST_F(Tree, NewAndFrontBroughtControlsStayBehindTopMostSiblings) {
    GUIControl a{}, b{}, menu{}, added{};
    makeControl(root, nullptr, {0, kWidth, 0, kHeight});
    makeControl(a, &root, {0, 10, 0, 10});
    makeControl(b, &root, {10, 20, 0, 10});
    makeControl(menu, &root, {20, 30, 0, 10});
    menu.bTopMost = 1;
    makeControl(added, &root, {30, 40, 0, 10});
    EXPECT_EQ(childrenOf(root), (std::vector<GUIControl *>{&a, &b, &added, &menu}));
    EXPECT_EQ(raisedEvents().size(), 4u);
    for (const auto &raised : raisedEvents()) {
        EXPECT_EQ(raised.control, &root);
        EXPECT_EQ(raised.event, GUI_EVENT_CHILD_ADDED);
    }

    GUIControlSetToTop(&a);
    EXPECT_EQ(childrenOf(root), (std::vector<GUIControl *>{&b, &added, &menu, &a}));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (GUIRect{0, 10, 0, 10}));

    GUIControlBringToFront(&b);
    EXPECT_EQ(childrenOf(root), (std::vector<GUIControl *>{&added, &b, &menu, &a}));

    GUIControlPutToBack(&a);
    EXPECT_EQ(childrenOf(root), (std::vector<GUIControl *>{&a, &added, &b, &menu}));
}

TEST_F(Tree, SetPosRepaintsTheOldAndNewPlacesThenTellsTheParent) {
    makeScrolledFamily();

    GUIControlSetPos(&child, 30, 12);

    EXPECT_EQ(child.iRight, 60);
    EXPECT_EQ(child.iBottom, 32);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], (GUIRect{25, 55, 28, 48}));
    EXPECT_EQ(shown[1], (GUIRect{45, 75, 30, 50}));
    EXPECT_EQ(Pixel(25, 28), kParentColour);
    EXPECT_EQ(Pixel(45, 30), kChildColour);
    ASSERT_EQ(raisedEvents().size(), 1u);
    EXPECT_EQ(raisedEvents()[0].control, &parent);
    EXPECT_EQ(raisedEvents()[0].event, GUI_EVENT_CHILD_MOVED);

    resetRecords();
    GUIControlSetPos(&child, 30, 12);
    GUIControlSetPos(&root, 50, 50);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(raisedEvents().empty());
    EXPECT_EQ(root.iLeft, 0);
}

TEST_F(Tree, SetSizeResizesWithoutDrawingThenRepaintsTheUnion) {
    makeScrolledFamily();

    GUIControlSetSize(&child, 50, 15);

    EXPECT_EQ(child.iRight, 60);
    EXPECT_EQ(child.iBottom, 25);
    EXPECT_EQ(child.bNoDraw, 0);
    ASSERT_EQ(raisedEvents().size(), 2u);
    EXPECT_EQ(raisedEvents()[0].control, &child);
    EXPECT_EQ(raisedEvents()[0].event, GUI_EVENT_RESIZED);
    EXPECT_TRUE(raisedEvents()[0].noDrawWhileDelivered);
    EXPECT_EQ(raisedEvents()[1].control, &parent);
    EXPECT_EQ(raisedEvents()[1].event, GUI_EVENT_CHILD_MOVED);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (GUIRect{25, 75, 28, 48})); // 50 wide as now, 20 high as before
    EXPECT_EQ(Pixel(74, 42), kChildColour);
    EXPECT_EQ(Pixel(40, 45), kParentColour);

    resetRecords();
    GUIControlSetSize(&child, 50, 15);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(raisedEvents().empty());

    GUIControlSetSize(&root, 100, 50);
    ASSERT_EQ(raisedEvents().size(), 1u);
    EXPECT_EQ(raisedEvents()[0].event, GUI_EVENT_RESIZED);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (GUIRect{0, 100, 0, 50}));
}

TEST_F(Tree, HideShowAndDisableRepaintOnlyOnChange) {
    makeScrolledFamily();

    GUIControlHide(&child);
    GUIControlHide(&child);
    EXPECT_TRUE(child.bHidden);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (GUIRect{25, 55, 28, 48}));
    EXPECT_EQ(Pixel(30, 30), kParentColour);

    GUIControlShow(&child);
    GUIControlShow(&child);
    EXPECT_FALSE(child.bHidden);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(Pixel(30, 30), kChildColour);

    resetRecords();
    GUIControlDisable(&child);
    GUIControlDisable(&child);
    EXPECT_TRUE(child.bHidden);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (GUIRect{25, 55, 28, 48}));
    EXPECT_TRUE(wasDrawn(parent));
    EXPECT_FALSE(wasDrawn(child));
    EXPECT_EQ(Pixel(30, 30), kParentColour);

    GUIControlEnable(&child);
    EXPECT_FALSE(child.bHidden);
    EXPECT_EQ(Pixel(30, 30), kChildColour);
}

TEST_F(Tree, SearchByIdentifierIsPreOrderAndFindsHiddenControls) {
    char x[] = "x", y[] = "y", z[] = "z";
    GUIControl a{}, inner{}, b{}, hidden{};
    makeControl(root, nullptr, {0, kWidth, 0, kHeight});
    makeControl(a, &root, {0, 10, 0, 10});
    makeControl(inner, &a, {0, 5, 0, 5});
    makeControl(b, &root, {10, 20, 0, 10});
    makeControl(hidden, &root, {20, 30, 0, 10});
    a.pszID = x;
    inner.pszID = y;
    b.pszID = y;
    hidden.pszID = z;
    hidden.bHidden = 1;

    EXPECT_EQ(GUIControlGetByID(nullptr, "y"), &inner);
    EXPECT_EQ(GUIControlGetByID(nullptr, "z"), &hidden);
    EXPECT_EQ(GUIControlGetByID(nullptr, "Y"), nullptr);
    EXPECT_EQ(GUIControlGetByID(nullptr, "absent"), nullptr);
    // A search from a control covers it, its descendants and its later siblings.
    EXPECT_EQ(GUIControlGetByID(&b, "z"), &hidden);
    EXPECT_EQ(GUIControlGetByID(&b, "x"), nullptr);
    EXPECT_EQ(GUIControlGetByID(&inner, "y"), &inner);
}

std::vector<GUIControl *> &removed() {
    static std::vector<GUIControl *> list;
    return list;
}

void recordingRemove(GUIControl *self) {
    removed().push_back(self);
    GUIControlRemove(self);
}

GUIControl *newAllocatedControl(GUIControl *parent, GUIRect rect) {
    auto *c = static_cast<GUIControl *>(__dalloc(sizeof(GUIControl), "tests", __LINE__));
    makeControl(*c, parent, rect);
    c->bAllocated = 1;
    c->Remove = recordingRemove;
    return c;
}

TEST_F(Tree, RemoveFreesAllocatedDescendantsButNotEmbeddedParts) {
    makeScrolledFamily();
    child.Remove = recordingRemove;
    coretest::giveID(parent, "panel");
    GUIControl embedded{};
    makeControl(embedded, &parent, {50, 90, 40, 70});
    embedded.Remove = recordingRemove;
    GUIControl *grandchild = newAllocatedControl(&embedded, {0, 10, 0, 10});
    coretest::giveID(*grandchild, "deep");
    GUIControl *allocated = newAllocatedControl(&parent, {0, 10, 0, 10});
    GUIControlMark(&embedded);
    removed().clear();
    resetRecords();

    GUIControlRemove(&parent);

    EXPECT_EQ(removed(), (std::vector<GUIControl *>{&child, &embedded, grandchild, allocated}));
    EXPECT_EQ(parent.pFirstChild, nullptr);
    EXPECT_EQ(embedded.pFirstChild, nullptr);
    EXPECT_TRUE(childrenOf(root).empty());
    EXPECT_EQ(parent.pszID, nullptr);
    EXPECT_EQ(parent.pParent, &root);
    EXPECT_EQ(pGUIControlMarked, nullptr);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), (GUIRect{20, 120, 20, 100}));
    EXPECT_EQ(Pixel(30, 30), kRootColour);

    GUIControlRemove(&root);
    EXPECT_EQ(pGUIControlRoot, nullptr);
}

TEST_F(Tree, MarkingMovesTheMarkAndRepaintsBothControls) {
    GUIControl a{}, b{};
    makeControl(root, nullptr, {0, kWidth, 0, kHeight});
    makeControl(a, &root, {0, 10, 0, 10});
    makeControl(b, &root, {10, 30, 0, 10});

    GUIControlMark(&a);
    GUIControlMark(&a);
    EXPECT_EQ(pGUIControlMarked, &a);
    EXPECT_TRUE(a.bMarked);
    EXPECT_EQ(shown.size(), 1u);

    GUIControlMark(&b);
    EXPECT_EQ(pGUIControlMarked, &b);
    EXPECT_FALSE(a.bMarked);
    EXPECT_TRUE(b.bMarked);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1], (GUIRect{0, 10, 0, 10}));
    EXPECT_EQ(shown[2], (GUIRect{10, 30, 0, 10}));
}

TEST_F(Tree, ScrollingRepaintsAndReportsEveryAdjustment) {
    makeScrolledFamily();

    GUIControlSetWindowPos(&parent, 5, 2);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (GUIRect{20, 120, 20, 100}));
    ASSERT_EQ(raisedEvents().size(), 1u);
    EXPECT_EQ(raisedEvents()[0].event, GUI_EVENT_SCROLLED);

    // Wider than the parent: the left edge is brought in first, then the right.
    resetRecords();
    GUIRect wide{-10, 130, 5, 20};
    GUIControlScrollIntoView(&child, &wide);
    EXPECT_EQ(parent.iScrollX, 30);
    EXPECT_EQ(parent.iScrollY, 2);
    EXPECT_EQ(raisedEvents().size(), 2u);

    resetRecords();
    GUIRect below{40, 50, 90, 100};
    GUIControlScrollIntoView(&child, &below);
    EXPECT_EQ(parent.iScrollX, 30);
    EXPECT_EQ(parent.iScrollY, 20);
    EXPECT_EQ(raisedEvents().size(), 1u);

    resetRecords();
    GUIControlScrollIntoView(&root, &below);
    EXPECT_TRUE(raisedEvents().empty());
}

TEST_F(Tree, ToRootAddsEveryPlacementAndSubtractsEveryScroll) {
    makeScrolledFamily();
    GUIControl nested{};
    makeControl(nested, &child, {3, 13, 6, 11});
    child.iScrollY = 4;

    GUIRect r{0, 10, 0, 5};
    GUIControlToRoot(&nested, &r);
    EXPECT_EQ(r, (GUIRect{28, 38, 30, 35}));
}

GUIControl *lastSender;

int32_t rootHandler(GUIControl *, GUIControl *sender, int32_t event) {
    lastSender = sender;
    return event == GUI_EVENT_BUTTON_CLICKED ? 7 : 0;
}

TEST_F(Tree, EventsClimbTheTargetChainToTheRootHandler) {
    makeScrolledFamily();
    root.OnPublicEvent = rootHandler;
    lastSender = nullptr;

    EXPECT_EQ(GUIControlSetEvent(&child, GUI_EVENT_BUTTON_CLICKED), 7);
    EXPECT_EQ(lastSender, &child);
}

} // namespace
