// Scroll bar: a back arrow, a forward arrow and a thumb showing a window
// [iPosStart, iPosEnd] inside the range [iMin, iMax]. The arrows step the
// window and repeat on timer ticks while held; dragging the thumb moves it.
#pragma once

#include <stdint.h>

#include "GUIButton.h"
#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

enum {
    GUI_SCROLLBAR_STEP = 15,
    GUI_SCROLLBAR_THUMB_THICKNESS = 16,
    GUI_SCROLLBAR_DRAG_MARGIN = 32,
    // Repeat counter value set by an arrow press: nine quiet ticks before the first repeat.
    GUI_SCROLLBAR_REPEAT_DELAY = -8,
    // Repeat counter value while an arrow is not held.
    GUI_SCROLLBAR_REPEAT_PARKED = INT32_MIN,
};

typedef struct GUIScrollBar {
    GUIControl oControl;
    GUIButton oBackArrow;    // left or top
    GUIButton oForwardArrow; // right or bottom
    GUIControl oThumb;
    int32_t iMin;
    int32_t iMax;
    int32_t iPosStart;
    int32_t iPosEnd;
    uint8_t bVertical;
    int32_t iTrackLength; // pixels between the two arrows
    int32_t iThumbThickness;
    uint8_t bDragging;
    int32_t iDragAnchor; // where the thumb was grabbed, along the bar, in its own coordinates
    int32_t iDragMargin; // how far across the bar the pointer may stray during a drag
    int32_t iBackRepeat;
    int32_t iForwardRepeat;
} GUIScrollBar;

extern GUIControlType sGUIScrollBarType;

GUIControl *GUIScrollBarFromScript(GUIControl *parent, GUIScriptReader *reader,
                                   GUIControlScriptArgs *args);
GUIControl *GUIScrollBarNew(GUIControl *parent, GUIRect *rect, int32_t min, int32_t max,
                            uint8_t vertical);
void GUIScrollBarInit(GUIScrollBar *bar, GUIControl *parent, GUIRect *rect, int32_t min,
                      int32_t max, uint8_t vertical);
void GUIScrollBarSetPos(GUIControl *ctl, int32_t start, int32_t end);
void GUIScrollBarSetRange(GUIControl *ctl, int32_t min, int32_t max);
void GUIScrollBarRecalc(GUIControl *ctl);
void GUIScrollBarStepBack(GUIControl *ctl);
void GUIScrollBarStepForward(GUIControl *ctl);
int32_t GUIScrollBarOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event);
void GUIScrollBarOnTimer(GUIControl *self);
void GUIScrollBarThumbMouse(GUIControl *thumb, int32_t x, int32_t y, uint8_t buttons,
                            uint8_t changed, uint8_t inside);

#ifdef __cplusplus
}
#endif
