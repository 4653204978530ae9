// Layout editor: take-over of the controls inside it, the mouse gestures that
// mark, move and resize them, and saving a control as a layout script.
#include "GUIEditor.h"

#include <cstdio>
#include <cstring>

#include "GUIButton.h"
#include "GUICheck.h"
#include "GUIControlNew.h"
#include "GUIEdit.h"
#include "GUIInputCodes.h"
#include "GUIList.h"
#include "GUIModule.h"
#include "GUIPopupMenu.h"
#include "GUIProgress.h"
#include "GUIScript.h"
#include "GUIView.h"
#include "GUIWindow.h"

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
constexpr int32_t kMenuWidth = 80;
constexpr int32_t kMenuHeight = 60;

// The menu's rows; a choice is recognised by its text, so that the menus of
// others that reach the editor do nothing here.
enum MenuRow { kRowNew, kRowDelete, kRowSave, kRowProperties, kRowCount };
constexpr const char *kMenuRows[kRowCount] = {"New", "Delete", "Save", "Properties"};

struct Point {
    int32_t x;
    int32_t y;
};

// What "New" can make: types that need no more than a caption, with a size
// that shows them.
struct NewType {
    const char *pszName;
    int32_t iWidth;
    int32_t iHeight;
    GUIControl *(*Create)(GUIControl *host, GUIRect *rect);
};

const NewType kNewTypes[] = {
    {"Button", 80, 24, [](GUIControl *h, GUIRect *r) { return GUIButtonNew(h, r, "Button"); }},
    {"Check", 80, 20, [](GUIControl *h, GUIRect *r) { return GUICheckNew(h, r, "Check"); }},
    {"Edit", 100, 22, [](GUIControl *h, GUIRect *r) { return GUIEditNew(h, r, "Edit"); }},
    {"List", 120, 80, GUIListNew},
    {"Progress", 120, 16, GUIProgressNew},
    {"View", 120, 80, GUIViewNew},
    {"Window", 200, 150, [](GUIControl *h, GUIRect *r) { return GUIWindowNew(h, r, "Window"); }},
};

Point rootOrigin(GUIControl *ctl) {
    GUIRect rect{0, 0, 0, 0};
    GUIControlToRoot(ctl, &rect);
    return {rect.iLeft, rect.iTop};
}

GUIControl *bindMenu(GUIControl *control, Point at) {
    GUIRect rect{at.x, at.x + kMenuWidth, at.y, at.y + kMenuHeight};
    return GUIPopupMenuBind(control, &rect);
}

void openActionMenu(GUIControl *target, Point at) {
    if (GUIControl *menu = bindMenu(target, at))
        for (const char *row : kMenuRows)
            GUIPopupMenuAdd(menu, row);
}

// The types menu opens where the action menu was, bound to the editor.
void openNewMenu(GUIControl *editor, GUIControl *actionMenu) {
    const Point menu = rootOrigin(actionMenu);
    const Point origin = rootOrigin(editor);
    if (GUIControl *types = bindMenu(editor, {menu.x - origin.x, menu.y - origin.y}))
        for (const NewType &type : kNewTypes)
            GUIPopupMenuAdd(types, type.pszName);
}

// Adds a control of the chosen type at the root point where the menu was
// opened: inside the chosen control if it takes children, else beside it.
void addNewControl(const NewType &type, Point at) {
    if (!pGUIEditorLCtrl) {
        std::fprintf(stderr, "Layout editor: the chosen control was deleted; nothing added\n");
        return;
    }
    GUIControl *host = pGUIEditorLCtrl->pChildHost;
    if (!host)
        host = pGUIEditorLCtrl->pParent;
    if (!host)
        return;
    const Point origin = rootOrigin(host);
    const int32_t left = at.x - origin.x + host->iScrollX;
    const int32_t top = at.y - origin.y + host->iScrollY;
    GUIRect rect{left, left + type.iWidth, top, top + type.iHeight};
    if (GUIControl *added = type.Create(host, &rect))
        GUIControlMark(added);
}

void openSaveDialog() {
    GUIControl *dialog = GUIControlCreateFromFile(pGUIControlRoot, kSaveDialogScript);
    if (!dialog) {
        std::fprintf(stderr, "Layout editor: cannot open the save dialog %s\n", kSaveDialogScript);
        return;
    }
    dialog->OnPublicEvent = GUIEditorSaveHandler;
    GUIControl *field = GUIControlGetByID(dialog, "__editor_filename");
    if (field && field->pType == &sGUIEditType) {
        auto *edit = reinterpret_cast<GUIEdit *>(field);
        edit->bEditable = 1;
        edit->bFrame = 1; // looks like the field it is
    }
    // Its controls were drawn as they were made, before their looks were set.
    GUIControlRedrawThis(dialog);
}

const NewType *newTypeNamed(const char *name) {
    for (const NewType &type : kNewTypes)
        if (std::strcmp(type.pszName, name) == 0)
            return &type;
    return nullptr;
}

int32_t menuRowNamed(const char *text) {
    for (int32_t row = 0; row < kRowCount; ++row)
        if (std::strcmp(kMenuRows[row], text) == 0)
            return row;
    return -1;
}

void actOnChoice(GUIControl *editor, GUIControl *menu) {
    if (menu->pType != &sGUIPopupMenuType)
        return;
    const char *chosen = reinterpret_cast<GUIPopupMenu *>(menu)->szChosen;
    if (const NewType *type = newTypeNamed(chosen)) {
        addNewControl(*type, rootOrigin(menu));
        return;
    }
    switch (menuRowNamed(chosen)) {
    case kRowNew:
        openNewMenu(editor, menu);
        break;
    case kRowDelete:
        if (pGUIEditorLCtrl)
            pGUIEditorLCtrl->bRemoveLater = 1;
        break;
    case kRowSave:
        openSaveDialog();
        break;
    case kRowProperties:
        if (pGUIEditorLCtrl) {
            const Point at = rootOrigin(menu);
            GUIEditorPropertiesOpen(pGUIEditorLCtrl, at.x, at.y);
        }
        break;
    default:
        break;
    }
}

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
    pGUIControlRemovedHook = GUIEditorForget;
    GUIControl *ctl = &editor->oControl;
    GUIControlInit(ctl, parent, rect);
    GUIControlRedrawThis(ctl);
    ctl->pType = &sGUIEditorType;
    ctl->pChildHost = ctl;
    ctl->OnInnerEvent = GUIEditorOnInnerEvent;
}

GUIControl *GUIEditorWrap(GUIControl *parent) {
    GUIControl *children = parent->pFirstChild;
    parent->pFirstChild = nullptr;
    GUIRect whole{0, parent->iWidth, 0, parent->iHeight};
    GUIControl *editor = GUIEditorNew(parent, &whole);
    if (!editor) {
        parent->pFirstChild = children;
        return nullptr;
    }
    editor->pFirstChild = children;
    for (GUIControl *c = children; c; c = c->pNext) {
        c->pParent = editor;
        if (c->pEventTarget == parent)
            c->pEventTarget = editor;
    }
    GUIEditorInstall(children);
    GUIControlRedrawThis(editor);
    return editor;
}

int32_t GUIEditorOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    if (event == GUI_EVENT_CREATED)
        GUIEditorInstall(sender);
    else if (event == GUI_EVENT_MENU_CHOSEN)
        actOnChoice(self, sender);
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
    if (inside && GUIMousePressed(buttons, changed, GUI_MOUSE_RIGHT)) {
        openActionMenu(target, point);
        pGUIEditorLCtrl = target;
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
    GUIEditorPropertiesForget(ctl);
}

} // extern "C"
