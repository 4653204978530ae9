// Scrolling frame: its content lives in an inner pane; scroll bars appear
// when the content does not fit or the pane is scrolled, and moving a bar
// scrolls the pane. Other controls embed views and set them up with GUIViewInit.
#pragma once

#include <stdint.h>
#include <stdio.h>

#include "GUIControl.h"
#include "GUIScrollBar.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_VIEW_BAR_SIZE = 16 };

typedef struct GUIView {
    GUIControl oControl;
    GUIControl oPane; // holds the content; its inner origin is the scroll offset
    GUIScrollBar oVScroll;
    GUIScrollBar oHScroll;
    int32_t iContentWidth;  // greatest iRight of the pane's children
    int32_t iContentHeight; // greatest iBottom of the pane's children
    int32_t iBarSize;       // thickness of a scroll bar
    uint8_t bAllowH;        // content too wide may bring up the horizontal bar
    uint8_t bAllowV;        // content too tall may bring up the vertical bar
} GUIView;

extern GUIControlType sGUIViewType;

GUIControl *GUIViewFromScript(GUIControl *parent, GUIScriptReader *reader,
                              GUIControlScriptArgs *args);
GUIControl *GUIViewNew(GUIControl *parent, GUIRect *rect);
void GUIViewInit(GUIView *view, GUIControl *parent, GUIRect *rect);
int32_t GUIViewOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event);
GUIControl *GUIViewSave(GUIControl *self, FILE *stream);

#ifdef __cplusplus
}
#endif
