// Table: column lists side by side in a view's pane under a strip of headers,
// one order map shared by all lists, selection mirrored across the columns.
//
// Ownership: the headers are allocated controls of the header strip and the
// lists allocated controls of the pane, so the tree frees both with the
// table; the table's own Remove releases the order map and the column array
// after its children are gone (the lists read the map while they are redrawn
// during removal).
//
// The header strip follows every horizontal scroll of the body, not only the
// scroll-bar moves: a list keeping its selected row visible may scroll the
// pane back to x 0, and the headers must stay above their columns.
#include "GUITable.h"

#include "GUICHeader.h"
#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIList.h"
#include "GUIScript.h"

namespace {

GUITable *asTable(GUIControl *ctl) {
    return GUIControlCast<GUITable>(ctl, sGUITableType);
}

int32_t columnCount(const GUITable *table) {
    return table->aColumns.iUsed;
}

GUICHeader *headerOf(GUITable *table, int32_t column) {
    if (column < 0 || column >= columnCount(table))
        return nullptr;
    return reinterpret_cast<GUICHeader *>(GENArrayGetItem(&table->aColumns, column));
}

GUIControl *listOf(GUITable *table, int32_t column) {
    GUICHeader *header = headerOf(table, column);
    return header ? &header->pList->oControl : nullptr;
}

GUIControl *pane(GUITable *table) {
    return &table->oBody.oPane;
}

void sortAndRedraw(GUITable *table, GUIControl *list) {
    GUIListSort(list);
    GUIControlRedrawThis(&table->oControl);
}

void followBodySideways(GUITable *table) {
    GUIControlSetWindowPos(&table->oHeader, pane(table)->iScrollX, 0);
}

// Mirrors a list's selection in every column; the lists' own selection events
// come back here and stop at the equality test.
void selectRow(GUITable *table, GUIControl *sender) {
    const int32_t row = GUIControlCast<GUIList>(sender, sGUIListType)->iSelected;
    if (row == table->iSelected)
        return;
    table->iSelected = row;
    for (GUIControl *list = pane(table)->pFirstChild; list; list = list->pNext)
        GUIListSetSelection(list, row);
    GUIControlSetEvent(&table->oControl, GUI_EVENT_TABLE_SELECTED);
}

bool isHeader(GUITable *table, const GUIControl *ctl) {
    return ctl->pType == &sGUICHeaderType && ctl->pParent == &table->oHeader;
}

} // namespace

