// Push button.
#include "GUIButton.h"

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIInputCodes.h"
#include "GUIScript.h"
#include "GUIText.h"

namespace {

GUIButton *asButton(GUIControl *ctl) {
    return GUIControlCast<GUIButton>(ctl, sGUIButtonType);
}

void showPushed(GUIButton *button, bool pushed) {
    button->bPushed = pushed;
    GUIControlSetEvent(&button->oControl, pushed ? GUI_EVENT_BUTTON_DOWN : GUI_EVENT_BUTTON_UP);
    GUIControlRedrawThis(&button->oControl);
}

} // namespace

extern "C" {

GUIControl *GUIButtonFromScript(GUIControl *parent, GUIScriptReader *reader,
                                GUIControlScriptArgs *args) {
    char caption[GUI_SCRIPT_WORD_SIZE];
    if (!GUIScriptGetWordInParentheses(reader, caption, sizeof caption))
        return nullptr;
    return GUIButtonNew(parent, &args->oRect, caption);
}

GUIControl *GUIButtonNew(GUIControl *parent, GUIRect *rect, const char *caption) {
    return GUINewControl<GUIButton>("gui\\core\\source\\GUIButton", __LINE__, GUIButtonInit, parent,
                                    rect, caption);
}

void GUIButtonInit(GUIButton *button, GUIControl *parent, GUIRect *rect, const char *caption) {
    GUIControl *ctl = &button->oControl;
    button->bHeld = 0;
    button->bPushed = 0;
    GUIControlInit(ctl, parent, rect);
    button->pPushedImage = nullptr;
    button->pReleasedImage = nullptr;
    GUITextCopyString(button->szCaption, sizeof button->szCaption, caption);
    GUIControlRedrawThis(ctl);
    ctl->Mouse = GUIButtonMouse;
    ctl->pType = &sGUIButtonType;
    GUIControlApplySkin(pGUIButtonSkinInit, ctl);
}

void GUIButtonMouse(GUIControl *self, int32_t, int32_t, uint8_t buttons, uint8_t changed,
                    uint8_t inside) {
    GUIButton *button = asButton(self);
    const bool leftDown = buttons & GUI_MOUSE_LEFT;
    const bool leftChanged = changed & GUI_MOUSE_LEFT;
    if (button->bHeld && !leftDown) {
        button->bHeld = 0;
        self->bMouseHold = 0;
        if (button->bPushed)
            showPushed(button, false);
        if (inside && leftChanged)
            GUIControlSetEvent(self, GUI_EVENT_BUTTON_CLICKED);
    }
    if (inside) {
        if (button->bHeld && !button->bPushed)
            showPushed(button, true);
        if (leftDown && leftChanged) {
            button->bHeld = 1;
            self->bMouseHold = 1;
            showPushed(button, true);
        }
        return;
    }
    if (button->bHeld && button->bPushed)
        showPushed(button, false);
}

} // extern "C"
