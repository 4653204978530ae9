#include "HostInput.h"

#include <SDL_mouse.h>

#include <array>
#include <utility>

#include "VirtualKeys.h"

namespace host {
namespace {

using ScancodeKey = std::pair<SDL_Scancode, uint32_t>;

// Keys whose code depends only on their position.
constexpr std::array kPositionalKeys{
    ScancodeKey{SDL_SCANCODE_RETURN, vk::kReturn},
    ScancodeKey{SDL_SCANCODE_KP_ENTER, vk::kReturn},
    ScancodeKey{SDL_SCANCODE_ESCAPE, vk::kEscape},
    ScancodeKey{SDL_SCANCODE_BACKSPACE, vk::kBack},
    ScancodeKey{SDL_SCANCODE_TAB, vk::kTab},
    ScancodeKey{SDL_SCANCODE_SPACE, vk::kSpace},
    ScancodeKey{SDL_SCANCODE_MINUS, vk::kOemMinus},
    ScancodeKey{SDL_SCANCODE_EQUALS, vk::kOemPlus},
    ScancodeKey{SDL_SCANCODE_LEFTBRACKET, vk::kOem4},
    ScancodeKey{SDL_SCANCODE_RIGHTBRACKET, vk::kOem6},
    ScancodeKey{SDL_SCANCODE_BACKSLASH, vk::kOem5},
    ScancodeKey{SDL_SCANCODE_NONUSHASH, vk::kOem5},
    ScancodeKey{SDL_SCANCODE_SEMICOLON, vk::kOem1},
    ScancodeKey{SDL_SCANCODE_APOSTROPHE, vk::kOem7},
    ScancodeKey{SDL_SCANCODE_GRAVE, vk::kOem3},
    ScancodeKey{SDL_SCANCODE_COMMA, vk::kOemComma},
    ScancodeKey{SDL_SCANCODE_PERIOD, vk::kOemPeriod},
    ScancodeKey{SDL_SCANCODE_SLASH, vk::kOem2},
    ScancodeKey{SDL_SCANCODE_NONUSBACKSLASH, vk::kOem102},
    ScancodeKey{SDL_SCANCODE_CAPSLOCK, vk::kCapital},
    ScancodeKey{SDL_SCANCODE_PRINTSCREEN, vk::kSnapshot},
    ScancodeKey{SDL_SCANCODE_SCROLLLOCK, vk::kScrollLock},
    ScancodeKey{SDL_SCANCODE_PAUSE, vk::kPause},
    ScancodeKey{SDL_SCANCODE_INSERT, vk::kInsert},
    ScancodeKey{SDL_SCANCODE_HOME, vk::kHome},
    ScancodeKey{SDL_SCANCODE_PAGEUP, vk::kPrior},
    ScancodeKey{SDL_SCANCODE_DELETE, vk::kDelete},
    ScancodeKey{SDL_SCANCODE_END, vk::kEnd},
    ScancodeKey{SDL_SCANCODE_PAGEDOWN, vk::kNext},
    ScancodeKey{SDL_SCANCODE_RIGHT, vk::kRight},
    ScancodeKey{SDL_SCANCODE_LEFT, vk::kLeft},
    ScancodeKey{SDL_SCANCODE_DOWN, vk::kDown},
    ScancodeKey{SDL_SCANCODE_UP, vk::kUp},
    ScancodeKey{SDL_SCANCODE_NUMLOCKCLEAR, vk::kNumLock},
    ScancodeKey{SDL_SCANCODE_KP_DIVIDE, vk::kDivide},
    ScancodeKey{SDL_SCANCODE_KP_MULTIPLY, vk::kMultiply},
    ScancodeKey{SDL_SCANCODE_KP_MINUS, vk::kSubtract},
    ScancodeKey{SDL_SCANCODE_KP_PLUS, vk::kAdd},
    ScancodeKey{SDL_SCANCODE_LSHIFT, vk::kShift},
    ScancodeKey{SDL_SCANCODE_RSHIFT, vk::kShift},
    ScancodeKey{SDL_SCANCODE_LCTRL, vk::kControl},
    ScancodeKey{SDL_SCANCODE_RCTRL, vk::kControl},
    ScancodeKey{SDL_SCANCODE_LALT, vk::kMenu},
    ScancodeKey{SDL_SCANCODE_RALT, vk::kMenu},
    ScancodeKey{SDL_SCANCODE_LGUI, vk::kLeftWin},
    ScancodeKey{SDL_SCANCODE_RGUI, vk::kRightWin},
    ScancodeKey{SDL_SCANCODE_APPLICATION, vk::kApps},
};

// Keypad keys with Num Lock on, then off: keypad 1 to 9, keypad 0, keypad point.
struct KeypadKey {
    SDL_Scancode scancode;
    uint32_t withNumLock;
    uint32_t withoutNumLock;
};

constexpr std::array kKeypadKeys{
    KeypadKey{SDL_SCANCODE_KP_1, vk::kNumpad0 + 1, vk::kEnd},
    KeypadKey{SDL_SCANCODE_KP_2, vk::kNumpad0 + 2, vk::kDown},
    KeypadKey{SDL_SCANCODE_KP_3, vk::kNumpad0 + 3, vk::kNext},
    KeypadKey{SDL_SCANCODE_KP_4, vk::kNumpad0 + 4, vk::kLeft},
    KeypadKey{SDL_SCANCODE_KP_5, vk::kNumpad0 + 5, vk::kClear},
    KeypadKey{SDL_SCANCODE_KP_6, vk::kNumpad0 + 6, vk::kRight},
    KeypadKey{SDL_SCANCODE_KP_7, vk::kNumpad0 + 7, vk::kHome},
    KeypadKey{SDL_SCANCODE_KP_8, vk::kNumpad0 + 8, vk::kUp},
    KeypadKey{SDL_SCANCODE_KP_9, vk::kNumpad0 + 9, vk::kPrior},
    KeypadKey{SDL_SCANCODE_KP_0, vk::kNumpad0, vk::kInsert},
    KeypadKey{SDL_SCANCODE_KP_PERIOD, vk::kDecimal, vk::kDelete},
};

bool IsBetween(int value, int first, int last) {
    return value >= first && value <= last;
}

uint32_t PositionalVirtualKey(SDL_Scancode scancode, uint16_t modifiers) {
    if (IsBetween(scancode, SDL_SCANCODE_A, SDL_SCANCODE_Z))
        return vk::kLetterA + static_cast<uint32_t>(scancode - SDL_SCANCODE_A);
    // The digit row runs 1 to 9, then 0.
    if (IsBetween(scancode, SDL_SCANCODE_1, SDL_SCANCODE_9))
        return vk::kDigit0 + 1 + static_cast<uint32_t>(scancode - SDL_SCANCODE_1);
    if (scancode == SDL_SCANCODE_0)
        return vk::kDigit0;
    if (IsBetween(scancode, SDL_SCANCODE_F1, SDL_SCANCODE_F12))
        return vk::kF1 + static_cast<uint32_t>(scancode - SDL_SCANCODE_F1);
    if (IsBetween(scancode, SDL_SCANCODE_F13, SDL_SCANCODE_F24))
        return vk::kF1 + 12 + static_cast<uint32_t>(scancode - SDL_SCANCODE_F13);
    for (const auto &key : kKeypadKeys) {
        if (key.scancode == scancode)
            return (modifiers & KMOD_NUM) ? key.withNumLock : key.withoutNumLock;
    }
    for (const auto &[code, virtualKey] : kPositionalKeys) {
        if (code == scancode)
            return virtualKey;
    }
    return 0;
}

} // namespace

uint32_t VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode, uint16_t modifiers) {
    if (IsBetween(key, SDLK_a, SDLK_z))
        return vk::kLetterA + static_cast<uint32_t>(key - SDLK_a);
    return PositionalVirtualKey(scancode, modifiers);
}

