// Window: a movable, resizable frame with a title bar whose first child fills
// the client area; a button "__window_close" inside it closes it.
#pragma once

#include <stdint.h>

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_WINDOW_TITLE_SIZE = 32 };

// The window's keys: the upper-case letter codes.
enum GUIWindowKeyCode {
    GUI_WINDOW_KEY_CLOSE = 69, // E
    GUI_WINDOW_KEY_RAISE = 81, // Q
    GUI_WINDOW_KEY_LOAD = 82,  // R: loads "ablak" into the root
    GUI_WINDOW_KEY_LOWER = 87, // W
};

typedef struct GUIWindow {
    GUIControl oControl;
    int32_t iBorder;
    int32_t iTitleHeight;
    char szTitle[GUI_WINDOW_TITLE_SIZE];
    int32_t iDragX; // grab point in the window's coordinates during a drag
    int32_t iDragY;
    uint8_t bMoving;
    uint8_t bResizing;
} GUIWindow;

extern GUIControlType sGUIWindowType;

GUIControl *GUIWindowFromScript(GUIControl *parent, GUIScriptReader *reader,
                                GUIControlScriptArgs *args);
GUIControl *GUIWindowNew(GUIControl *parent, GUIRect *rect, const char *title);
void GUIWindowInit(GUIWindow *window, GUIControl *parent, GUIRect *rect, const char *title);
void GUIWindowLayout(GUIControl *ctl);
int32_t GUIWindowOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event);
void GUIWindowMouse(GUIControl *self, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                    uint8_t inside);
bool GUIWindowKey(GUIControl *self, int32_t key, int32_t flags);

#ifdef __cplusplus
}
#endif
