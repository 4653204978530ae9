// Sheet: a named page of a tab control, a plain container for other controls.
#pragma once

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_SHEET_NAME_SIZE = 128 };

typedef struct GUISheet {
    GUIControl oControl;
    char szName[GUI_SHEET_NAME_SIZE]; // offered by the tab's selector; cut to 127 bytes
} GUISheet;

extern GUIControlType sGUISheetType;

GUIControl *GUISheetFromScript(GUIControl *parent, GUIScriptReader *reader,
                               GUIControlScriptArgs *args);
GUIControl *GUISheetNew(GUIControl *tab, const char *name);
void GUISheetInit(GUISheet *sheet, GUIControl *tab, const char *name);

#ifdef __cplusplus
}
#endif
