// List of text rows: texts and data words in generic arrays, an optional
// order map shared with other lists, selection kept visible in the parent,
// mouse and key selection, and sorting through the order map.
#include "GUIList.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIInputCodes.h"
#include "GUIScript.h"

namespace {

constexpr int32_t kDefaultItemHeight = 16;
constexpr int32_t kDefaultPageStep = 10;

GUIList *asList(GUIControl *ctl) {
    return GUIControlCast<GUIList>(ctl, sGUIListType);
}

int32_t rowCount(const GUIList *list) {
    return list->aszText.iCount;
}

int32_t clampToInt32(int64_t value) {
    constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
    constexpr int64_t highest = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(value, lowest, highest));
}

// Storage index of a display position; -1 for a position that has none.
int32_t storageIndex(GUIList *list, int32_t position) {
    if (position < 0)
        return -1;
    if (!list->pOrder)
        return position;
    const uintptr_t index = GENArrayGetItem(list->pOrder, position);
    return index <= static_cast<uintptr_t>(std::numeric_limits<int32_t>::max())
               ? static_cast<int32_t>(index)
               : -1;
}

// Extends the order map as the identity from the row count up to position.
void growOrderMap(GUIList *list, int32_t position) {
    if (!list->pOrder)
        return;
    for (int32_t k = rowCount(list); k <= position; ++k)
        GENArraySetItem(list->pOrder, k, static_cast<uintptr_t>(k));
}

// Storage index for writing at a display position, growing the order map to
// reach it; -1 for a negative position or one the map cannot hold.
int32_t storageIndexForWriting(GUIList *list, int32_t position) {
    if (position < 0)
        return -1;
    growOrderMap(list, position);
    return storageIndex(list, position);
}

void updateHeight(GUIList *list) {
    const int64_t height = int64_t{list->iItemHeight} * rowCount(list);
    GUIControlSetSize(&list->oControl, list->oControl.iWidth,
                      clampToInt32(std::max<int64_t>(height, 0)));
}

GUIRect rowRect(const GUIList *list, int32_t row) {
    const int64_t top = int64_t{list->iItemHeight} * row;
    return GUIRect{0, list->oControl.iWidth, clampToInt32(top),
                   clampToInt32(top + list->iItemHeight)};
}

void redrawRow(GUIList *list, int32_t row) {
    GUIRect rect = rowRect(list, row);
    GUIControlRedrawAll(&list->oControl, &rect);
}

// Row under a y coordinate, dividing towards zero; no row without a height.
bool rowAt(const GUIList *list, int32_t y, int32_t *row) {
    if (list->iItemHeight < 1)
        return false;
    *row = y / list->iItemHeight;
    return true;
}

// The selection a navigation key leads to, or false when the key does not apply.
bool keyTarget(const GUIList *list, int32_t key, int32_t *target) {
    const int32_t selected = list->iSelected;
    const int32_t last = rowCount(list) - 1;
    switch (key) {
    case GUI_KEY_PAGE_UP:
        *target = std::max(0, selected - list->iPageStep);
        return selected > 0;
    case GUI_KEY_PAGE_DOWN:
        *target = clampToInt32(std::min<int64_t>(int64_t{selected} + list->iPageStep, last));
        return selected < last;
    case GUI_KEY_UP:
        *target = selected - 1;
        return selected > 0;
    case GUI_KEY_DOWN:
        *target = selected + 1;
        return selected < last;
    default:
        return false;
    }
}

const char *textAt(GUIList *list, int32_t position) {
    const int32_t index = storageIndex(list, position);
    return index < 0 ? "" : GENArrayGetString(&list->aszText, index);
}

void swapOrder(GENArray *order, int32_t a, int32_t b) {
    const uintptr_t saved = GENArrayGetItem(order, a);
    GENArraySetItem(order, a, GENArrayGetItem(order, b));
    GENArraySetItem(order, b, saved);
}

// Quicksort of display positions [lo, hi) by text, moving only order-map
// entries. The smaller part is sorted by recursion and the larger one by the
// loop, which keeps the stack depth logarithmic.
void sortRange(GUIList *list, int32_t lo, int32_t hi) {
    while (hi - lo > 1) {
        const char *pivot = textAt(list, lo + (hi - lo) / 2);
        int32_t i = lo;
        int32_t j = hi - 1;
        while (i <= j) {
            while (std::strcmp(textAt(list, i), pivot) < 0)
                ++i;
            while (std::strcmp(textAt(list, j), pivot) > 0)
                --j;
            if (i <= j) {
                swapOrder(list->pOrder, i, j);
                ++i;
                --j;
            }
        }
        if (j + 1 - lo < hi - i) {
            sortRange(list, lo, j + 1);
            lo = i;
        } else {
            sortRange(list, i, hi);
            hi = j + 1;
        }
    }
}

} // namespace

