// Sheet: a hidden named container that announces itself to its tab control.
#include "GUISheet.h"

#include "GUIControlNew.h"
#include "GUIScript.h"
#include "GUIText.h"

extern "C" {

GUIControl *GUISheetFromScript(GUIControl *parent, GUIScriptReader *reader,
                               GUIControlScriptArgs *) {
    char name[GUI_SCRIPT_WORD_SIZE];
    if (!GUIScriptGetWordInParentheses(reader, name, sizeof name))
        return nullptr;
    return GUISheetNew(parent, name);
}

// Unlike the other constructors it raises no GUI_EVENT_CREATED: the tab
// learns of the sheet through GUI_EVENT_SHEET_ADDED.
GUIControl *GUISheetNew(GUIControl *tab, const char *name) {
    return GUIAllocControl<GUISheet>("gui\\core\\source\\GUISheet", __LINE__, GUISheetInit, tab,
                                     name);
}

void GUISheetInit(GUISheet *sheet, GUIControl *tab, const char *name) {
    GUIControl *ctl = &sheet->oControl;
    GUIRect empty{0, 0, 0, 0};
    GUIControlInit(ctl, tab, &empty);
    ctl->bHidden = 1;
    GUITextCopyString(sheet->szName, sizeof sheet->szName, name);
    ctl->pType = &sGUISheetType;
    ctl->pChildHost = ctl;
    if (tab)
        GUIControlSetEvent(tab, GUI_EVENT_SHEET_ADDED);
}

} // extern "C"
