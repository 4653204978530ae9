// Tab control: named sheets stacked in one rectangle, one shown at a time,
// chosen with a combo box across the top whose choices are the sheets' names.
#pragma once

#include <stdint.h>

#include "GUICombo.h"
#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_TAB_BORDER = 4, GUI_TAB_HEADER_HEIGHT = 16 };

typedef struct GUITab {
    GUIControl oControl;
    GUICombo oSelector;        // the sheet selector, child of the tab control
    GUIControl *pCurrentSheet; // the sheet shown last
    int32_t iBorder;           // margin around the selector and the sheets
    int32_t iHeaderHeight;     // height of the selector strip
} GUITab;

extern GUIControlType sGUITabType;

GUIControl *GUITabFromScript(GUIControl *parent, GUIScriptReader *reader,
                             GUIControlScriptArgs *args);
GUIControl *GUITabNew(GUIControl *parent, GUIRect *rect);
void GUITabInit(GUITab *tab, GUIControl *parent, GUIRect *rect);
// Adds a sheet, offers its name and shows it.
GUIControl *GUITabAdd(GUIControl *tab, const char *name);
// Sizes the selector and every sheet to the client area.
void GUITabLayout(GUIControl *tab);
int32_t GUITabOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event);

#ifdef __cplusplus
}
#endif
