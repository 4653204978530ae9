// Mouse, key and timer dispatch and deferred removal, seen from probe controls.
#include <string>
#include <vector>

#include "ControlTestSupport.h"

using Calls = std::vector<std::string>;

namespace {

// A control whose operations append "name what" to the log. Keys are taken by
// probes whose bTakesKeys is set.
struct Probe {
    GUIControl oControl;
    const char *pszName;
    bool bTakesKeys;
};

Calls calls;

void Log(GUIControl *self, const std::string &what) {
    calls.push_back(reinterpret_cast<Probe *>(self)->pszName + (" " + what));
}
void ProbeMouse(GUIControl *self, int32_t x, int32_t y, uint8_t, uint8_t, uint8_t inside) {
    Log(self, std::to_string(x) + "," + std::to_string(y) + (inside ? " inside" : ""));
}
bool ProbeKey(GUIControl *self, int32_t, int32_t) {
    Log(self, "key");
    return reinterpret_cast<Probe *>(self)->bTakesKeys;
}
void ProbeTimer(GUIControl *self) {
    Log(self, "timer");
}
void ProbeRemove(GUIControl *self) {
    Log(self, "remove");
    GUIControlRemove(self);
}

// Initialises a probe in place (not allocated).
GUIControl *InitProbe(Probe &probe, GUIControl *parent, const char *name, GUIRect rect) {
    GUIControlInit(&probe.oControl, parent, &rect);
    probe.pszName = name;
    probe.bTakesKeys = false;
    probe.oControl.Mouse = ProbeMouse;
    probe.oControl.Key = ProbeKey;
    probe.oControl.OnTimer = ProbeTimer;
    probe.oControl.Remove = ProbeRemove;
    return &probe.oControl;
}

// Root R (200 x 150) holding A (10..110, 10..110) with child a1, and B
// (50..150, 50..150) in front of A; a1 covers A's top-left quarter.
class Dispatch : public testsupport::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        calls.clear();
        root = InitProbe(r, nullptr, "R", {0, 200, 0, 150});
        a = InitProbe(pa, root, "A", {10, 110, 10, 110});
        a1 = InitProbe(pa1, a, "a1", {0, 50, 0, 50});
        b = InitProbe(pb, root, "B", {50, 150, 50, 150});
    }
    bool Mouse(int32_t x, int32_t y) {
        calls.clear();
        return GUIControlMouse(root, x, y, 1, 1, 1);
    }
    Probe r{}, pa{}, pa1{}, pb{};
    GUIControl *root = nullptr, *a = nullptr, *a1 = nullptr, *b = nullptr;
};

TEST_F(Dispatch, DeepestFrontMostControlTakesTheHitInItsOwnCoordinatesAndTheOthersAreTold) {
    EXPECT_TRUE(Mouse(60, 60));
    EXPECT_EQ(calls, (Calls{"B 10,10 inside", "A 50,50", "R 60,60"}))
        << "a1 is covered by B there and hears nothing";
    EXPECT_TRUE(Mouse(20, 30));
    EXPECT_EQ(calls, (Calls{"B -30,-20", "a1 10,20 inside", "A 10,20", "R 20,30"}));
    EXPECT_FALSE(Mouse(250, -5));
    EXPECT_EQ(calls, (Calls{"R 250,-5", "A 240,-15", "B 200,-55", "a1 240,-15"}));

    a->iScrollX = 5;
    a->iScrollY = 20;
    a1->iLeft = 10;
    a1->iTop = 30;
    EXPECT_TRUE(Mouse(30, 40));
    // Root (30, 40) is A's (20, 30); shown content starts at (5, 20), so a1
    // sees (20 + 5 - 10, 30 + 20 - 30).
    EXPECT_EQ(calls, (Calls{"B -20,-10", "a1 15,20 inside", "A 20,30", "R 30,40"}));
}

// Hidden controls and their children hear no mouse, but every control ticks
// and is offered keys, front-most and deepest first until one takes it.
TEST_F(Dispatch, HiddenControlsHearNoMouseButTickAndAreOfferedKeys) {
    b->bHidden = 1;
    EXPECT_TRUE(Mouse(60, 60));
    EXPECT_EQ(calls, (Calls{"a1 50,50", "A 50,50 inside", "R 60,60"}));
    a->bHidden = 1;
    EXPECT_TRUE(Mouse(60, 60));
    EXPECT_EQ(calls, (Calls{"R 60,60 inside"}));

    calls.clear();
    GUIControlOnTimer(root);
    EXPECT_EQ(calls, (Calls{"R timer", "A timer", "B timer", "a1 timer"})) << "one tick each";
    calls.clear();
    EXPECT_FALSE(GUIControlShareKey(root, 'a', 0));
    EXPECT_EQ(calls, (Calls{"B key", "a1 key", "A key", "R key"}));
    calls.clear();
    pa1.bTakesKeys = true;
    EXPECT_TRUE(GUIControlShareKey(root, 13, 0));
    EXPECT_EQ(calls, (Calls{"B key", "a1 key"}));
}

// An allocated probe, freed by the deferred removal.
GUIControl *NewProbe(GUIControl *parent, const char *name) {
    auto *probe = static_cast<Probe *>(__dalloc(sizeof(Probe), "probe", __LINE__));
    GUIControl *ctl = InitProbe(*probe, parent, name, {0, 10, 0, 10});
    ctl->bAllocated = 1;
    return ctl;
}

TEST_F(Dispatch, DeferredRemovalTakesLaterSiblingsFirstAndChildrenBeforeParents) {
    GUIControl *x = NewProbe(a1, "x");
    NewProbe(x, "x1")->bRemoveLater = 1;
    GUIControl *y = NewProbe(a1, "y");
    x->bRemoveLater = 1;
    y->bRemoveLater = 1;
    GUIControlUpdate();
    EXPECT_EQ(calls, (Calls{"y remove", "x1 remove", "x remove"}));
    EXPECT_EQ(a1->pFirstChild, nullptr);
    EXPECT_EQ(pGUIControlRoot, root);
}

} // namespace
