// Column header: a button whose right edge can be dragged to resize it.
#include "GUICHeader.h"

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIInputCodes.h"

namespace {

GUICHeader *asHeader(GUIControl *ctl) {
    return GUIControlCast<GUICHeader>(ctl, sGUICHeaderType);
}

bool onGrip(const GUIControl *ctl, int32_t x) {
    return x > ctl->iWidth - GUI_CHEADER_GRIP_WIDTH - 1;
}

} // namespace

extern "C" {

// Headers raise no created event. They are marked allocated so that removing
// the table frees them with the header strip.
GUIControl *GUICHeaderNew(GUIControl *strip, GUIRect *rect, const char *title, GUIList *list) {
    return GUIAllocControl<GUICHeader>("gui\\core\\source\\GUICHeader", __LINE__, GUICHeaderInit,
                                       strip, rect, title, list);
}

void GUICHeaderInit(GUICHeader *header, GUIControl *strip, GUIRect *rect, const char *title,
                    GUIList *list) {
    GUIButtonInit(&header->oButton, strip, rect, title);
    GUIControl *ctl = &header->oButton.oControl;
    header->bResizing = 0;
    header->pList = list;
    ctl->Mouse = GUICHeaderMouse;
    ctl->pType = &sGUICHeaderType;
    GUIControlApplySkin(pGUICHeaderSkinInit, ctl);
}

// A press on the grip starts a resize; while it lasts the right edge follows
// the pointer, and any report without the left button ends it. Elsewhere the
// header acts as a button.
void GUICHeaderMouse(GUIControl *self, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                     uint8_t inside) {
    GUICHeader *header = asHeader(self);
    if (inside && onGrip(self, x) && GUIMousePressed(buttons, changed, GUI_MOUSE_LEFT)) {
        header->bResizing = 1;
        return;
    }
    if (header->bResizing) {
        if (!(buttons & GUI_MOUSE_LEFT))
            header->bResizing = 0;
        else if (x >= 0)
            GUIControlSetSize(self, x, self->iHeight);
        return;
    }
    GUIButtonMouse(self, x, y, buttons, changed, inside);
}

} // extern "C"
