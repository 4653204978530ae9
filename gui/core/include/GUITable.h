// Table: columns of text side by side under a strip of column headers. Each
// column is a list in the pane of an embedded view, so the body scrolls both
// ways; all lists share one order map, so sorting by one column reorders the
// rows of every column, and selecting a row in one column selects it in all.
#pragma once

#include <stdint.h>

#include "GENArray.h"
#include "GUIControl.h"
#include "GUIView.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_TABLE_HEADER_HEIGHT = 24 };

typedef struct GUITable {
    GUIControl oControl;
    GENArray aOrder;    // display row -> storage row, shared by every column's list
    GENArray aColumns;  // column index -> its GUICHeader
    GUIControl oHeader; // strip holding the column headers, scrolled sideways with the body
    GUIView oBody;      // its pane holds the column lists
    int32_t iHeaderHeight;
    int32_t iSelected; // display row, -1 for none
} GUITable;

extern GUIControlType sGUITableType;

GUIControl *GUITableFromScript(GUIControl *parent, GUIScriptReader *reader,
                               GUIControlScriptArgs *args);
GUIControl *GUITableNew(GUIControl *parent, GUIRect *rect);
void GUITableInit(GUITable *table, GUIControl *parent, GUIRect *rect);
int32_t GUITableNewColumn(GUIControl *table, const char *title, int32_t width);
void GUITableSetItem(GUIControl *table, int32_t row, int32_t column, const char *text);
const char *GUITableGetItem(GUIControl *table, int32_t row, int32_t column);
void GUITableSort(GUIControl *table, int32_t column);
void GUITableClear(GUIControl *table);
void GUITableLayout(GUITable *table);
int32_t GUITableOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event);
void GUITableRemove(GUIControl *self);

#ifdef __cplusplus
}
#endif
