// Translation of SDL keyboard and mouse state into what a Windows dialog
// receives: virtual-key codes, the dialog manager's routing of keys, and the
// mouse-flag word.
#pragma once

#include <SDL_keyboard.h>

#include <cstdint>

namespace host {

// The Windows virtual-key code of a key, 0 for keys that have none. Letters
// follow the keyboard layout (the key's keycode); every other key its position
// (its scancode), as Windows codes do. Keypad digits give their navigation
// codes while Num Lock is off.
uint32_t VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode, uint16_t modifiers);

enum class KeyRoute {
    Ignore,        // Tab, and keys without a virtual-key code
    SearchCommand, // Return and keypad Enter run the default command
    Cancel,        // Escape ends the dialog
    KeyDown,       // everything else reaches OnKeyDown
};

struct KeyAction {
    KeyRoute route;
    uint32_t virtualKey;
};

// Routes a key-down as the dialog manager does for a dialog that wants arrow keys.
KeyAction RouteKeyDown(SDL_Keycode key, SDL_Scancode scancode, uint16_t modifiers);

// The mouse-flag word from SDL's button mask (SDL_BUTTON_LMASK, ...) and
// modifier state (KMOD_SHIFT, ...).
uint32_t MouseFlagWord(uint32_t sdlButtonMask, uint16_t modifiers);

// The button mask after a press or release of one SDL button (SDL_BUTTON_LEFT, ...).
uint32_t UpdateButtonMask(uint32_t sdlButtonMask, uint8_t button, bool pressed);

} // namespace host
