// Window.
#include "GUIWindow.h"

#include <cstring>

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIInputCodes.h"
#include "GUIScript.h"
#include "GUIText.h"

namespace {

constexpr char kCloseButtonID[] = "__window_close";
constexpr char kKeyLoadedScript[] = "ablak";

GUIWindow *asWindow(GUIControl *ctl) {
    return GUIControlCast<GUIWindow>(ctl, sGUIWindowType);
}

bool inTitleBar(const GUIWindow *window, int32_t x, int32_t y) {
    const int32_t border = window->iBorder;
    return x >= border && x < window->oControl.iWidth - border && y >= border &&
           y < window->iTitleHeight + border;
}

bool inResizeCorner(const GUIWindow *window, int32_t x, int32_t y) {
    return x >= window->oControl.iWidth - window->iBorder &&
           y >= window->oControl.iHeight - window->iBorder;
}

bool isCloseButton(const GUIControl *sender) {
    return sender->pszID && std::strcmp(sender->pszID, kCloseButtonID) == 0;
}

} // namespace

extern "C" {

GUIControl *GUIWindowFromScript(GUIControl *parent, GUIScriptReader *reader,
                                GUIControlScriptArgs *args) {
    char title[GUI_SCRIPT_WORD_SIZE];
    if (!GUIScriptGetWordInParentheses(reader, title, sizeof title))
        return nullptr;
    return GUIWindowNew(parent, &args->oRect, title);
}

GUIControl *GUIWindowNew(GUIControl *parent, GUIRect *rect, const char *title) {
    return GUINewControl<GUIWindow>("gui\\core\\source\\GUIWindow", __LINE__, GUIWindowInit, parent,
                                    rect, title);
}

void GUIWindowInit(GUIWindow *window, GUIControl *parent, GUIRect *rect, const char *title) {
    GUIControl *ctl = &window->oControl;
    GUIControlInit(ctl, parent, rect);
    GUITextCopyString(window->szTitle, sizeof window->szTitle, title);
    window->iBorder = 4;
    window->iTitleHeight = 48;
    window->iDragX = 0;
    window->iDragY = 0;
    window->bMoving = 0;
    window->bResizing = 0;
    ctl->OnInnerEvent = GUIWindowOnInnerEvent;
    ctl->Mouse = GUIWindowMouse;
    ctl->Key = GUIWindowKey;
    ctl->pType = &sGUIWindowType;
    ctl->pChildHost = ctl;
    GUIControlApplySkin(pGUIWindowSkinInit, ctl);
    GUIControlRedrawThis(ctl);
}

void GUIWindowLayout(GUIControl *ctl) {
    GUIControl *client = ctl->pFirstChild;
    if (!client)
        return;
    const GUIWindow *window = asWindow(ctl);
    const int32_t border = window->iBorder;
    GUIControlSetPos(client, border, border + window->iTitleHeight);
    GUIControlSetSize(client, ctl->iWidth - 2 * border,
                      ctl->iHeight - 2 * border - window->iTitleHeight);
}

int32_t GUIWindowOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    if (sender == self && (event == GUI_EVENT_RESIZED || event == GUI_EVENT_CHILD_ADDED))
        GUIWindowLayout(self);
    else if (event == GUI_EVENT_BUTTON_CLICKED && isCloseButton(sender))
        self->bRemoveLater = 1;
    return self->OnPublicEvent(self, sender, event);
}

void GUIWindowMouse(GUIControl *self, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                    uint8_t inside) {
    GUIWindow *window = asWindow(self);
    if ((window->bMoving || window->bResizing) &&
        GUIMouseReleased(buttons, changed, GUI_MOUSE_LEFT)) {
        window->bMoving = 0;
        window->bResizing = 0;
        return;
    }
    if (inside && GUIMousePressed(buttons, changed, GUI_MOUSE_LEFT)) {
        const bool title = inTitleBar(window, x, y);
        if (title || inResizeCorner(window, x, y)) {
            window->iDragX = x;
            window->iDragY = y;
            (title ? window->bMoving : window->bResizing) = 1;
            return;
        }
    }
    const int32_t dx = x - window->iDragX;
    const int32_t dy = y - window->iDragY;
    if (window->bMoving && (dx || dy))
        GUIControlSetPos(self, self->iLeft + dx, self->iTop + dy);
    if (window->bResizing) {
        if (dx || dy)
            GUIControlSetSize(self, self->iWidth + dx, self->iHeight + dy);
        window->iDragX = x;
        window->iDragY = y;
    }
}

bool GUIWindowKey(GUIControl *self, int32_t key, int32_t flags) {
    if (flags != 0)
        return false;
    switch (key) {
    case GUI_WINDOW_KEY_CLOSE:
        self->bRemoveLater = 1;
        return true;
    case GUI_WINDOW_KEY_RAISE:
        GUIControlSetToTop(self);
        return true;
    case GUI_WINDOW_KEY_LOAD:
        GUIControlCreateFromFile(pGUIControlRoot, kKeyLoadedScript);
        return true;
    case GUI_WINDOW_KEY_LOWER:
        GUIControlSetToBottom(self);
        return true;
    default:
        return false;
    }
}

} // extern "C"