extern "C" {

GUIControl *GUIListFromScript(GUIControl *parent, GUIScriptReader *, GUIControlScriptArgs *args) {
    return GUIListNew(parent, &args->oRect);
}

GUIControl *GUIListNew(GUIControl *parent, GUIRect *rect) {
    return GUINewControl<GUIList>("gui\\core\\source\\GUIList", __LINE__, GUIListInit, parent,
                                  rect);
}

void GUIListInit(GUIControl *ctl, GUIControl *parent, GUIRect *rect) {
    GUIControlInit(ctl, parent, rect);
    GUIList *list = asList(ctl);
    GENArrayInitStrings(&list->aszText, 0);
    GENArrayInitPaged(&list->aiData, 0);
    list->iItemHeight = kDefaultItemHeight;
    list->iSelected = -1;
    list->bTrackHover = 0;
    list->pOrder = nullptr;
    list->bRowBackground = 1;
    list->bSelectable = 1;
    list->iPageStep = kDefaultPageStep;
    ctl->Mouse = GUIListMouse;
    ctl->Remove = GUIListRemove;
    ctl->Key = GUIListKey;
    GUIControlApplySkin(pGUIListSkinInit, ctl);
    GUIControlRedrawThis(ctl);
    ctl->pType = &sGUIListType;
}

int32_t GUIListAdd(GUIControl *ctl, const char *text) {
    GUIList *list = asList(ctl);
    const int32_t index = GENArrayAddString(&list->aszText, text ? text : "");
    updateHeight(list);
    return index;
}

void GUIListSet(GUIControl *ctl, const char *text, int32_t position) {
    GUIList *list = asList(ctl);
    const int32_t index = storageIndexForWriting(list, position);
    if (index < 0)
        return;
    GENArraySetString(&list->aszText, index, text ? text : "");
    updateHeight(list);
}

const char *GUIListGet(GUIControl *ctl, int32_t position) {
    return textAt(asList(ctl), position);
}

void GUIListSetData(GUIControl *ctl, uintptr_t data, int32_t position) {
    GUIList *list = asList(ctl);
    const int32_t index = storageIndexForWriting(list, position);
    if (index < 0)
        return;
    GENArraySetItem(&list->aiData, index, data);
    updateHeight(list);
}

uintptr_t GUIListGetData(GUIControl *ctl, int32_t position) {
    GUIList *list = asList(ctl);
    const int32_t index = storageIndex(list, position);
    return index < 0 ? 0 : GENArrayGetItem(&list->aiData, index);
}

void GUIListSetSelection(GUIControl *ctl, int32_t position) {
    GUIList *list = asList(ctl);
    if (position < 0)
        position = -1;
    if (list->iSelected >= 0) {
        const int32_t previous = list->iSelected;
        list->iSelected = -1;
        redrawRow(list, previous);
    }
    list->iSelected = position;
    if (position >= 0) {
        GUIRect rect = rowRect(list, position);
        GUIControlScrollIntoView(ctl, &rect);
        redrawRow(list, position);
    }
    GUIControlSetEvent(ctl, GUI_EVENT_LIST_SELECTED);
}

void GUIListClear(GUIControl *ctl) {
    GUIList *list = asList(ctl);
    GENArrayClearStrings(&list->aszText);
    list->iSelected = -1;
    GUIControlSetSize(ctl, ctl->iWidth, 0);
}

void GUIListSort(GUIControl *ctl) {
    GUIList *list = asList(ctl);
    if (list->pOrder)
        sortRange(list, 0, rowCount(list));
}

void GUIListRemove(GUIControl *ctl) {
    GUIList *list = asList(ctl);
    GENArrayFreeStrings(&list->aszText);
    GENArrayFreePages(&list->aiData);
    GUIControlRemove(ctl);
}

void GUIListMouse(GUIControl *ctl, int32_t, int32_t y, uint8_t buttons, uint8_t changed,
                  uint8_t inside) {
    GUIList *list = asList(ctl);
    int32_t row = 0;
    if (!rowAt(list, y, &row))
        return;
    if (list->bSelectable && inside && GUIMousePressed(buttons, changed, GUI_MOUSE_LEFT)) {
        GUIListSetSelection(ctl, row);
        GUIControlSetEvent(ctl, GUI_EVENT_LIST_CHOSEN);
        return;
    }
    if (list->bTrackHover && row != list->iSelected)
        GUIListSetSelection(ctl, row);
}

bool GUIListKey(GUIControl *ctl, int32_t key, int32_t flags) {
    GUIList *list = asList(ctl);
    if (flags != 0 || !list->bSelectable)
        return false;
    int32_t target = 0;
    if (!keyTarget(list, key, &target))
        return false;
    GUIListSetSelection(ctl, target);
    return true;
}

} // extern "C"
