// Pop-up menu: binding to a control, choosing a row and leaving the tree.
#include "GUIPopupMenu.h"

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIModule.h"
#include "GUIScript.h"
#include "GUIText.h"

namespace {

// The last menu the deferred-removal pass took out of the tree; released when
// the next one is dismissed.
GUIControl *pDismissedMenu = nullptr;

GUIPopupMenu *asMenu(GUIControl *ctl) {
    return GUIControlCast<GUIPopupMenu>(ctl, sGUIPopupMenuType);
}

void choose(GUIControl *ctl) {
    GUIPopupMenu *menu = asMenu(ctl);
    const int32_t row = menu->oList.iSelected;
    menu->iChosen = row;
    GUITextCopyString(menu->szChosen, sizeof menu->szChosen, GUIListGet(ctl, row));
    GUIControlSetEvent(ctl, GUI_EVENT_MENU_CHOSEN);
    ctl->bRemoveLater = 1;
}

} // namespace

extern "C" {

GUIControl *GUIPopupMenuFromScript(GUIControl *parent, GUIScriptReader *,
                                   GUIControlScriptArgs *args) {
    return GUIPopupMenuNew(parent, &args->oRect);
}

GUIControl *GUIPopupMenuNew(GUIControl *parent, GUIRect *rect) {
    return GUINewControl<GUIPopupMenu>("gui\\core\\source\\GUIPopupMenu", __LINE__,
                                       GUIPopupMenuInit, parent, rect);
}

void GUIPopupMenuInit(GUIControl *ctl, GUIControl *parent, GUIRect *rect) {
    GUIListInit(ctl, parent, rect);
    GUIControlCast<GUIList>(ctl, sGUIListType)->bTrackHover = 1;
    ctl->pType = &sGUIPopupMenuType;
    GUIPopupMenu *menu = asMenu(ctl);
    menu->iChosen = -1;
    menu->szChosen[0] = '\0';
    ctl->OnInnerEvent = GUIPopupMenuOnInnerEvent;
    GUIControlApplySkin(pGUIPopupMenuSkinInit, ctl);
}

GUIControl *GUIPopupMenuBind(GUIControl *control, GUIRect *rect) {
    GUIRect place = *rect;
    GUIControlToRoot(control, &place);
    GUIControl *menu = GUIPopupMenuNew(pGUIControlRoot, &place);
    if (!menu)
        return nullptr;
    menu->pEventTarget = control;
    menu->bTopMost = 1;
    return menu;
}

int32_t GUIPopupMenuAdd(GUIControl *menu, const char *text) {
    return GUIListAdd(menu, text);
}

int32_t GUIPopupMenuOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    if (event == GUI_EVENT_LIST_CHOSEN && sender == self)
        choose(self);
    return self->OnPublicEvent(self, sender, event);
}

void GUIPopupMenuDismiss(GUIControl *menu) {
    const bool allocated = menu->bAllocated;
    menu->Remove(menu);
    if (!allocated)
        return;
    if (pDismissedMenu)
        __dfree(pDismissedMenu);
    pDismissedMenu = menu;
}

} // extern "C"
