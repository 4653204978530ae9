// Shared pieces of the core tests: a screen fixture on an in-memory back
// buffer that records the rectangles shown, surfaces of known content, and
// recorders for Draw calls and raised events.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "GUIControl.h"
#include "GUIModule.h"
#include "PngDump.h"

// Found by argument lookup: GUIRect lives in the global namespace.
inline bool operator==(const GUIRect &a, const GUIRect &b) {
    return a.iLeft == b.iLeft && a.iRight == b.iRight && a.iTop == b.iTop && a.iBottom == b.iBottom;
}

inline std::ostream &operator<<(std::ostream &os, const GUIRect &r) {
    return os << "{" << r.iLeft << ", " << r.iRight << ", " << r.iTop << ", " << r.iBottom << "}";
}

namespace coretest {

// A surface of one colour (0x00RRGGBB), tiled by every blit.
struct SolidSurface {
    uint32_t pixel;
    GfxSurface surface{};
    explicit SolidSurface(uint32_t rgb) : pixel(rgb) {
        surface.pPixels = &pixel;
        surface.iBmpWidth = 1;
        surface.iBmpHeight = 1;
    }
    SolidSurface(const SolidSurface &) = delete;
    SolidSurface &operator=(const SolidSurface &) = delete;
};

// A surface whose pixel (x, y) names its own coordinates, so a drawn pixel
// tells which surface point landed there.
struct CoordSurface {
    std::vector<uint32_t> pixels;
    GfxSurface surface{};
    CoordSurface(int32_t w, int32_t h) : pixels(static_cast<size_t>(w) * h) {
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                pixels[static_cast<size_t>(y) * w + x] = at(x, y);
        surface.pPixels = pixels.data();
        surface.iBmpWidth = w;
        surface.iBmpHeight = h;
    }
    CoordSurface(const CoordSurface &) = delete;
    CoordSurface &operator=(const CoordSurface &) = delete;
    static uint32_t at(int32_t x, int32_t y) {
        return 0x800000u + (static_cast<uint32_t>(y) << 8) + static_cast<uint32_t>(x);
    }
};

inline GUIRect clipOf(const GUIControl &c) {
    return GUIRect{c.iClipLeft, c.iClipRight, c.iClipTop, c.iClipBottom};
}

struct DrawCall {
    const GUIControl *control;
    GUIRect rect;
};

struct RaisedEvent {
    const GUIControl *control;
    int32_t event;
    bool noDrawWhileDelivered;
};

// Every Draw and every event raised on a control (sender == receiver) lands here.
inline std::vector<DrawCall> &drawCalls() {
    static std::vector<DrawCall> calls;
    return calls;
}

inline std::vector<RaisedEvent> &raisedEvents() {
    static std::vector<RaisedEvent> events;
    return events;
}

inline void recordingDraw(GUIControl *self, GUIRect *rect) {
    drawCalls().push_back({self, *rect});
    GUIControlDefaultDraw(self, rect);
}

inline int32_t recordingInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    if (self == sender)
        raisedEvents().push_back({self, event, self->bNoDraw != 0});
    return GUIControlOnInnerEvent(self, sender, event);
}

inline bool wasDrawn(const GUIControl &c) {
    for (const DrawCall &call : drawCalls())
        if (call.control == &c)
            return true;
    return false;
}

// Initialises an embedded control that records its draws and raised events.
inline void makeControl(GUIControl &c, GUIControl *parent, GUIRect rect,
                        GfxSurface *background = nullptr) {
    c = GUIControl{};
    GUIControlInit(&c, parent, &rect);
    c.Draw = recordingDraw;
    c.OnInnerEvent = recordingInnerEvent;
    c.pBackground = background;
}

// An identifier copy owned by the control, as the script loader makes it.
inline void giveID(GUIControl &c, const char *id) {
    const size_t size = std::strlen(id) + 1;
    c.pszID = static_cast<char *>(__dalloc(static_cast<uint32_t>(size), "tests", __LINE__));
    std::memcpy(c.pszID, id, size);
}

// A 200 x 120 back buffer in memory; the rectangles handed to the window are
// collected, and a failing test leaves the back buffer as a PNG.
class Screen : public ::testing::Test {
  protected:
    static constexpr int32_t kWidth = 200;
    static constexpr int32_t kHeight = 120;

    std::vector<GUIRect> shown;

    void SetUp() override {
        GfxAPIInit(nullptr, kWidth, kHeight);
        GfxAPISetDisplayHook(&Screen::collect, this);
        pGUIControlRoot = nullptr;
        pGUIControlMarked = nullptr;
        drawCalls().clear();
        raisedEvents().clear();
    }

    void TearDown() override {
        GfxAPISetDisplayHook(nullptr, nullptr);
        if (HasFailure()) {
            const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
            testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/" +
                                            info->test_suite_name() + "_" + info->name() + ".png");
        }
        pGUIControlRoot = nullptr;
        pGUIControlMarked = nullptr;
    }

    // Forgets what was drawn, shown and raised so far.
    void resetRecords() {
        shown.clear();
        drawCalls().clear();
        raisedEvents().clear();
    }

  private:
    static void collect(const GUIRect *rect, void *user) {
        static_cast<Screen *>(user)->shown.push_back(*rect);
    }
};

} // namespace coretest
