// Tab control: sheets laid out under a combo box that chooses the one shown.
#include "GUITab.h"

#include <cstring>

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIScript.h"
#include "GUISheet.h"

namespace {

GUITab *asTab(GUIControl *ctl) {
    return GUIControlCast<GUITab>(ctl, sGUITabType);
}

bool isSheet(const GUIControl *ctl) {
    return ctl->pType == &sGUISheetType;
}

GUIControl *selectorEdit(GUITab *tab) {
    return &tab->oSelector.oEdit.oControl;
}

// The current sheet may have been removed since it was shown; only a sheet
// still in the tab control is touched.
bool isChildOf(const GUIControl *parent, const GUIControl *ctl) {
    for (const GUIControl *child = parent->pFirstChild; child; child = child->pNext)
        if (child == ctl)
            return true;
    return false;
}

void offerSheetNames(GUITab *tab) {
    GUIControl *selector = &tab->oSelector.oControl;
    GUIComboClear(selector);
    for (GUIControl *child = tab->oControl.pFirstChild; child; child = child->pNext)
        if (isSheet(child))
            GUIComboAdd(selector, GUIControlCast<GUISheet>(child, sGUISheetType)->szName);
}

GUIControl *sheetNamed(GUITab *tab, const char *name) {
    for (GUIControl *child = tab->oControl.pFirstChild; child; child = child->pNext)
        if (isSheet(child) &&
            std::strcmp(GUIControlCast<GUISheet>(child, sGUISheetType)->szName, name) == 0)
            return child;
    return nullptr;
}

void showChosenSheet(GUITab *tab) {
    if (tab->pCurrentSheet && isChildOf(&tab->oControl, tab->pCurrentSheet))
        GUIControlDisable(tab->pCurrentSheet);
    GUIControl *sheet = sheetNamed(tab, tab->oSelector.oEdit.szText);
    if (!sheet)
        return;
    GUIControlShow(sheet);
    tab->pCurrentSheet = sheet;
}

} // namespace

extern "C" {

GUIControl *GUITabFromScript(GUIControl *parent, GUIScriptReader *, GUIControlScriptArgs *args) {
    return GUITabNew(parent, &args->oRect);
}

GUIControl *GUITabNew(GUIControl *parent, GUIRect *rect) {
    return GUINewControl<GUITab>("gui\\core\\source\\GUITab", __LINE__, GUITabInit, parent, rect);
}

void GUITabInit(GUITab *tab, GUIControl *parent, GUIRect *rect) {
    GUIControl *ctl = &tab->oControl;
    GUIControlInit(ctl, parent, rect);
    tab->iBorder = GUI_TAB_BORDER;
    tab->iHeaderHeight = GUI_TAB_HEADER_HEIGHT;
    GUIRect strip{GUI_TAB_BORDER, ctl->iWidth - GUI_TAB_BORDER, GUI_TAB_BORDER,
                  GUI_TAB_BORDER + GUI_TAB_HEADER_HEIGHT};
    GUIComboInit(&tab->oSelector, ctl, &strip, "");
    tab->pCurrentSheet = nullptr;
    ctl->OnInnerEvent = GUITabOnInnerEvent;
    ctl->pType = &sGUITabType;
    ctl->pChildHost = ctl;
    GUIControlApplySkin(pGUITabSkinInit, ctl);
}

GUIControl *GUITabAdd(GUIControl *ctl, const char *name) {
    GUITab *tab = asTab(ctl);
    // The new sheet's GUI_EVENT_SHEET_ADDED offers its name to the selector.
    GUIControl *sheet = GUISheetNew(ctl, name);
    GUIEditSet(selectorEdit(tab), name);
    return sheet;
}

void GUITabLayout(GUIControl *ctl) {
    GUITab *tab = asTab(ctl);
    const int32_t border = tab->iBorder;
    const int32_t width = ctl->iWidth - 2 * border;
    GUIControlSetSize(&tab->oSelector.oControl, width, tab->iHeaderHeight);
    const int32_t height = ctl->iHeight - 2 * border - tab->iHeaderHeight;
    for (GUIControl *child = ctl->pFirstChild; child; child = child->pNext) {
        if (!isSheet(child))
            continue;
        GUIControlSetPos(child, border, border + tab->iHeaderHeight);
        GUIControlSetSize(child, width, height);
    }
}

int32_t GUITabOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    GUITab *tab = asTab(self);
    if (event == GUI_EVENT_RESIZED && sender == self) {
        GUITabLayout(self);
    } else if (event == GUI_EVENT_SHEET_ADDED && sender == self) {
        GUITabLayout(self);
        offerSheetNames(tab);
    } else if (event == GUI_EVENT_EDIT_CHANGED && sender == selectorEdit(tab)) {
        showChosenSheet(tab);
    }
    return self->OnPublicEvent(self, sender, event);
}

} // extern "C"
