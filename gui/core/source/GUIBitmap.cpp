// Picture control. The skin loads szFile into pBackground and takes its size.
#include "GUIBitmap.h"

#include "GUIControlNew.h"
#include "GUIScript.h"
#include "GUIText.h"

extern "C" {

GUIControl *GUIBitmapFromScript(GUIControl *parent, GUIScriptReader *reader,
                                GUIControlScriptArgs *args) {
    char file[GUI_BITMAP_FILE_SIZE];
    if (!GUIScriptGetWordInParentheses(reader, file, sizeof file))
        return nullptr;
    return GUIBitmapNew(parent, &args->oRect, file);
}

GUIControl *GUIBitmapNew(GUIControl *parent, GUIRect *rect, const char *file) {
    return GUINewControl<GUIBitmap>("gui\\core\\source\\GUIBitmap", __LINE__, GUIBitmapInit, parent,
                                    rect, file);
}

void GUIBitmapInit(GUIBitmap *bitmap, GUIControl *parent, GUIRect *rect, const char *file) {
    GUIControl *ctl = &bitmap->oControl;
    GUIControlInit(ctl, parent, rect);
    GUITextCopyString(bitmap->szFile, sizeof bitmap->szFile, file);
    GUIControlRedrawThis(ctl);
    ctl->pType = &sGUIBitmapType;
    ctl->pChildHost = ctl;
    GUIControlApplySkin(pGUIBitmapSkinInit, ctl);
}

} // extern "C"
