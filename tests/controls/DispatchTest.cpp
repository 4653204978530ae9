// Mouse, key and timer dispatch and deferred removal, seen from probe controls.
#include <gtest/gtest.h>

#include <vector>

#include "ControlTestSupport.h"

using testsupport::InitProbe;
using testsupport::Probe;
using testsupport::ProbeCall;
using Calls = std::vector<ProbeCall>;

namespace {

// Root R (200 x 150) holding A (10..110, 10..110) with child a1, and B
// (50..150, 50..150) in front of A; a1 covers A's top-left quarter.
class Dispatch : public testsupport::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        root = InitProbe(r, nullptr, "R", log, 0, 0, 200, 150);
        a = InitProbe(pa, root, "A", log, 10, 10, 100, 100);
        a1 = InitProbe(pa1, a, "a1", log, 0, 0, 50, 50);
        b = InitProbe(pb, root, "B", log, 50, 50, 100, 100);
    }
    bool Mouse(int32_t x, int32_t y) {
        log.clear();
        return GUIControlMouse(root, x, y, 1, 1, 1);
    }
    static ProbeCall M(const char *who, int32_t x, int32_t y, int inside) {
        return {who, "mouse", x, y, inside};
    }
    static ProbeCall Call(const char *who, const char *what) { return {who, what}; }

    std::vector<ProbeCall> log;
    Probe r{}, pa{}, pa1{}, pb{};
    GUIControl *root = nullptr, *a = nullptr, *a1 = nullptr, *b = nullptr;
};

TEST_F(Dispatch, DeepestFrontMostControlTakesTheHitAndTheOthersAreToldAfterwards) {
    EXPECT_TRUE(Mouse(60, 60));
    EXPECT_EQ(log, (Calls{M("B", 10, 10, 1), M("A", 50, 50, 0), M("R", 60, 60, 0)}))
        << "a1 is covered by B there and hears nothing";
    EXPECT_TRUE(Mouse(20, 30));
    EXPECT_EQ(log, (Calls{M("B", -30, -20, 0), M("a1", 10, 20, 1), M("A", 10, 20, 0),
                          M("R", 20, 30, 0)}));
    EXPECT_FALSE(Mouse(250, -5));
    EXPECT_EQ(log, (Calls{M("R", 250, -5, 0), M("A", 240, -15, 0), M("B", 200, -55, 0),
                          M("a1", 240, -15, 0)}));
}

TEST_F(Dispatch, ChildOfAScrolledParentSeesItsOwnCoordinates) {
    a->iScrollX = 5;
    a->iScrollY = 20;
    a1->iLeft = 10;
    a1->iTop = 30;
    EXPECT_TRUE(Mouse(30, 40));
    // Root (30, 40) is A's (20, 30); shown content starts at (5, 20), so a1
    // sees (20 + 5 - 10, 30 + 20 - 30).
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], M("a1", 15, 20, 1));
}

TEST_F(Dispatch, HiddenControlsAndTheirChildrenHearNothing) {
    b->bHidden = 1;
    EXPECT_TRUE(Mouse(60, 60));
    EXPECT_EQ(log, (Calls{M("a1", 50, 50, 0), M("A", 50, 50, 1), M("R", 60, 60, 0)}));

    a->bHidden = 1;
    EXPECT_TRUE(Mouse(60, 60));
    EXPECT_EQ(log, (Calls{M("R", 60, 60, 1)}));
}

TEST_F(Dispatch, KeysGoFrontMostAndDeepestFirstUntilOneIsTaken) {
    EXPECT_FALSE(GUIControlShareKey(root, 'a', 0));
    EXPECT_EQ(log,
              (Calls{Call("B", "key"), Call("a1", "key"), Call("A", "key"), Call("R", "key")}));

    log.clear();
    pa1.bTakesKeys = true;
    b->bHidden = 1;
    EXPECT_TRUE(GUIControlShareKey(root, 13, 0));
    EXPECT_EQ(log, (Calls{Call("B", "key"), Call("a1", "key")}))
        << "hidden controls are offered keys too";
}

TEST_F(Dispatch, EveryControlGetsOneTimerTick) {
    a->bHidden = 1;
    GUIControlOnTimer(root);
    EXPECT_EQ(log, (Calls{Call("R", "timer"), Call("A", "timer"), Call("B", "timer"),
                          Call("a1", "timer")}));
}

// An allocated probe, freed by the deferred removal.
GUIControl *NewProbe(GUIControl *parent, const char *name, std::vector<ProbeCall> &log) {
    auto *probe = static_cast<Probe *>(__dalloc(sizeof(Probe), "probe", __LINE__));
    GUIControl *ctl = InitProbe(*probe, parent, name, log, 0, 0, 10, 10);
    ctl->bAllocated = 1;
    return ctl;
}

TEST_F(Dispatch, DeferredRemovalTakesLaterSiblingsFirstAndChildrenBeforeParents) {
    GUIControl *x = NewProbe(a1, "x", log);
    NewProbe(x, "x1", log)->bRemoveLater = 1;
    GUIControl *y = NewProbe(a1, "y", log);
    x->bRemoveLater = 1;
    y->bRemoveLater = 1;
    GUIControlUpdate();
    EXPECT_EQ(log, (Calls{Call("y", "remove"), Call("x1", "remove"), Call("x", "remove")}));
    EXPECT_EQ(a1->pFirstChild, nullptr);
    EXPECT_EQ(pGUIControlRoot, root);
}

} // namespace