KeyAction RouteKeyDown(SDL_Keycode key, SDL_Scancode scancode, uint16_t modifiers) {
    const uint32_t virtualKey = VirtualKeyFromSdl(key, scancode, modifiers);
    switch (virtualKey) {
    case 0:
    case vk::kTab:
        return {KeyRoute::Ignore, virtualKey};
    case vk::kReturn:
        return {KeyRoute::SearchCommand, virtualKey};
    case vk::kEscape:
        return {KeyRoute::Cancel, virtualKey};
    default:
        return {KeyRoute::KeyDown, virtualKey};
    }
}

uint32_t MouseFlagWord(uint32_t sdlButtonMask, uint16_t modifiers) {
    uint32_t flags = 0;
    if (sdlButtonMask & SDL_BUTTON_LMASK)
        flags |= kMouseLeft;
    if (sdlButtonMask & SDL_BUTTON_RMASK)
        flags |= kMouseRight;
    if (sdlButtonMask & SDL_BUTTON_MMASK)
        flags |= kMouseMiddle;
    if (modifiers & KMOD_SHIFT)
        flags |= kMouseShift;
    if (modifiers & KMOD_CTRL)
        flags |= kMouseControl;
    return flags;
}

uint32_t UpdateButtonMask(uint32_t sdlButtonMask, uint8_t button, bool pressed) {
    if (button == 0 || button > 32)
        return sdlButtonMask;
    const uint32_t bit = SDL_BUTTON(button);
    return pressed ? (sdlButtonMask | bit) : (sdlButtonMask & ~bit);
}

} // namespace host
