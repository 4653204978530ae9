// Combo box: a text field with a drop button at its right end; the button
// drops a list of choices, kept in a view on the root so that it overlaps
// everything else, and a click on a choice puts its text into the field.
#pragma once

#include <stdint.h>

#include "GUIButton.h"
#include "GUIControl.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIView.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_COMBO_BUTTON_WIDTH = 16, GUI_COMBO_DROP_HEIGHT = 64 };

typedef struct GUICombo {
    GUIControl oControl;
    GUIEdit oEdit;     // the field, child of the combo box
    GUIButton oButton; // the drop button, child of the combo box
    GUIView oDropView; // the drop-down frame, child of the root, hidden while closed
    GUIList oDropList; // the choices, inside the drop view's pane
    int32_t iButtonWidth;
    int32_t iDropHeight; // greatest height of the drop-down
    uint8_t bDropped;
    int32_t iChosen; // last chosen row, -1 before the first choice
} GUICombo;

extern GUIControlType sGUIComboType;

GUIControl *GUIComboFromScript(GUIControl *parent, GUIScriptReader *reader,
                               GUIControlScriptArgs *args);
GUIControl *GUIComboNew(GUIControl *parent, GUIRect *rect, const char *text);
void GUIComboInit(GUICombo *combo, GUIControl *parent, GUIRect *rect, const char *text);
int32_t GUIComboAdd(GUIControl *combo, const char *text);
// Empties the choices; the field's text and the last choice stay.
void GUIComboClear(GUIControl *combo);
// Lays the field and the button out again over the combo box's size.
void GUIComboRecalc(GUIControl *combo);
void GUIComboRemove(GUIControl *combo);
void GUIComboDrop(GUIControl *combo);
void GUIComboClose(GUIControl *combo);
int32_t GUIComboOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event);

#ifdef __cplusplus
}
#endif
