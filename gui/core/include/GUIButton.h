// Push button: two images and a caption, follows the left mouse button with
// press, drag-off and release, and raises GUI_EVENT_BUTTON_* events.
#pragma once

#include <stdint.h>

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_BUTTON_CAPTION_SIZE = 128 };

typedef struct GUIButton {
    GUIControl oControl;
    GfxSurface *pPushedImage;
    GfxSurface *pReleasedImage;
    char szCaption[GUI_BUTTON_CAPTION_SIZE];
    uint8_t bPushed; // shown pushed
    uint8_t bHeld;   // the left button went down on it and is not released yet
} GUIButton;

extern GUIControlType sGUIButtonType;

GUIControl *GUIButtonFromScript(GUIControl *parent, GUIScriptReader *reader,
                                GUIControlScriptArgs *args);
GUIControl *GUIButtonNew(GUIControl *parent, GUIRect *rect, const char *caption);
void GUIButtonInit(GUIButton *button, GUIControl *parent, GUIRect *rect, const char *caption);
void GUIButtonMouse(GUIControl *self, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                    uint8_t inside);

#ifdef __cplusplus
}
#endif