extern "C" {

GUIControl *GUITableFromScript(GUIControl *parent, GUIScriptReader *reader,
                               GUIControlScriptArgs *args) {
    GUIControl *table = GUITableNew(parent, &args->oRect);
    if (!table)
        GUIScriptErrorWhy(reader, "no memory for the table");
    return table;
}

GUIControl *GUITableNew(GUIControl *parent, GUIRect *rect) {
    return GUINewControl<GUITable>("gui\\core\\source\\GUITable", __LINE__, GUITableInit, parent,
                                   rect);
}

void GUITableInit(GUITable *table, GUIControl *parent, GUIRect *rect) {
    GUIControl *ctl = &table->oControl;
    GUIControlInit(ctl, parent, rect);
    GENArrayInitPaged(&table->aOrder, 0);
    GENArrayInitPaged(&table->aColumns, 0);
    table->iHeaderHeight = GUI_TABLE_HEADER_HEIGHT;
    GUIRect empty{0, 0, 0, 0};
    GUIControlInit(&table->oHeader, ctl, &empty);
    GUIViewInit(&table->oBody, ctl, &empty);
    GUITableLayout(table);
    ctl->OnInnerEvent = GUITableOnInnerEvent;
    ctl->Remove = GUITableRemove;
    ctl->pType = &sGUITableType;
    table->iSelected = -1;
    GUIControlApplySkin(pGUITableSkinInit, ctl);
}

int32_t GUITableNewColumn(GUIControl *ctl, const char *title, int32_t width) {
    GUITable *table = asTable(ctl);
    GUIRect rect{0, width, 0, table->iHeaderHeight};
    GUIControl *list = GUIListNew(pane(table), &rect);
    if (!list)
        return -1;
    auto *column = GUIControlCast<GUIList>(list, sGUIListType);
    column->bRowBackground = 0;
    column->pOrder = &table->aOrder;
    const int32_t index = columnCount(table);
    GUIControl *header = GUICHeaderNew(&table->oHeader, &rect, title, column);
    if (!header) {
        GUIControlDestroy(list);
        return -1;
    }
    GENArraySetItem(&table->aColumns, index, reinterpret_cast<uintptr_t>(header));
    GUITableLayout(table);
    return index;
}

void GUITableSetItem(GUIControl *ctl, int32_t row, int32_t column, const char *text) {
    if (GUIControl *list = listOf(asTable(ctl), column))
        GUIListSet(list, text, row);
}

const char *GUITableGetItem(GUIControl *ctl, int32_t row, int32_t column) {
    GUIControl *list = listOf(asTable(ctl), column);
    return list ? GUIListGet(list, row) : nullptr;
}

void GUITableSort(GUIControl *ctl, int32_t column) {
    GUITable *table = asTable(ctl);
    if (GUIControl *list = listOf(table, column))
        sortAndRedraw(table, list);
}

void GUITableClear(GUIControl *ctl) {
    GUITable *table = asTable(ctl);
    for (int32_t column = 0; column < columnCount(table); ++column)
        GUIListClear(listOf(table, column));
}

// Header strip over the top, body below it, and each column's list directly
// under its header, as wide as the header, the columns edge to edge.
void GUITableLayout(GUITable *table) {
    GUIControl *ctl = &table->oControl;
    GUIControlSetSize(&table->oHeader, ctl->iWidth, table->iHeaderHeight);
    GUIControl *body = &table->oBody.oControl;
    GUIControlSetPos(body, 0, table->iHeaderHeight);
    GUIControlSetSize(body, ctl->iWidth, ctl->iHeight - table->iHeaderHeight);
    int32_t x = 0;
    GUIControl *list = pane(table)->pFirstChild;
    for (GUIControl *header = table->oHeader.pFirstChild; header && list;
         header = header->pNext, list = list->pNext) {
        GUIControlSetPos(header, x, 0);
        GUIControlSetPos(list, x, 0);
        GUIControlSetSize(list, header->iWidth, list->iHeight);
        x += header->iWidth;
    }
}

int32_t GUITableOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    GUITable *table = asTable(self);
    switch (event) {
    case GUI_EVENT_VIEW_SCROLLED:
        if (sender == &table->oBody.oControl) {
            followBodySideways(table);
            return 0;
        }
        break;
    case GUI_EVENT_SCROLLED:
        if (sender == pane(table) && table->oHeader.iScrollX != sender->iScrollX)
            followBodySideways(table);
        break;
    case GUI_EVENT_RESIZED:
        if (sender == self || sender->pParent == &table->oHeader) {
            GUITableLayout(table);
            return 0;
        }
        break;
    case GUI_EVENT_BUTTON_CLICKED:
        if (isHeader(table, sender))
            sortAndRedraw(table,
                          &GUIControlCast<GUICHeader>(sender, sGUICHeaderType)->pList->oControl);
        break;
    case GUI_EVENT_LIST_SELECTED:
        if (sender->pParent == pane(table)) {
            selectRow(table, sender);
            return 0;
        }
        break;
    default:
        break;
    }
    return self->OnPublicEvent(self, sender, event);
}

void GUITableRemove(GUIControl *self) {
    GUITable *table = asTable(self);
    GUIControlRemove(self);
    GENArrayFreePages(&table->aOrder);
    GENArrayFreePages(&table->aColumns);
}

} // extern "C"
