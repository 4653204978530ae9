// Column header of a table: a button over its column's list whose click sorts
// the table by that column and whose right edge can be dragged to resize it.
#pragma once

#include <stdint.h>

#include "GUIButton.h"
#include "GUIControl.h"
#include "GUIList.h"

#ifdef __cplusplus
extern "C" {
#endif

// The grip: the right-most pixels of a header, where a press starts a resize.
enum { GUI_CHEADER_GRIP_WIDTH = 14 };

typedef struct GUICHeader {
    GUIButton oButton;
    GUIList *pList;    // the column's list
    uint8_t bResizing; // the right edge is being dragged
} GUICHeader;

extern GUIControlType sGUICHeaderType;

GUIControl *GUICHeaderNew(GUIControl *strip, GUIRect *rect, const char *title, GUIList *list);
void GUICHeaderInit(GUICHeader *header, GUIControl *strip, GUIRect *rect, const char *title,
                    GUIList *list);
void GUICHeaderMouse(GUIControl *self, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                     uint8_t inside);

#ifdef __cplusplus
}
#endif
