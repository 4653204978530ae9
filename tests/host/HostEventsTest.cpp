#include <gtest/gtest.h>

#include "HostEvents.h"
#include "RecordingDialog.h"

namespace {

using hosttest::Call;

SDL_Event Motion(int32_t x, int32_t y, uint32_t buttonMask) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    event.motion.state = buttonMask;
    return event;
}

SDL_Event Button(uint8_t button, bool pressed, int32_t x, int32_t y) {
    SDL_Event event{};
    event.type = pressed ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = button;
    event.button.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    return event;
}

// modifiers is the state after this key, as SDL reports it.
SDL_Event Key(SDL_Keycode key, SDL_Scancode scancode, bool pressed, uint16_t modifiers = KMOD_NONE,
              bool repeat = false) {
    SDL_Event event{};
    event.type = pressed ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = scancode;
    event.key.keysym.mod = modifiers;
    return event;
}

SDL_Event KeyDown(SDL_Keycode key, SDL_Scancode scancode, bool repeat = false) {
    return Key(key, scancode, true, KMOD_NONE, repeat);
}

SDL_Event WindowEvent(SDL_WindowEventID id) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = id;
    return event;
}

class EventDispatchTest : public ::testing::Test {
  protected:
    void Send(const SDL_Event &event) { dispatcher.Dispatch(event, dialog); }

    host::CEventDispatcher dispatcher;
    hosttest::CRecordingDialog dialog;
};

TEST_F(EventDispatchTest, LeftClickCarriesTheButtonOnPressOnly) {
    Send(Motion(10, 20, 0));
    Send(Button(SDL_BUTTON_LEFT, true, 11, 21));
    Send(Motion(12, 22, SDL_BUTTON_LMASK));
    Send(Button(SDL_BUTTON_LEFT, false, 13, 23));
    const std::vector<Call> expected{
        {"move", 0, 10, 20}, {"ldown", 0x01, 11, 21}, {"move", 0x01, 12, 22}, {"lup", 0, 13, 23}};
    EXPECT_EQ(dialog.calls, expected);
}

TEST_F(EventDispatchTest, ModifiersAreThoseOfTheMomentOfEachEvent) {
    Send(Key(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, true, KMOD_LSHIFT));
    Send(Button(SDL_BUTTON_LEFT, true, 1, 1));
    Send(Key(SDLK_RCTRL, SDL_SCANCODE_RCTRL, true, KMOD_LSHIFT | KMOD_RCTRL));
    Send(Button(SDL_BUTTON_RIGHT, true, 2, 2));
    Send(Key(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, false, KMOD_RCTRL));
    Send(Button(SDL_BUTTON_RIGHT, false, 3, 3));
    Send(Key(SDLK_RCTRL, SDL_SCANCODE_RCTRL, false, KMOD_NONE));
    Send(Motion(4, 4, SDL_BUTTON_LMASK));
    const std::vector<Call> expected{
        {"key", 16},
        {"ldown", 0x01 | 0x04, 1, 1},
        {"key", 17},
        {"rdown", 0x01 | 0x02 | 0x04 | 0x08, 2, 2},
        {"rup", 0x01 | 0x08, 3, 3},
        {"move", 0x01, 4, 4},
    };
    EXPECT_EQ(dialog.calls, expected);
}

TEST_F(EventDispatchTest, MiddleButtonIsNotForwardedButShowsInTheFlags) {
    Send(Button(SDL_BUTTON_MIDDLE, true, 5, 5));
    Send(Button(SDL_BUTTON_X1, true, 5, 5));
    Send(Button(SDL_BUTTON_LEFT, true, 6, 6));
    Send(Button(SDL_BUTTON_MIDDLE, false, 7, 7));
    Send(Button(SDL_BUTTON_LEFT, false, 8, 8));
    const std::vector<Call> expected{{"ldown", 0x11, 6, 6}, {"lup", 0, 8, 8}};
    EXPECT_EQ(dialog.calls, expected);
}

TEST_F(EventDispatchTest, KeysAreRoutedLikeTheDialogManager) {
    Send(KeyDown(SDLK_a, SDL_SCANCODE_A));
    Send(KeyDown(SDLK_a, SDL_SCANCODE_A, true));
    Send(KeyDown(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT));
    Send(KeyDown(SDLK_TAB, SDL_SCANCODE_TAB));
    Send(KeyDown(SDLK_RETURN, SDL_SCANCODE_RETURN));
    Send(KeyDown(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER));
    Send(KeyDown(SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN));
    Send(KeyDown(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE));
    const std::vector<Call> expected{{"key", 65}, {"key", 65}, {"key", 16}, {"search"},
                                     {"search"},  {"key", 34}, {"cancel"}};
    EXPECT_EQ(dialog.calls, expected);
}

TEST_F(EventDispatchTest, KeyUpsAndTextAreNotForwarded) {
    Send(Key(SDLK_a, SDL_SCANCODE_A, false));
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    Send(text);
    EXPECT_TRUE(dialog.calls.empty());
}

TEST_F(EventDispatchTest, ExposePaintsAndClosingCancels) {
    Send(WindowEvent(SDL_WINDOWEVENT_EXPOSED));
    Send(WindowEvent(SDL_WINDOWEVENT_MOVED));
    Send(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    Send(WindowEvent(SDL_WINDOWEVENT_CLOSE));
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    Send(quit);
    const std::vector<Call> expected{{"paint"}, {"cancel"}, {"cancel"}};
    EXPECT_EQ(dialog.calls, expected);
}

} // namespace
