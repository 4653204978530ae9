// Pop-up menu: a list whose highlight follows the pointer, placed on the root
// above everything else for the control it was opened for. A click records
// the chosen row, reports it to that control and takes the menu away at the
// next deferred-removal pass.
#pragma once

#include <stdint.h>

#include "GUIControl.h"
#include "GUIList.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_POPUP_MENU_CHOSEN_SIZE = 128 };

typedef struct GUIPopupMenu {
    GUIList oList;
    int32_t iChosen;                           // display position of the clicked row
    char szChosen[GUI_POPUP_MENU_CHOSEN_SIZE]; // its text, cut to 127 bytes
} GUIPopupMenu;

extern GUIControlType sGUIPopupMenuType;

GUIControl *GUIPopupMenuFromScript(GUIControl *parent, GUIScriptReader *reader,
                                   GUIControlScriptArgs *args);
GUIControl *GUIPopupMenuNew(GUIControl *parent, GUIRect *rect);
void GUIPopupMenuInit(GUIControl *menu, GUIControl *parent, GUIRect *rect);
// Opens a menu on the root at rect, given in control's own coordinates; the
// menu's events go to control.
GUIControl *GUIPopupMenuBind(GUIControl *control, GUIRect *rect);
int32_t GUIPopupMenuAdd(GUIControl *menu, const char *text);
int32_t GUIPopupMenuOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event);
// The deferred-removal pass hands a menu that asked for removal here instead
// of releasing it: the menu leaves the tree, and its record, with the choice
// in it, stays readable until the next menu is dismissed, which releases it.
void GUIPopupMenuDismiss(GUIControl *menu);

#ifdef __cplusplus
}
#endif
