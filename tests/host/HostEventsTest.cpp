// SDL keys and buttons turned into virtual key codes and flag words, and SDL
// events into dialog handler calls with the flags of each moment.
#include <gtest/gtest.h>

#include <tuple>

#include "HostEvents.h"
#include "HostInput.h"
#include "HostTestSupport.h"

namespace {

using Calls = std::vector<hosttest::Call>;

SDL_Event Motion(int32_t x, int32_t y, uint32_t buttonMask) {
    return {.motion = {.type = SDL_MOUSEMOTION, .state = buttonMask, .x = x, .y = y}};
}

SDL_Event Button(uint8_t button, bool pressed, int32_t x, int32_t y) {
    return {.button = {.type = Uint32(pressed ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP),
                       .button = button,
                       .state = Uint8(pressed ? SDL_PRESSED : SDL_RELEASED),
                       .x = x,
                       .y = y}};
}

// modifiers is the state after this key, as SDL reports it.
SDL_Event Key(SDL_Keycode key, SDL_Scancode scancode, bool pressed,
              uint16_t modifiers = KMOD_NONE) {
    return {.key = {.type = Uint32(pressed ? SDL_KEYDOWN : SDL_KEYUP),
                    .state = Uint8(pressed ? SDL_PRESSED : SDL_RELEASED),
                    .keysym = {.scancode = scancode, .sym = key, .mod = modifiers}}};
}

SDL_Event Other(uint32_t type, uint8_t windowEvent = 0) {
    return {.window = {.type = type, .event = windowEvent}};
}

// Mouse flags are those of the moment of each event; keys are routed like
// the dialog manager's, and closing the window cancels.
TEST(EventDispatchTest, MouseFlagsKeysAndWindowEventsReachTheirHandlers) {
    host::CEventDispatcher dispatcher;
    hosttest::CRecordingDialog dialog;
    for (const SDL_Event &event :
         {Motion(10, 20, 0),
          Button(SDL_BUTTON_LEFT, true, 11, 21),
          Key(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, true, KMOD_LSHIFT),
          Key(SDLK_RCTRL, SDL_SCANCODE_RCTRL, true, KMOD_LSHIFT | KMOD_RCTRL),
          Button(SDL_BUTTON_RIGHT, true, 2, 2),
          Button(SDL_BUTTON_MIDDLE, true, 5, 5),
          Key(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, false, KMOD_RCTRL),
          Button(SDL_BUTTON_RIGHT, false, 3, 3),
          Key(SDLK_RCTRL, SDL_SCANCODE_RCTRL, false),
          Button(SDL_BUTTON_MIDDLE, false, 7, 7),
          Motion(4, 4, SDL_BUTTON_LMASK),
          Button(SDL_BUTTON_LEFT, false, 13, 23),
          Key(SDLK_a, SDL_SCANCODE_A, true),
          Key(SDLK_a, SDL_SCANCODE_A, false),
          Key(SDLK_TAB, SDL_SCANCODE_TAB, true),
          Key(SDLK_RETURN, SDL_SCANCODE_RETURN, true),
          Key(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, true),
          Key(SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, true),
          Other(SDL_TEXTINPUT),
          Key(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, true),
          Other(SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED),
          Other(SDL_WINDOWEVENT, SDL_WINDOWEVENT_MOVED),
          Other(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE),
          Other(SDL_QUIT)})
        dispatcher.Dispatch(event, dialog);
    EXPECT_EQ(dialog.calls, (Calls{{"move", 0, 10, 20},
                                   {"ldown", 0x01, 11, 21},
                                   {"key", 16, 0, 0},
                                   {"key", 17, 0, 0},
                                   {"rdown", 0x01 | 0x02 | 0x04 | 0x08, 2, 2},
                                   {"rup", 0x01 | 0x10 | 0x08, 3, 3},
                                   {"move", 0x01, 4, 4},
                                   {"lup", 0, 13, 23},
                                   {"key", 65, 0, 0},
                                   {"search", 0, 0, 0},
                                   {"search", 0, 0, 0},
                                   {"key", 34, 0, 0},
                                   {"cancel", 0, 0, 0},
                                   {"paint", 0, 0, 0},
                                   {"cancel", 0, 0, 0},
                                   {"cancel", 0, 0, 0}}));
}

// Letters follow the layout and other keys their position; only left, right,
// middle, Shift and Control have mouse-flag bits.
TEST(InputTranslationTest, VirtualKeysAndMouseFlags) {
    // Key, scan code, modifiers, virtual key.
    const std::tuple<SDL_Keycode, SDL_Scancode, uint16_t, uint32_t> cases[] = {
        {SDLK_z, SDL_SCANCODE_Z, KMOD_LSHIFT, 90},
        // French layout: the key in the Q position types 'a'.
        {SDLK_a, SDL_SCANCODE_Q, KMOD_NONE, 65},
        // A Cyrillic letter on the A key keeps the A key's code.
        {0x444, SDL_SCANCODE_A, KMOD_NONE, 65},
        {SDLK_F24, SDL_SCANCODE_F24, KMOD_NONE, 135},
        // The keypad's digits depend on Num Lock, its operators do not.
        {SDLK_KP_0, SDL_SCANCODE_KP_0, KMOD_NUM, 96},
        {SDLK_KP_0, SDL_SCANCODE_KP_0, KMOD_NONE, 45},
        {SDLK_LESS, SDL_SCANCODE_NONUSBACKSLASH, KMOD_NONE, 226},
        {SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP, KMOD_NONE, 0},
    };
    for (const auto &[key, scancode, modifiers, expected] : cases)
        EXPECT_EQ(host::VirtualKeyFromSdl(key, scancode, modifiers), expected)
            << SDL_GetScancodeName(scancode) << " modifiers " << modifiers;
    EXPECT_EQ(host::MouseFlagWord(SDL_BUTTON_RMASK, KMOD_RSHIFT), 0x06u);
    EXPECT_EQ(host::MouseFlagWord(SDL_BUTTON_MMASK, KMOD_LCTRL), 0x18u);
    EXPECT_EQ(host::MouseFlagWord(SDL_BUTTON_X1MASK | SDL_BUTTON_X2MASK,
                                  KMOD_ALT | KMOD_NUM | KMOD_CAPS | KMOD_GUI),
              0u);
    // Button numbers outside the mask change nothing.
    for (uint8_t button : {0, 33, 200})
        EXPECT_EQ(host::UpdateButtonMask(SDL_BUTTON_RMASK, button, true), SDL_BUTTON_RMASK);
}

} // namespace
