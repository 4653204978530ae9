// Vertical column of text rows of one height, each with a data word, with at
// most one selected row. Also the body of pop-up menus, drop-down lists and
// table columns, which embed the record and initialise it with GUIListInit.
#pragma once

#include <stdbool.h>
#include <stdint.h>

#include "GENArray.h"
#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GUIList {
    GUIControl oControl;
    GENArray aszText; // row texts by storage index
    GENArray aiData;  // data words by storage index
    GENArray *pOrder; // display position -> storage index; null for identity; not owned
    int32_t iItemHeight;
    int32_t iSelected; // display position, -1 for none
    int32_t bTrackHover;
    int32_t iPageStep;
    uint8_t bRowBackground;
    uint8_t bSelectable;
} GUIList;

extern GUIControlType sGUIListType;

GUIControl *GUIListFromScript(GUIControl *parent, GUIScriptReader *reader,
                              GUIControlScriptArgs *args);
GUIControl *GUIListNew(GUIControl *parent, GUIRect *rect);
void GUIListInit(GUIControl *list, GUIControl *parent, GUIRect *rect);
int32_t GUIListAdd(GUIControl *list, const char *text);
void GUIListSet(GUIControl *list, const char *text, int32_t position);
const char *GUIListGet(GUIControl *list, int32_t position);
void GUIListSetData(GUIControl *list, uintptr_t data, int32_t position);
uintptr_t GUIListGetData(GUIControl *list, int32_t position);
void GUIListSetSelection(GUIControl *list, int32_t position);
void GUIListClear(GUIControl *list);
void GUIListSort(GUIControl *list);
void GUIListRemove(GUIControl *list);
void GUIListMouse(GUIControl *list, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                  uint8_t inside);
bool GUIListKey(GUIControl *list, int32_t key, int32_t flags);

#ifdef __cplusplus
}
#endif
