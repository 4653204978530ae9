// One-line text field. While input is active the caret is an underscore stored
// in the text itself, so drawing the text shows it.
#pragma once

#include <stdbool.h>
#include <stdint.h>

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_EDIT_TEXT_SIZE = 128 };

typedef struct GUIEdit {
    GUIControl oControl;
    int32_t iCaret;                  // position of the marker while input is active
    char szText[GUI_EDIT_TEXT_SIZE]; // holds the marker while input is active
    uint8_t bFrame;                  // the skin draws the text-area frame
    uint8_t bCentre;                 // the skin centres the text
    uint8_t bEditable;               // input may be activated
    uint8_t bInputActive;
    uint8_t bShowEnd; // the skin shows the end of a text too wide for the field
} GUIEdit;

extern GUIControlType sGUIEditType;

GUIControl *GUIEditFromScript(GUIControl *parent, GUIScriptReader *reader,
                              GUIControlScriptArgs *args);
GUIControl *GUIEditNew(GUIControl *parent, GUIRect *rect, const char *text);
void GUIEditInit(GUIControl *ctl, GUIControl *parent, GUIRect *rect, const char *text);
void GUIEditEnableInput(GUIControl *ctl);
void GUIEditDisableInput(GUIControl *ctl);
void GUIEditSet(GUIControl *ctl, const char *text);
// buffer must hold GUI_EDIT_TEXT_SIZE bytes; receives the text without the marker.
void GUIEditGet(GUIControl *ctl, char *buffer);
bool GUIEditKey(GUIControl *ctl, int32_t key, int32_t flags);
void GUIEditMouse(GUIControl *ctl, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                  uint8_t inside);

#ifdef __cplusplus
}
#endif
