// Check box.
#include "GUICheck.h"

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIInputCodes.h"
#include "GUIScript.h"
#include "GUIText.h"

extern "C" {

GUIControl *GUICheckFromScript(GUIControl *parent, GUIScriptReader *reader,
                               GUIControlScriptArgs *args) {
    char caption[GUI_SCRIPT_WORD_SIZE];
    if (!GUIScriptGetWordInParentheses(reader, caption, sizeof caption))
        return nullptr;
    return GUICheckNew(parent, &args->oRect, caption);
}

GUIControl *GUICheckNew(GUIControl *parent, GUIRect *rect, const char *caption) {
    return GUINewControl<GUICheck>("gui\\core\\source\\GUICheck", __LINE__, GUICheckInit, parent,
                                   rect, caption);
}

void GUICheckInit(GUICheck *check, GUIControl *parent, GUIRect *rect, const char *caption) {
    GUIControl *ctl = &check->oControl;
    GUIControlInit(ctl, parent, rect);
    GUITextCopyString(check->szCaption, sizeof check->szCaption, caption);
    check->bChecked = 1;
    GUIControlRedrawThis(ctl);
    ctl->Mouse = GUICheckMouse;
    ctl->pType = &sGUICheckType;
    GUIControlApplySkin(pGUICheckSkinInit, ctl);
}

void GUICheckMouse(GUIControl *self, int32_t, int32_t, uint8_t buttons, uint8_t changed,
                   uint8_t inside) {
    if (!inside || !GUIMousePressed(buttons, changed, GUI_MOUSE_LEFT))
        return;
    GUICheck *check = GUIControlCast<GUICheck>(self, sGUICheckType);
    check->bChecked = !check->bChecked;
    GUIControlRedrawThis(self);
    GUIControlSetEvent(self, GUI_EVENT_CHECK_CHANGED);
}

} // extern "C"
