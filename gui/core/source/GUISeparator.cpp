// Separator.
#include "GUISeparator.h"

#include <cstring>

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIInputCodes.h"
#include "GUIScript.h"

namespace {

GUISeparator *asSeparator(GUIControl *ctl) {
    return GUIControlCast<GUISeparator>(ctl, sGUISeparatorType);
}

// The child's extent along the separator, and its far edge.
int32_t extentAlong(const GUISeparator *separator, const GUIControl *child) {
    return separator->bVertical ? child->iHeight : child->iWidth;
}

int32_t farEdgeAlong(const GUISeparator *separator, const GUIControl *child) {
    return separator->bVertical ? child->iBottom : child->iRight;
}

// Places a child at offset along the separator with the given extent, filling
// the separator across.
void placeAlong(GUISeparator *separator, GUIControl *child, int32_t offset, int32_t extent) {
    const GUIControl &self = separator->oControl;
    if (separator->bVertical) {
        GUIControlSetPos(child, 0, offset);
        GUIControlSetSize(child, self.iWidth, extent);
    } else {
        GUIControlSetPos(child, offset, 0);
        GUIControlSetSize(child, extent, self.iHeight);
    }
}

GUIControl *gapUnder(GUISeparator *separator, int32_t along) {
    for (GUIControl *child = separator->oControl.pFirstChild; child && child->pNext;
         child = child->pNext) {
        const int32_t edge = farEdgeAlong(separator, child);
        if (edge <= along && along <= edge + separator->iGap)
            return child;
    }
    return nullptr;
}

// Moves the border after the dragged child by d, keeping the two children's
// total extent.
void moveBorder(GUISeparator *separator, int32_t d) {
    GUIControl *before = separator->pDragChild;
    GUIControl *after = before->pNext;
    if (separator->bVertical) {
        GUIControlSetSize(before, before->iWidth, before->iHeight + d);
        GUIControlSetPos(after, 0, after->iTop + d);
        GUIControlSetSize(after, after->iWidth, after->iHeight - d);
    } else {
        GUIControlSetSize(before, before->iWidth + d, before->iHeight);
        GUIControlSetPos(after, after->iLeft + d, 0);
        GUIControlSetSize(after, after->iWidth - d, after->iHeight);
    }
}

} // namespace

extern "C" {

GUIControl *GUISeparatorFromScript(GUIControl *parent, GUIScriptReader *reader,
                                   GUIControlScriptArgs *args) {
    char orientation[GUI_SCRIPT_WORD_SIZE];
    if (!GUIScriptGetWordInParentheses(reader, orientation, sizeof orientation))
        return nullptr;
    if (std::strcmp(orientation, "Vertical") == 0)
        return GUISeparatorNew(parent, &args->oRect, 1);
    if (std::strcmp(orientation, "Horizontal") == 0)
        return GUISeparatorNew(parent, &args->oRect, 0);
    return nullptr;
}

GUIControl *GUISeparatorNew(GUIControl *parent, GUIRect *rect, uint8_t vertical) {
    return GUINewControl<GUISeparator>("gui\\core\\source\\GUISeparator", __LINE__,
                                       GUISeparatorInit, parent, rect, vertical);
}

void GUISeparatorInit(GUISeparator *separator, GUIControl *parent, GUIRect *rect,
                      uint8_t vertical) {
    GUIControl *ctl = &separator->oControl;
    GUIControlInit(ctl, parent, rect);
    separator->bVertical = vertical;
    separator->bDragging = 0;
    separator->pDragChild = nullptr;
    separator->iDragPos = 0;
    separator->iGap = 4;
    ctl->OnInnerEvent = GUISeparatorOnInnerEvent;
    ctl->Mouse = GUISeparatorMouse;
    ctl->pType = &sGUISeparatorType;
    ctl->pChildHost = ctl;
    GUIControlApplySkin(pGUISeparatorSkinInit, ctl);
}

// The products are taken in 64 bits so that large sizes cannot overflow.
void GUISeparatorLayout(GUIControl *ctl) {
    GUISeparator *separator = asSeparator(ctl);
    int32_t count = 0;
    int64_t sum = 0;
    for (GUIControl *child = ctl->pFirstChild; child; child = child->pNext) {
        ++count;
        sum += extentAlong(separator, child);
    }
    if (count == 0 || sum == 0)
        return;
    const int32_t extent = separator->bVertical ? ctl->iHeight : ctl->iWidth;
    const int64_t available = extent - int64_t{count - 1} * separator->iGap;
    int32_t offset = 0;
    for (GUIControl *child = ctl->pFirstChild; child; child = child->pNext) {
        const auto share =
            static_cast<int32_t>(int64_t{extentAlong(separator, child)} * available / sum);
        placeAlong(separator, child, offset, share);
        offset += share + separator->iGap;
    }
}

int32_t GUISeparatorOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    if (sender == self && (event == GUI_EVENT_RESIZED || event == GUI_EVENT_CHILD_ADDED)) {
        GUISeparatorLayout(self);
        asSeparator(self)->bDragging = 0;
    }
    return self->OnPublicEvent(self, sender, event);
}

void GUISeparatorMouse(GUIControl *self, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                       uint8_t inside) {
    GUISeparator *separator = asSeparator(self);
    const int32_t along = separator->bVertical ? y : x;
    if (inside && GUIMousePressed(buttons, changed, GUI_MOUSE_LEFT)) {
        if (GUIControl *child = gapUnder(separator, along)) {
            separator->pDragChild = child;
            separator->iDragPos = along;
            separator->bDragging = 1;
            return;
        }
    }
    if (!separator->bDragging)
        return;
    if (GUIMouseReleased(buttons, changed, GUI_MOUSE_LEFT)) {
        separator->bDragging = 0;
        return;
    }
    if (along != separator->iDragPos) {
        moveBorder(separator, along - separator->iDragPos);
        separator->iDragPos = along;
    }
}

} // extern "C"
