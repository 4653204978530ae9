#include <gtest/gtest.h>

#include <SDL_mouse.h>

#include "HostInput.h"
#include "VirtualKeys.h"

namespace {

using host::KeyRoute;
using host::RouteKeyDown;
using host::VirtualKeyFromSdl;

struct KeyCase {
    SDL_Keycode key;
    SDL_Scancode scancode;
    uint32_t expected;
};

void ExpectKeys(std::initializer_list<KeyCase> cases, uint16_t modifiers = KMOD_NONE) {
    for (const KeyCase &c : cases) {
        SCOPED_TRACE(SDL_GetScancodeName(c.scancode));
        EXPECT_EQ(VirtualKeyFromSdl(c.key, c.scancode, modifiers), c.expected);
    }
}

TEST(VirtualKeyTest, LettersFollowTheLayoutAndAreUpperCaseCodes) {
    ExpectKeys({{SDLK_a, SDL_SCANCODE_A, 65},
                {SDLK_m, SDL_SCANCODE_M, 77},
                {SDLK_z, SDL_SCANCODE_Z, 90},
                // French layout: the key in the Q position types 'a'.
                {SDLK_a, SDL_SCANCODE_Q, 65},
                // French layout: 'm' sits where US keyboards have ';'.
                {SDLK_m, SDL_SCANCODE_SEMICOLON, 77},
                // A Cyrillic letter on the A key keeps the A key's code.
                {0x444, SDL_SCANCODE_A, 65}});
    // Shift does not change a letter's code.
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_a, SDL_SCANCODE_A, KMOD_LSHIFT), 65u);
}

TEST(VirtualKeyTest, DigitRowGoesByPosition) {
    ExpectKeys({{SDLK_1, SDL_SCANCODE_1, 49},
                {SDLK_5, SDL_SCANCODE_5, 53},
                {SDLK_9, SDL_SCANCODE_9, 57},
                {SDLK_0, SDL_SCANCODE_0, 48},
                // French layout: the 1 key types '&' unshifted.
                {SDLK_AMPERSAND, SDL_SCANCODE_1, 49}});
}

TEST(VirtualKeyTest, KeypadDependsOnNumLock) {
    ExpectKeys({{SDLK_KP_0, SDL_SCANCODE_KP_0, 96},
                {SDLK_KP_5, SDL_SCANCODE_KP_5, 101},
                {SDLK_KP_9, SDL_SCANCODE_KP_9, 105},
                {SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, 110}},
               KMOD_NUM);
    ExpectKeys({{SDLK_KP_0, SDL_SCANCODE_KP_0, 45},
                {SDLK_KP_1, SDL_SCANCODE_KP_1, 35},
                {SDLK_KP_2, SDL_SCANCODE_KP_2, 40},
                {SDLK_KP_3, SDL_SCANCODE_KP_3, 34},
                {SDLK_KP_4, SDL_SCANCODE_KP_4, 37},
                {SDLK_KP_5, SDL_SCANCODE_KP_5, 12},
                {SDLK_KP_6, SDL_SCANCODE_KP_6, 39},
                {SDLK_KP_7, SDL_SCANCODE_KP_7, 36},
                {SDLK_KP_8, SDL_SCANCODE_KP_8, 38},
                {SDLK_KP_9, SDL_SCANCODE_KP_9, 33},
                {SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, 46}});
    // The operators do not.
    ExpectKeys({{SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE, 111},
                {SDLK_KP_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY, 106},
                {SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS, 109},
                {SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, 107},
                {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 13}});
}

TEST(VirtualKeyTest, NavigationEditingAndModifierKeys) {
    ExpectKeys({{SDLK_LEFT, SDL_SCANCODE_LEFT, 37},
                {SDLK_UP, SDL_SCANCODE_UP, 38},
                {SDLK_RIGHT, SDL_SCANCODE_RIGHT, 39},
                {SDLK_DOWN, SDL_SCANCODE_DOWN, 40},
                {SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, 33},
                {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 34},
                {SDLK_END, SDL_SCANCODE_END, 35},
                {SDLK_HOME, SDL_SCANCODE_HOME, 36},
                {SDLK_INSERT, SDL_SCANCODE_INSERT, 45},
                {SDLK_DELETE, SDL_SCANCODE_DELETE, 46},
                {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 8},
                {SDLK_TAB, SDL_SCANCODE_TAB, 9},
                {SDLK_RETURN, SDL_SCANCODE_RETURN, 13},
                {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27},
                {SDLK_SPACE, SDL_SCANCODE_SPACE, 32},
                {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, 16},
                {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 16},
                {SDLK_LCTRL, SDL_SCANCODE_LCTRL, 17},
                {SDLK_LALT, SDL_SCANCODE_LALT, 18},
                {SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK, 20},
                {SDLK_F1, SDL_SCANCODE_F1, 112},
                {SDLK_F12, SDL_SCANCODE_F12, 123},
                {SDLK_F13, SDL_SCANCODE_F13, 124},
                {SDLK_F24, SDL_SCANCODE_F24, 135}});
}

