// Input codes shared by the toolkit, the host and the tests: the bits of the
// mouse-button word that GUIControlMouse receives, and the key codes that
// GUIControlShareKey offers (Windows virtual-key values, letters lowered).
#pragma once

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum GUIMouseBit {
    GUI_MOUSE_LEFT = 0x01,
    GUI_MOUSE_RIGHT = 0x02,
    GUI_MOUSE_SHIFT = 0x04,
    GUI_MOUSE_CONTROL = 0x08,
    GUI_MOUSE_MIDDLE = 0x10,
};

enum GUIKeyCode {
    GUI_KEY_BACKSPACE = 8,
    GUI_KEY_RETURN = 13,
    GUI_KEY_ESCAPE = 27,
    GUI_KEY_PAGE_UP = 33,
    GUI_KEY_PAGE_DOWN = 34,
    GUI_KEY_LEFT = 37,
    GUI_KEY_UP = 38,
    GUI_KEY_RIGHT = 39,
    GUI_KEY_DOWN = 40,
    GUI_KEY_DELETE = 46,
};

// The button went down with this report: set in both the held and the changed bits.
static inline bool GUIMousePressed(uint8_t buttons, uint8_t changed, uint8_t bit) {
    return (buttons & changed & bit) != 0;
}

// The button went up with this report: changed, and no longer held.
static inline bool GUIMouseReleased(uint8_t buttons, uint8_t changed, uint8_t bit) {
    return (changed & bit) != 0 && (buttons & bit) == 0;
}

#ifdef __cplusplus
}
#endif
