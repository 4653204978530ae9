// The button's event sequences under simulated mouse input.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "GUIButton.h"
#include "GUIDesktop.h"

namespace {

struct Event {
    GUIControl *sender;
    int32_t code;
    bool operator==(const Event &) const = default;
};

std::vector<Event> *events = nullptr;

int32_t RecordEvent(GUIControl *, GUIControl *sender, int32_t code) {
    events->push_back({sender, code});
    return 0;
}

int draws = 0;
void CountDraw(GUIControl *, GUIRect *) {
    ++draws;
}

// A desktop whose handler records every event, with one button at (20, 20)
// of 100 x 30, driven like the host drives the root.
class Button : public testsupport::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        events = &log;
        desktop = GUIDesktopNew(200, 100);
        desktop->OnPublicEvent = RecordEvent;
        GUIRect rect{20, 120, 20, 50};
        button = GUIButtonNew(desktop, &rect, "OK");
        button->Draw = CountDraw;
        log.clear();
        draws = 0;
    }
    void TearDown() override {
        ToolkitTest::TearDown();
        events = nullptr;
    }
    void Mouse(int32_t x, int32_t y, uint8_t buttons) {
        GUIControlMouse(desktop, x, y, buttons, static_cast<uint8_t>(buttons ^ previous), 1);
        previous = buttons;
    }
    std::vector<int32_t> Codes() const {
        std::vector<int32_t> codes;
        for (const Event &e : log) {
            EXPECT_EQ(e.sender, button);
            codes.push_back(e.code);
        }
        return codes;
    }
    GUIButton *State() { return reinterpret_cast<GUIButton *>(button); }

    static constexpr int32_t kDown = GUI_EVENT_BUTTON_DOWN;
    static constexpr int32_t kUp = GUI_EVENT_BUTTON_UP;
    static constexpr int32_t kClicked = GUI_EVENT_BUTTON_CLICKED;
    std::vector<Event> log;
    GUIControl *desktop = nullptr;
    GUIControl *button = nullptr;
    uint8_t previous = 0;
};

TEST_F(Button, ClickGivesDownUpClicked) {
    Mouse(30, 30, 0);
    Mouse(30, 30, 1);
    EXPECT_TRUE(State()->bPushed);
    EXPECT_TRUE(State()->bHeld);
    EXPECT_TRUE(button->bMouseHold);
    EXPECT_EQ(draws, 1);
    Mouse(31, 30, 1);
    Mouse(31, 30, 0);
    EXPECT_EQ(Codes(), (std::vector<int32_t>{kDown, kUp, kClicked}));
    EXPECT_FALSE(State()->bPushed);
    EXPECT_FALSE(State()->bHeld);
    EXPECT_FALSE(button->bMouseHold);
    EXPECT_EQ(draws, 2);
}

TEST_F(Button, LeavingAndComingBackWhileHeldStillClicks) {
    Mouse(30, 30, 1);
    Mouse(5, 5, 1);
    EXPECT_FALSE(State()->bPushed);
    EXPECT_TRUE(State()->bHeld);
    Mouse(6, 5, 1);
    Mouse(119, 49, 1);
    Mouse(119, 49, 0);
    EXPECT_EQ(Codes(), (std::vector<int32_t>{kDown, kUp, kDown, kUp, kClicked}));
}

TEST_F(Button, ReleasingOffTheButtonDoesNotClick) {
    Mouse(30, 30, 1);
    Mouse(120, 30, 1);
    Mouse(120, 30, 0);
    Mouse(30, 30, 0);
    EXPECT_EQ(Codes(), (std::vector<int32_t>{kDown, kUp}));
    EXPECT_FALSE(State()->bHeld);
}

TEST_F(Button, ReleaseWithoutPressOnItRaisesNothing) {
    Mouse(5, 5, 1);
    Mouse(30, 30, 1);
    Mouse(30, 30, 0);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(draws, 0);
}

TEST_F(Button, RightButtonIsIgnored) {
    Mouse(30, 30, 2);
    Mouse(30, 30, 0);
    Mouse(30, 30, 2 | 4 | 8);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(State()->bHeld);
}

GUIControl *seenBySkin = nullptr;
void InspectButton(GUIControl *ctl) {
    seenBySkin = ctl;
    EXPECT_EQ(ctl->pType, &sGUIButtonType);
    EXPECT_EQ(ctl->Mouse, GUIButtonMouse);
    EXPECT_FALSE(ctl->bAllocated) << "the hook runs inside the init";
    GUIControlSetSize(ctl, 114, 28);
}

TEST_F(Button, SkinHookRunsLastAndTheConstructorAnnouncesTheButton) {
    pGUIButtonSkinInit = InspectButton;
    GUIRect rect{1, 2, 3, 4};
    const std::string longCaption(300, 'c');
    GUIControl *made = GUIButtonNew(desktop, &rect, longCaption.c_str());
    EXPECT_EQ(seenBySkin, made);
    EXPECT_EQ(made->iWidth, 114);
    EXPECT_TRUE(made->bAllocated);
    EXPECT_EQ(reinterpret_cast<GUIButton *>(made)->szCaption, std::string(127, 'c'));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), (Event{made, GUI_EVENT_CREATED}));
}

// A composite control's part: a button embedded in another record.
struct Holder {
    GUIControl oControl;
    GUIButton oButton;
};

TEST_F(Button, EmbeddedButtonWorksOncePlaced) {
    Holder holder{};
    GUIRect whole{0, 200, 0, 100};
    GUIControlInit(&holder.oControl, desktop, &whole);
    GUIRect zero{0, 0, 0, 0};
    GUIButtonInit(&holder.oButton, &holder.oControl, &zero, "");
    GUIControl *part = &holder.oButton.oControl;
    EXPECT_FALSE(part->bAllocated);
    GUIControlSetPos(part, 150, 60);
    GUIControlSetSize(part, 20, 20);
    log.clear();
    Mouse(155, 65, 1);
    Mouse(155, 65, 0);
    std::vector<int32_t> codes;
    for (const Event &e : log)
        if (e.sender == part)
            codes.push_back(e.code);
    EXPECT_EQ(codes, (std::vector<int32_t>{kDown, kUp, kClicked}));
    GUIControlRemove(&holder.oControl);
}

} // namespace
