// Combo box: field, drop button, and a drop-down list in a view on the root.
#include "GUICombo.h"

#include <algorithm>
#include <cstdio>

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIScript.h"

namespace {

GUICombo *asCombo(GUIControl *ctl) {
    return GUIControlCast<GUICombo>(ctl, sGUIComboType);
}

// Height the field and the button keep over the combo box's own height.
int32_t partHeight(const GUICombo *combo) {
    return combo->oControl.iHeight - (combo->bDropped ? combo->iDropHeight : 0);
}

void initParts(GUICombo *combo, const char *text) {
    GUIControl *ctl = &combo->oControl;
    const int32_t split = ctl->iWidth - combo->iButtonWidth;
    GUIRect field{0, split, 0, ctl->iHeight};
    GUIEditInit(&combo->oEdit.oControl, ctl, &field, text);
    combo->oEdit.bFrame = 1;
    combo->oEdit.oControl.bPartOfParent = 1;
    GUIRect button{split, ctl->iWidth, 0, ctl->iHeight};
    GUIButtonInit(&combo->oButton, ctl, &button, "");
    combo->oButton.oControl.bPartOfParent = 1;
}

void initDropDown(GUICombo *combo) {
    GUIRect empty{0, 0, 0, 0};
    GUIViewInit(&combo->oDropView, pGUIControlRoot, &empty);
    GUIControl *view = &combo->oDropView.oControl;
    view->bHidden = 1;
    view->bTopMost = 1;
    combo->oDropView.bAllowH = 0;
    view->pEventTarget = &combo->oControl;
    GUIRect rows{0, combo->oControl.iWidth, 0, 0};
    GUIListInit(&combo->oDropList.oControl, &combo->oDropView.oPane, &rows);
    combo->oDropList.bTrackHover = 1;
}

void choose(GUICombo *combo) {
    GUIControl *list = &combo->oDropList.oControl;
    const int32_t row = combo->oDropList.iSelected;
    GUIEditSet(&combo->oEdit.oControl, GUIListGet(list, row));
    combo->iChosen = row;
    GUIControlSetEvent(&combo->oControl, GUI_EVENT_COMBO_CHANGED);
    GUIComboClose(&combo->oControl);
}

// The missing ")" is reported by the loader once the constructor fails; this
// line only says why.
void reportUnclosedChoices(const GUIScriptReader *reader) {
    std::fprintf(stderr, "Layout script error in line %d: the combo box's choices lack \")\"\n",
                 reader->iLine);
}

} // namespace

extern "C" {

GUIControl *GUIComboFromScript(GUIControl *parent, GUIScriptReader *reader,
                               GUIControlScriptArgs *args) {
    if (GUIScriptGetChar(reader) != '(') {
        GUIScriptErrorWhy(reader, "missing \"(\" before the combo box's text");
        return nullptr;
    }
    char word[GUI_SCRIPT_WORD_SIZE];
    GUIScriptGetWord(reader, word, sizeof word);
    GUIControl *combo = GUIComboNew(parent, &args->oRect, word);
    if (!combo)
        return nullptr;
    while (GUIScriptPeek(reader) == ',') {
        GUIScriptGetChar(reader);
        GUIScriptGetWord(reader, word, sizeof word);
        GUIComboAdd(combo, word);
    }
    if (GUIScriptGetChar(reader) != ')') {
        reportUnclosedChoices(reader);
        GUIControlDestroy(combo);
        return nullptr;
    }
    return combo;
}

GUIControl *GUIComboNew(GUIControl *parent, GUIRect *rect, const char *text) {
    return GUINewControl<GUICombo>("gui\\core\\source\\GUICombo", __LINE__, GUIComboInit, parent,
                                   rect, text);
}

void GUIComboInit(GUICombo *combo, GUIControl *parent, GUIRect *rect, const char *text) {
    GUIControl *ctl = &combo->oControl;
    GUIControlInit(ctl, parent, rect);
    combo->iButtonWidth = GUI_COMBO_BUTTON_WIDTH;
    combo->iDropHeight = GUI_COMBO_DROP_HEIGHT;
    combo->bDropped = 0;
    combo->iChosen = -1;
    initParts(combo, text);
    initDropDown(combo);
    ctl->OnInnerEvent = GUIComboOnInnerEvent;
    ctl->pType = &sGUIComboType;
    ctl->Remove = GUIComboRemove;
    GUIControlApplySkin(pGUIComboSkinInit, ctl);
}

int32_t GUIComboAdd(GUIControl *combo, const char *text) {
    return GUIListAdd(&asCombo(combo)->oDropList.oControl, text);
}

void GUIComboClear(GUIControl *combo) {
    GUIListClear(&asCombo(combo)->oDropList.oControl);
}

void GUIComboRecalc(GUIControl *ctl) {
    GUICombo *combo = asCombo(ctl);
    const int32_t height = partHeight(combo);
    const int32_t split = ctl->iWidth - combo->iButtonWidth;
    GUIControlSetSize(&combo->oEdit.oControl, split, height);
    GUIControlSetPos(&combo->oButton.oControl, split, 0);
    GUIControlSetSize(&combo->oButton.oControl, combo->iButtonWidth, height);
}

void GUIComboRemove(GUIControl *ctl) {
    GUIControl *view = &asCombo(ctl)->oDropView.oControl;
    view->Remove(view);
    GUIControlRemove(ctl);
}

void GUIComboDrop(GUIControl *ctl) {
    GUICombo *combo = asCombo(ctl);
    if (combo->bDropped)
        return;
    GUIRect below{0, ctl->iWidth, ctl->iHeight, ctl->iHeight + combo->iDropHeight};
    GUIControlToRoot(ctl, &below);
    GUIControl *view = &combo->oDropView.oControl;
    GUIControlSetPos(view, below.iLeft, below.iTop);
    GUIControlSetSize(view, ctl->iWidth,
                      std::min(combo->iDropHeight, combo->oDropList.oControl.iHeight));
    GUIControlShow(view);
    combo->bDropped = 1;
}

void GUIComboClose(GUIControl *ctl) {
    GUICombo *combo = asCombo(ctl);
    if (!combo->bDropped)
        return;
    GUIControlHide(&combo->oDropView.oControl);
    combo->bDropped = 0;
}

int32_t GUIComboOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    GUICombo *combo = asCombo(self);
    if (event == GUI_EVENT_RESIZED && sender == self) {
        GUIComboRecalc(self);
    } else if (event == GUI_EVENT_BUTTON_CLICKED && sender == &combo->oButton.oControl) {
        if (combo->bDropped)
            GUIComboClose(self);
        else
            GUIComboDrop(self);
    } else if (event == GUI_EVENT_LIST_CHOSEN && sender == &combo->oDropList.oControl) {
        choose(combo);
    }
    return self->OnPublicEvent(self, sender, event);
}

} // extern "C"
