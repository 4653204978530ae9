// Layout editor: take-over of the controls inside it, the mouse gestures that
// mark, move and resize them, and saving a control as a layout script.
#include "GUIEditor.h"

#include <cstdio>
#include <cstring>

#include "GUIControlNew.h"
#include "GUIEdit.h"
#include "GUIInputCodes.h"
#include "GUIModule.h"
#include "GUIScript.h"

uint8_t bGUIEditorMoveHold = 0;
uint8_t bGUIEditorResizeHold = 0;
int32_t iGUIEditorLXPos = 0;
int32_t iGUIEditorLYPos = 0;
GUIControl *pGUIEditorLCtrl = nullptr;

namespace {

constexpr const char *kSourceName = "gui\\core\\source\\GUIEditor";
constexpr const char *kSaveDialogScript = "__editor_save.scr";
// A press this close to both the right and the bottom edge resizes.
constexpr int32_t kResizeCorner = 10;

struct Point {
    int32_t x;
    int32_t y;
};

// The control a press selects: inner parts of composite controls stand for
// the enclosing control. The point is carried into that control's coordinates.
GUIControl *selectedControl(GUIControl *control, Point &point) {
    GUIControl *target = control;
    while (target->bPartOfParent && target->pParent) {
        point.x += target->iLeft - target->pParent->iScrollX;
        point.y += target->iTop - target->pParent->iScrollY;
        target = target->pParent;
    }
    return target;
}

void grab(GUIControl *target, Point point) {
    const bool nearCorner =
        target->iWidth - point.x < kResizeCorner && target->iHeight - point.y < kResizeCorner;
    if (nearCorner)
        bGUIEditorResizeHold = 1;
    else
        bGUIEditorMoveHold = 1;
    iGUIEditorLXPos = point.x;
    iGUIEditorLYPos = point.y;
    pGUIEditorLCtrl = target;
}

// Moves or resizes the held control so that the grab point follows the pointer.
void drag(GUIControl *control, int32_t x, int32_t y) {
    if (control != pGUIEditorLCtrl)
        return;
    if (bGUIEditorMoveHold)
        GUIControlSetPos(control, control->iLeft - iGUIEditorLXPos + x,
                         control->iTop - iGUIEditorLYPos + y);
    if (bGUIEditorResizeHold) {
        GUIControlSetSize(control, control->iWidth - iGUIEditorLXPos + x,
                          control->iHeight - iGUIEditorLYPos + y);
        iGUIEditorLXPos = x;
        iGUIEditorLYPos = y;
    }
}

void saveChosenControl(const char *path) {
    if (!pGUIEditorLCtrl) {
        std::fprintf(stderr, "Layout editor: the chosen control was deleted; %s not written\n",
                     path);
        return;
    }
    FILE *file = std::fopen(path, "wb");
    if (!file) {
        std::fprintf(stderr, "Layout editor: cannot write %s\n", path);
        return;
    }
    GUIControlSaveTree(pGUIEditorLCtrl, file, 0);
    std::fclose(file);
}

} // namespace

extern "C" {

GUIControl *GUIEditorFromScript(GUIControl *parent, GUIScriptReader *reader,
                                GUIControlScriptArgs *args) {
    if (!parent) {
        GUIScriptErrorWhy(reader, "an editor needs a parent; it cannot be the first control");
        return nullptr;
    }
    return GUIEditorNew(parent, &args->oRect);
}

GUIControl *GUIEditorNew(GUIControl *parent, GUIRect *rect) {
    return GUINewControl<GUIEditor>(kSourceName, __LINE__, GUIEditorInit, parent, rect);
}

void GUIEditorInit(GUIEditor *editor, GUIControl *parent, GUIRect *rect) {
    __msassert(parent != nullptr, kSourceName, __LINE__);
    GUIControl *ctl = &editor->oControl;
    GUIControlInit(ctl, parent, rect);
    GUIControlRedrawThis(ctl);
    ctl->pType = &sGUIEditorType;
    ctl->pChildHost = ctl;
    ctl->OnInnerEvent = GUIEditorOnInnerEvent;
}

int32_t GUIEditorOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    if (event == GUI_EVENT_CREATED)
        GUIEditorInstall(sender);
    return self->OnPublicEvent(self, sender, event);
}

void GUIEditorInstall(GUIControl *ctl) {
    for (; ctl; ctl = ctl->pNext) {
        ctl->Mouse = GUIEditorMouse;
        GUIEditorInstall(ctl->pFirstChild);
    }
}

void GUIEditorMouse(GUIControl *control, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                    uint8_t inside) {
    Point point{x, y};
    GUIControl *target = selectedControl(control, point);
    if (inside) {
        GUIControlMark(target);
        if (GUIMousePressed(buttons, changed, GUI_MOUSE_LEFT) && target->pType != &sGUIEditorType)
            grab(target, point);
    }
    if (buttons == 0 && (changed & GUI_MOUSE_LEFT)) {
        bGUIEditorMoveHold = 0;
        bGUIEditorResizeHold = 0;
    } else {
        drag(control, x, y);
    }
}

int32_t GUIEditorSaveHandler(GUIControl *dialog, GUIControl *sender, int32_t event) {
    if (event != GUI_EVENT_BUTTON_CLICKED || !sender->pszID ||
        std::strcmp(sender->pszID, "__editor_save") != 0)
        return 0;
    GUIControl *nameField = GUIControlGetByID(dialog, "__editor_filename");
    dialog->bRemoveLater = 1;
    if (!nameField || nameField->pType != &sGUIEditType) {
        std::fprintf(stderr,
                     "Layout editor: %s has no edit \"__editor_filename\"; nothing written\n",
                     kSaveDialogScript);
        return 0;
    }
    char path[GUI_EDIT_TEXT_SIZE];
    GUIEditGet(nameField, path);
    saveChosenControl(path);
    return 0;
}

void GUIEditorForget(GUIControl *ctl) {
    if (pGUIEditorLCtrl == ctl)
        pGUIEditorLCtrl = nullptr;
}

} // extern "C"
