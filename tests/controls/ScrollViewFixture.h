// Shared set-up of the scroll bar and view tests: a 320 x 240 root control,
// without a skin, whose handler records every event
// that reaches it, and helpers that send mouse messages and timer ticks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "ControlTestSupport.h"
#include "GUIControl.h"

namespace controltest {

struct RaisedEvent {
    GUIControl *sender;
    int32_t event;
};

inline std::vector<RaisedEvent> &raisedEvents() {
    static std::vector<RaisedEvent> events;
    return events;
}

inline int32_t recordEvent(GUIControl *, GUIControl *sender, int32_t event) {
    raisedEvents().push_back({sender, event});
    return 0;
}

class ControlTest : public testsupport::ToolkitTest {
  protected:
    static constexpr uint8_t kLeft = 1;

    GUIControl root{};

    void SetUp() override {
        ToolkitTest::SetUp();
        GUIRect whole{0, 320, 0, 240};
        GUIControlInit(&root, nullptr, &whole);
        root.OnPublicEvent = recordEvent;
        raisedEvents().clear();
    }

    void TearDown() override {
        GUIControlRemove(&root);
        raisedEvents().clear();
        ToolkitTest::TearDown();
    }

    // Number of times event reached the root from sender.
    static int count(const GUIControl *sender, int32_t event) {
        int n = 0;
        for (const RaisedEvent &e : raisedEvents())
            if (e.sender == sender && e.event == event)
                ++n;
        return n;
    }

    // Mouse messages in root coordinates.
    void press(int32_t x, int32_t y) { GUIControlMouse(&root, x, y, kLeft, kLeft, 1); }
    void dragTo(int32_t x, int32_t y) { GUIControlMouse(&root, x, y, kLeft, 0, 1); }
    void release(int32_t x, int32_t y) { GUIControlMouse(&root, x, y, 0, kLeft, 1); }

    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            GUIControlOnTimer(&root);
    }
};

inline GUIRect rectOf(const GUIControl &ctl) {
    return GUIRect{ctl.iLeft, ctl.iRight, ctl.iTop, ctl.iBottom};
}

} // namespace controltest

// GUIRect lives in the global namespace, so its test helpers do too.
inline bool operator==(const GUIRect &a, const GUIRect &b) {
    return a.iLeft == b.iLeft && a.iRight == b.iRight && a.iTop == b.iTop && a.iBottom == b.iBottom;
}

inline void PrintTo(const GUIRect &r, std::ostream *os) {
    *os << "{left " << r.iLeft << ", right " << r.iRight << ", top " << r.iTop << ", bottom "
        << r.iBottom << "}";
}
