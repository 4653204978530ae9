// Virtual key codes from SDL keys, mouse flag words and the held-button mask.
#include <gtest/gtest.h>

#include <SDL_mouse.h>

#include "HostInput.h"

namespace {

TEST(VirtualKeyTest, LettersFollowTheLayoutAndOtherKeysTheirPosition) {
    const struct {
        SDL_Keycode key;
        SDL_Scancode scancode;
        uint16_t modifiers;
        uint32_t expected;
    } cases[] = {
        {SDLK_a, SDL_SCANCODE_A, KMOD_NONE, 65},
        {SDLK_z, SDL_SCANCODE_Z, KMOD_LSHIFT, 90},
        // French layout: the key in the Q position types 'a', the 1 key '&'.
        {SDLK_a, SDL_SCANCODE_Q, KMOD_NONE, 65},
        {SDLK_AMPERSAND, SDL_SCANCODE_1, KMOD_NONE, 49},
        // A Cyrillic letter on the A key keeps the A key's code.
        {0x444, SDL_SCANCODE_A, KMOD_NONE, 65},
        {SDLK_0, SDL_SCANCODE_0, KMOD_NONE, 48},
        {SDLK_9, SDL_SCANCODE_9, KMOD_NONE, 57},
        {SDLK_F12, SDL_SCANCODE_F12, KMOD_NONE, 123},
        {SDLK_F13, SDL_SCANCODE_F13, KMOD_NONE, 124},
        {SDLK_F24, SDL_SCANCODE_F24, KMOD_NONE, 135},
        // The keypad's digits depend on Num Lock, its operators do not.
        {SDLK_KP_0, SDL_SCANCODE_KP_0, KMOD_NUM, 96},
        {SDLK_KP_0, SDL_SCANCODE_KP_0, KMOD_NONE, 45},
        {SDLK_KP_5, SDL_SCANCODE_KP_5, KMOD_NONE, 12},
        {SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, KMOD_NUM, 110},
        {SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, KMOD_NONE, 46},
        {SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, KMOD_NONE, 107},
        {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, KMOD_NONE, 13},
        {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, KMOD_NONE, 34},
        {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, KMOD_NONE, 16},
        {SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, KMOD_NONE, 186},
        {SDLK_LESS, SDL_SCANCODE_NONUSBACKSLASH, KMOD_NONE, 226},
        {SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, KMOD_NONE, 0},
        {SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP, KMOD_NONE, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(host::VirtualKeyFromSdl(c.key, c.scancode, c.modifiers), c.expected)
            << SDL_GetScancodeName(c.scancode) << " modifiers " << c.modifiers;
}

TEST(MouseFlagTest, ButtonsAndModifiersMapToTheirBits) {
    using host::MouseFlagWord;
    EXPECT_EQ(MouseFlagWord(SDL_BUTTON_LMASK, KMOD_NONE), 0x01u);
    EXPECT_EQ(MouseFlagWord(SDL_BUTTON_RMASK, KMOD_RSHIFT), 0x06u);
    EXPECT_EQ(MouseFlagWord(SDL_BUTTON_MMASK, KMOD_LCTRL), 0x18u);
    // Alt, the lock keys and the side buttons have no bit.
    EXPECT_EQ(MouseFlagWord(SDL_BUTTON_X1MASK | SDL_BUTTON_X2MASK,
                            KMOD_ALT | KMOD_NUM | KMOD_CAPS | KMOD_GUI),
              0u);
}

TEST(MouseFlagTest, ButtonMaskFollowsPressesAndReleases) {
    using host::UpdateButtonMask;
    uint32_t mask = UpdateButtonMask(0, SDL_BUTTON_LEFT, true);
    mask = UpdateButtonMask(mask, SDL_BUTTON_RIGHT, true);
    EXPECT_EQ(mask, SDL_BUTTON_LMASK | SDL_BUTTON_RMASK);
    mask = UpdateButtonMask(mask, SDL_BUTTON_LEFT, false);
    EXPECT_EQ(mask, SDL_BUTTON_RMASK);
    // A release of a button not held, and button numbers outside the mask, change nothing.
    for (uint8_t button : {0, 33, 200})
        EXPECT_EQ(UpdateButtonMask(mask, button, true), SDL_BUTTON_RMASK) << int(button);
    EXPECT_EQ(UpdateButtonMask(mask, SDL_BUTTON_MIDDLE, false), SDL_BUTTON_RMASK);
}

} // namespace