TEST(VirtualKeyTest, PunctuationGivesTheOemCodesAndOtherKeysNone) {
    ExpectKeys({{SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, 186},
                {SDLK_COMMA, SDL_SCANCODE_COMMA, 188},
                {SDLK_MINUS, SDL_SCANCODE_MINUS, 189},
                {SDLK_SLASH, SDL_SCANCODE_SLASH, 191},
                {SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, 192},
                {SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, 222},
                {SDLK_LESS, SDL_SCANCODE_NONUSBACKSLASH, 226},
                {SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, 0},
                {SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP, 0}});
}

TEST(KeyRouteTest, ReturnSearchesEscapeCancelsTabIsSwallowed) {
    EXPECT_EQ(RouteKeyDown(SDLK_RETURN, SDL_SCANCODE_RETURN, 0).route, KeyRoute::SearchCommand);
    EXPECT_EQ(RouteKeyDown(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 0).route, KeyRoute::SearchCommand);
    EXPECT_EQ(RouteKeyDown(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 0).route, KeyRoute::Cancel);
    EXPECT_EQ(RouteKeyDown(SDLK_TAB, SDL_SCANCODE_TAB, 0).route, KeyRoute::Ignore);
    EXPECT_EQ(RouteKeyDown(SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, 0).route, KeyRoute::Ignore);
}

TEST(KeyRouteTest, OtherKeysReachTheDialogWithTheirCode) {
    const auto letter = RouteKeyDown(SDLK_q, SDL_SCANCODE_Q, KMOD_LSHIFT);
    EXPECT_EQ(letter.route, KeyRoute::KeyDown);
    EXPECT_EQ(letter.virtualKey, 81u);
    // Shift alone is passed on; dropping it is the dialog's translation.
    const auto shift = RouteKeyDown(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_LSHIFT);
    EXPECT_EQ(shift.route, KeyRoute::KeyDown);
    EXPECT_EQ(shift.virtualKey, host::vk::kShift);
    EXPECT_EQ(RouteKeyDown(SDLK_DOWN, SDL_SCANCODE_DOWN, 0).virtualKey, host::vk::kDown);
}

TEST(MouseFlagTest, ButtonsAndModifiersMapToTheirBits) {
    using host::MouseFlagWord;
    EXPECT_EQ(MouseFlagWord(0, KMOD_NONE), 0u);
    EXPECT_EQ(MouseFlagWord(SDL_BUTTON_LMASK, KMOD_NONE), 0x01u);
    EXPECT_EQ(MouseFlagWord(SDL_BUTTON_RMASK, KMOD_NONE), 0x02u);
    EXPECT_EQ(MouseFlagWord(SDL_BUTTON_MMASK, KMOD_NONE), 0x10u);
    EXPECT_EQ(MouseFlagWord(0, KMOD_LSHIFT), 0x04u);
    EXPECT_EQ(MouseFlagWord(0, KMOD_RSHIFT), 0x04u);
    EXPECT_EQ(MouseFlagWord(0, KMOD_LCTRL), 0x08u);
    EXPECT_EQ(MouseFlagWord(0, KMOD_RCTRL), 0x08u);
    EXPECT_EQ(MouseFlagWord(SDL_BUTTON_LMASK | SDL_BUTTON_RMASK | SDL_BUTTON_MMASK,
                            KMOD_LSHIFT | KMOD_RCTRL),
              0x1Fu);
    // Alt, the lock keys and the side buttons have no bit.
    EXPECT_EQ(MouseFlagWord(SDL_BUTTON_X1MASK | SDL_BUTTON_X2MASK,
                            KMOD_ALT | KMOD_NUM | KMOD_CAPS | KMOD_GUI),
              0u);
}

TEST(MouseFlagTest, ButtonMaskFollowsPressesAndReleases) {
    using host::UpdateButtonMask;
    uint32_t mask = UpdateButtonMask(0, SDL_BUTTON_LEFT, true);
    EXPECT_EQ(mask, SDL_BUTTON_LMASK);
    mask = UpdateButtonMask(mask, SDL_BUTTON_RIGHT, true);
    EXPECT_EQ(mask, SDL_BUTTON_LMASK | SDL_BUTTON_RMASK);
    mask = UpdateButtonMask(mask, SDL_BUTTON_LEFT, false);
    EXPECT_EQ(mask, SDL_BUTTON_RMASK);
    // A release of a button not held, and button numbers outside the mask, change nothing.
    EXPECT_EQ(UpdateButtonMask(mask, SDL_BUTTON_MIDDLE, false), SDL_BUTTON_RMASK);
    EXPECT_EQ(UpdateButtonMask(mask, 0, true), SDL_BUTTON_RMASK);
    EXPECT_EQ(UpdateButtonMask(mask, 40, true), SDL_BUTTON_RMASK);
}

} // namespace
