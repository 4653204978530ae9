// Separator: a splitter that lays its children out side by side or stacked,
// in proportion to their sizes, with a gap between neighbours that the user
// drags to move the border between them.
#pragma once

#include <stdint.h>

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GUISeparator {
    GUIControl oControl;
    uint8_t bVertical; // 1: stacked top to bottom; 0: side by side
    int32_t iGap;
    uint8_t bDragging;
    GUIControl *pDragChild; // the child before the dragged gap
    int32_t iDragPos;       // last pointer coordinate along the separator
} GUISeparator;

extern GUIControlType sGUISeparatorType;

GUIControl *GUISeparatorFromScript(GUIControl *parent, GUIScriptReader *reader,
                                   GUIControlScriptArgs *args);
GUIControl *GUISeparatorNew(GUIControl *parent, GUIRect *rect, uint8_t vertical);
void GUISeparatorInit(GUISeparator *separator, GUIControl *parent, GUIRect *rect, uint8_t vertical);
void GUISeparatorLayout(GUIControl *ctl);
int32_t GUISeparatorOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event);
void GUISeparatorMouse(GUIControl *self, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                       uint8_t inside);

#ifdef __cplusplus
}
#endif
