// Picture control. The skin loads szFile into pBackground and takes its size.
#include "GUIBitmap.h"

#include <cstring>

#include "GUIButton.h"
#include "GUIModule.h"
#include "GUIScript.h"
#include "GUIText.h"

GUIControlType sGUIBitmapType = {"Bitmap", GUIBitmapFromScript, &sGUIButtonType};

extern "C" {

GUIControl *GUIBitmapFromScript(GUIControl *parent, GUIScriptReader *reader,
                                GUIControlScriptArgs *args) {
    char file[GUI_BITMAP_FILE_SIZE];
    if (!GUIScriptGetWordInParentheses(reader, file, sizeof file))
        return nullptr;
    return GUIBitmapNew(parent, &args->oRect, file);
}

GUIControl *GUIBitmapNew(GUIControl *parent, GUIRect *rect, const char *file) {
    auto *bitmap = static_cast<GUIBitmap *>(
        __dalloc(sizeof(GUIBitmap), "gui\\core\\source\\GUIBitmap", __LINE__));
    if (!bitmap)
        return nullptr;
    GUIBitmapInit(bitmap, parent, rect, file);
    bitmap->oControl.bAllocated = 1;
    GUIControlSetEvent(&bitmap->oControl, GUI_EVENT_CREATED);
    return &bitmap->oControl;
}

void GUIBitmapInit(GUIBitmap *bitmap, GUIControl *parent, GUIRect *rect, const char *file) {
    GUIControl *ctl = &bitmap->oControl;
    GUIControlInit(ctl, parent, rect);
    GUITextCopy(bitmap->szFile, sizeof bitmap->szFile, file, file ? std::strlen(file) : 0);
    GUIControlRedrawThis(ctl);
    ctl->pType = &sGUIBitmapType;
    ctl->pChildHost = ctl;
    GUIControlApplySkin(pGUIBitmapSkinInit, ctl);
}

} // extern "C"
