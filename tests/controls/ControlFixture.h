// A root control on an in-memory back buffer that records every event
// reaching it, for the control tests.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "GUIControl.h"
#include "PngDump.h"

namespace controltest {

struct Event {
    GUIControl *sender;
    int32_t code;
    bool operator==(const Event &) const = default;
};

inline std::vector<Event> &recordedEvents() {
    static std::vector<Event> events;
    return events;
}

inline int32_t recordEvent(GUIControl *, GUIControl *sender, int32_t event) {
    recordedEvents().push_back({sender, event});
    return 0;
}

// Events of one sender, in the order they arrived.
inline std::vector<int32_t> eventsOf(const GUIControl *sender) {
    std::vector<int32_t> codes;
    for (const Event &e : recordedEvents())
        if (e.sender == sender)
            codes.push_back(e.code);
    return codes;
}

inline int64_t countOf(const GUIControl *sender, int32_t code) {
    int64_t n = 0;
    for (const Event &e : recordedEvents())
        n += e.sender == sender && e.code == code;
    return n;
}

class RootFixture : public ::testing::Test {
  protected:
    static constexpr int32_t kWidth = 320;
    static constexpr int32_t kHeight = 240;
    GUIControl root{};

    void SetUp() override {
        GfxAPIInit(nullptr, kWidth, kHeight);
        GUIRect rect{0, kWidth, 0, kHeight};
        GUIControlInit(&root, nullptr, &rect);
        root.OnPublicEvent = recordEvent;
        recordedEvents().clear();
    }

    void TearDown() override {
        if (HasFailure()) {
            const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
            testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/" + info->name() + ".png");
        }
        GUIControlRemove(&root);
        recordedEvents().clear();
    }
};

} // namespace controltest
