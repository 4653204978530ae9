// Check box: an on/off image with a caption; a left press anywhere on it
// toggles the state and raises GUI_EVENT_CHECK_CHANGED.
#pragma once

#include <stdint.h>

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_CHECK_CAPTION_SIZE = 35 };

typedef struct GUICheck {
    GUIControl oControl;
    uint8_t bChecked; // owners read and write it directly
    char szCaption[GUI_CHECK_CAPTION_SIZE];
} GUICheck;

extern GUIControlType sGUICheckType;

GUIControl *GUICheckFromScript(GUIControl *parent, GUIScriptReader *reader,
                               GUIControlScriptArgs *args);
GUIControl *GUICheckNew(GUIControl *parent, GUIRect *rect, const char *caption);
void GUICheckInit(GUICheck *check, GUIControl *parent, GUIRect *rect, const char *caption);
void GUICheckMouse(GUIControl *self, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                   uint8_t inside);

#ifdef __cplusplus
}
#endif
