// The button's event sequences under simulated mouse input, and its constructor.
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "GUIButton.h"

using testsupport::eventsOf;

namespace {

constexpr int32_t kDown = GUI_EVENT_BUTTON_DOWN, kUp = GUI_EVENT_BUTTON_UP,
                  kClicked = GUI_EVENT_BUTTON_CLICKED;

struct Step {
    int32_t x, y;
    uint8_t buttons;
};

struct Sequence {
    const char *name;
    std::vector<Step> steps;
    std::vector<int32_t> events;
};

// A button at (20, 20) of 100 x 30 on the recording root.
class Button : public testsupport::RootTest {
  protected:
    void SetUp() override {
        RootTest::SetUp();
        GUIRect rect{20, 120, 20, 50};
        button = GUIButtonNew(&root, &rect, "OK");
    }
    void Mouse(Step s) {
        GUIControlMouse(&root, s.x, s.y, s.buttons, static_cast<uint8_t>(s.buttons ^ previous), 1);
        previous = s.buttons;
    }
    GUIButton *State() { return reinterpret_cast<GUIButton *>(button); }
    GUIControl *button = nullptr;
    uint8_t previous = 0;
};

TEST_F(Button, MouseSequencesRaiseTheirEventsAndLongCaptionsAreCut) {
    const Sequence sequences[] = {
        {"click", {{30, 30, 0}, {30, 30, 1}, {31, 30, 1}, {31, 30, 0}}, {kDown, kUp, kClicked}},
        {"leave and come back",
         {{30, 30, 1}, {5, 5, 1}, {6, 5, 1}, {119, 49, 1}, {119, 49, 0}},
         {kDown, kUp, kDown, kUp, kClicked}},
        {"release outside", {{30, 30, 1}, {120, 30, 1}, {120, 30, 0}, {30, 30, 0}}, {kDown, kUp}},
        {"release without press", {{5, 5, 1}, {30, 30, 1}, {30, 30, 0}}, {}},
        {"right button", {{30, 30, 2}, {30, 30, 0}, {30, 30, 2 | 4 | 8}}, {}},
    };
    for (const Sequence &s : sequences) {
        resetRecords();
        for (size_t i = 0; i < s.steps.size(); ++i) {
            Mouse(s.steps[i]);
            if (i == 0 && s.steps[0].buttons == 1 && !s.events.empty()) {
                EXPECT_TRUE(State()->bPushed && State()->bHeld && button->bMouseHold) << s.name;
                EXPECT_EQ(shown, (std::vector<GUIRect>{{20, 120, 20, 50}})) << "shown pushed";
            }
        }
        EXPECT_EQ(eventsOf(button), s.events) << s.name;
        EXPECT_FALSE(State()->bPushed || State()->bHeld || button->bMouseHold) << s.name;
    }
    GUIRect rect{1, 2, 3, 4};
    GUIControl *longCaption = GUIButtonNew(&root, &rect, std::string(300, 'c').c_str());
    EXPECT_EQ(reinterpret_cast<GUIButton *>(longCaption)->szCaption, std::string(127, 'c'));
}

} // namespace
