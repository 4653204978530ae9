// Picture control: shows one bitmap file at its natural size through the
// default Draw; may hold children as a backdrop.
#pragma once

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_BITMAP_FILE_SIZE = 128 };

typedef struct GUIBitmap {
    GUIControl oControl;
    char szFile[GUI_BITMAP_FILE_SIZE]; // relative to the current directory
} GUIBitmap;

extern GUIControlType sGUIBitmapType;

GUIControl *GUIBitmapFromScript(GUIControl *parent, GUIScriptReader *reader,
                                GUIControlScriptArgs *args);
GUIControl *GUIBitmapNew(GUIControl *parent, GUIRect *rect, const char *file);
void GUIBitmapInit(GUIBitmap *bitmap, GUIControl *parent, GUIRect *rect, const char *file);

#ifdef __cplusplus
}
#endif
