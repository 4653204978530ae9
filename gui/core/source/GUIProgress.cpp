// Progress bar.
#include "GUIProgress.h"

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIScript.h"

extern "C" {

GUIControl *GUIProgressFromScript(GUIControl *parent, GUIScriptReader *,
                                  GUIControlScriptArgs *args) {
    return GUIProgressNew(parent, &args->oRect);
}

GUIControl *GUIProgressNew(GUIControl *parent, GUIRect *rect) {
    return GUINewControl<GUIProgress>("gui\\core\\source\\GUIProgress", __LINE__, GUIProgressInit,
                                      parent, rect);
}

void GUIProgressInit(GUIProgress *progress, GUIControl *parent, GUIRect *rect) {
    GUIControl *ctl = &progress->oControl;
    GUIControlInit(ctl, parent, rect);
    progress->iPos = 0;
    progress->iMax = 0;
    progress->bShowText = 1;
    ctl->pType = &sGUIProgressType;
    GUIControlApplySkin(pGUIProgressSkinInit, ctl);
}

// Lowered to the maximum first and raised to 0 after, so a negative maximum
// still leaves the position at 0.
void GUIProgressSet(GUIControl *ctl, int32_t value) {
    GUIProgress *progress = GUIControlCast<GUIProgress>(ctl, sGUIProgressType);
    if (value > progress->iMax)
        value = progress->iMax;
    if (value < 0)
        value = 0;
    if (value == progress->iPos)
        return;
    progress->iPos = value;
    GUIControlRedrawThis(ctl);
}

} // extern "C"
