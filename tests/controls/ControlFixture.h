// The edit and list tests' set-up: the shared recording root, plus the events
// of one sender in order and a picture of the back buffer when a test fails.
#pragma once

#include <vector>

#include "PngDump.h"
#include "ScrollViewFixture.h"

namespace controltest {

// Event codes that reached the root from sender, in the order they arrived.
inline std::vector<int32_t> eventsOf(const GUIControl *sender) {
    std::vector<int32_t> codes;
    for (const RaisedEvent &e : raisedEvents())
        if (e.sender == sender)
            codes.push_back(e.event);
    return codes;
}

class RootFixture : public ControlTest {
  protected:
    void TearDown() override {
        if (HasFailure()) {
            const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
            testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/" + info->name() + ".png");
        }
        ControlTest::TearDown();
    }
};

} // namespace controltest
