// Shared fixtures of the toolkit tests: a fresh back buffer and tree per test,
// recorders for the rectangles shown, the Draw calls made and the events that
// reach the root, surfaces of known content, and script loading.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "GUIControl.h"
#include "GUIInputCodes.h"
#include "GUIModule.h"
#include "GUIScript.h"
#include "PngDump.h"
#include "TestFiles.h"

// GUIRect lives in the global namespace, so its test helpers do too.
inline bool operator==(const GUIRect &a, const GUIRect &b) {
    return a.iLeft == b.iLeft && a.iRight == b.iRight && a.iTop == b.iTop && a.iBottom == b.iBottom;
}

inline void PrintTo(const GUIRect &r, std::ostream *os) {
    *os << "{" << r.iLeft << ", " << r.iRight << ", " << r.iTop << ", " << r.iBottom << "}";
}

namespace testsupport {

inline GUIRect rectOf(const GUIControl &c) {
    return GUIRect{c.iLeft, c.iRight, c.iTop, c.iBottom};
}

inline GUIRect clipOf(const GUIControl &c) {
    return GUIRect{c.iClipLeft, c.iClipRight, c.iClipTop, c.iClipBottom};
}

struct DrawCall {
    const GUIControl *control;
    GUIRect rect;
};

struct RaisedEvent {
    GUIControl *sender;
    int32_t event;
    bool noDraw; // the sender's bNoDraw while the event was delivered
};

inline std::vector<DrawCall> &drawCalls() {
    static std::vector<DrawCall> calls;
    return calls;
}

inline std::vector<RaisedEvent> &raisedEvents() {
    static std::vector<RaisedEvent> events;
    return events;
}

// Event codes that reached the root from sender, in the order they arrived.
inline std::vector<int32_t> eventsOf(const GUIControl *sender) {
    std::vector<int32_t> codes;
    for (const RaisedEvent &e : raisedEvents())
        if (e.sender == sender)
            codes.push_back(e.event);
    return codes;
}

inline void recordingDraw(GUIControl *self, GUIRect *rect) {
    drawCalls().push_back({self, *rect});
    GUIControlDefaultDraw(self, rect);
}

inline int32_t recordEvent(GUIControl *, GUIControl *sender, int32_t event) {
    raisedEvents().push_back({sender, event, sender->bNoDraw != 0});
    return 0;
}

inline bool wasDrawn(const GUIControl &c) {
    return std::ranges::any_of(drawCalls(),
                               [&](const DrawCall &call) { return call.control == &c; });
}

// Initialises an embedded control that records its draws; a root records
// every event that reaches it.
inline void makeControl(GUIControl &c, GUIControl *parent, GUIRect rect,
                        GfxSurface *background = nullptr) {
    c = GUIControl{};
    GUIControlInit(&c, parent, &rect);
    c.Draw = recordingDraw;
    if (!parent)
        c.OnPublicEvent = recordEvent;
    c.pBackground = background;
}

// A surface of known pixels. coords() names each pixel's own coordinates, so
// a drawn pixel tells which surface point landed there.
struct TestSurface {
    std::vector<uint32_t> pixels;
    GfxSurface surface;
    TestSurface(int32_t w, int32_t h, std::vector<uint32_t> p)
        : pixels(std::move(p)), surface{pixels.data(), w, h, nullptr, 0, 0} {}
    TestSurface(const TestSurface &) = delete;
    TestSurface &operator=(const TestSurface &) = delete;

    static uint32_t at(int32_t x, int32_t y) {
        return 0x800000u + (static_cast<uint32_t>(y) << 8) + static_cast<uint32_t>(x);
    }
    static TestSurface solid(uint32_t rgb) { return TestSurface(1, 1, {rgb}); }
    static TestSurface coords(int32_t w, int32_t h) {
        std::vector<uint32_t> p;
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                p.push_back(at(x, y));
        return TestSurface(w, h, std::move(p));
    }
};

// Every toolkit test starts with a back buffer, no tree, no skin hooks and
// empty recorders, and leaves no tree behind; a failing test leaves the back
// buffer as a PNG.
class ToolkitTest : public ::testing::Test {
  protected:
    static constexpr int32_t kWidth = 320;
    static constexpr int32_t kHeight = 240;

    std::vector<GUIRect> shown; // rectangles handed to the window

    void SetUp() override {
        GfxAPIInit(nullptr, kWidth, kHeight);
        GfxAPISetDisplayHook(&ToolkitTest::collect, this);
        pGUIControlRoot = nullptr;
        pGUIControlMarked = nullptr;
        resetRecords();
    }
    void TearDown() override {
        GfxAPISetDisplayHook(nullptr, nullptr);
        WriteBackBufferPngIfFailed();
        if (pGUIControlRoot)
            GUIControlDestroy(pGUIControlRoot);
        pGUIBitmapSkinInit = pGUIButtonSkinInit = pGUIDesktopSkinInit = nullptr;
        pGUIEditSkinInit = pGUIListSkinInit = pGUIScrollBarSkinInit = pGUIViewSkinInit = nullptr;
        pGUIWindowSkinInit = nullptr;
    }
    void resetRecords() {
        shown.clear();
        drawCalls().clear();
        raisedEvents().clear();
    }
    // Number of times event reached the root from sender.
    static int count(const GUIControl *sender, int32_t event) {
        return static_cast<int>(std::ranges::count(eventsOf(sender), event));
    }

  private:
    static void collect(const GUIRect *rect, void *user) {
        static_cast<ToolkitTest *>(user)->shown.push_back(*rect);
    }
};

// A recording root covering the back buffer, driven like the host drives it.
class RootTest : public ToolkitTest {
  protected:
    GUIControl root{};

    void SetUp() override {
        ToolkitTest::SetUp();
        makeControl(root, nullptr, {0, kWidth, 0, kHeight});
    }
    void TearDown() override {
        GUIControlRemove(&root);
        ToolkitTest::TearDown();
    }

    // Mouse messages in root coordinates.
    void press(int32_t x, int32_t y) {
        GUIControlMouse(&root, x, y, GUI_MOUSE_LEFT, GUI_MOUSE_LEFT, 1);
    }
    void dragTo(int32_t x, int32_t y) { GUIControlMouse(&root, x, y, GUI_MOUSE_LEFT, 0, 1); }
    void release(int32_t x, int32_t y) { GUIControlMouse(&root, x, y, 0, GUI_MOUSE_LEFT, 1); }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            GUIControlOnTimer(&root);
    }
};

struct LoadResult {
    GUIControl *ctl;
    std::string out; // what the loader printed on standard output
};

inline LoadResult LoadScriptFile(const std::string &path, GUIControl *parent = nullptr) {
    ::testing::internal::CaptureStdout();
    GUIControl *ctl = GUIControlCreateFromFile(parent, path.c_str());
    return {ctl, ::testing::internal::GetCapturedStdout()};
}

} // namespace testsupport
