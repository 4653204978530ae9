// The control record, the control tree, redraw with clipped drawing, event
// codes, the type registry and the skin hooks.
#pragma once

#include <stdbool.h>
#include <stdint.h>
#include <stdio.h>

#include "GfxAPI.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GUIControl GUIControl;
typedef struct GUIControlType GUIControlType;
typedef struct GUIScriptReader GUIScriptReader;
typedef struct GUIControlScriptArgs GUIControlScriptArgs;

typedef int32_t (*GUIEventProc)(GUIControl *self, GUIControl *sender, int32_t event);
typedef void (*GUIDrawProc)(GUIControl *self, GUIRect *rect);
typedef void (*GUIMouseProc)(GUIControl *self, int32_t x, int32_t y, uint8_t buttons,
                             uint8_t changed, uint8_t inside);
typedef void (*GUIRemoveProc)(GUIControl *self);
typedef bool (*GUIKeyProc)(GUIControl *self, int32_t key, int32_t flags);
typedef void (*GUITimerProc)(GUIControl *self);
typedef GUIControl *(*GUISaveProc)(GUIControl *self, FILE *stream);
typedef GUIControl *(*GUIFromScriptProc)(GUIControl *parent, GUIScriptReader *reader,
                                         GUIControlScriptArgs *args);
typedef void (*GUISkinInitProc)(GUIControl *ctl);

struct GUIControl {
    // Rectangle in the parent's content coordinates; starts like a GUIRect.
    int32_t iLeft;
    int32_t iRight;
    int32_t iTop;
    int32_t iBottom;
    // Clip rectangle in own coordinates, written by the redraw walk.
    int32_t iClipLeft;
    int32_t iClipRight;
    int32_t iClipTop;
    int32_t iClipBottom;
    int32_t iWidth;
    int32_t iHeight;
    // Inner origin: content point (x, y) shows at own point (x - iScrollX, y - iScrollY).
    int32_t iScrollX;
    int32_t iScrollY;
    GUIControl *pParent;
    GUIControl *pFirstChild; // back-most child
    GUIControl *pNext;       // next sibling, one step nearer the front
    GUIControl *pEventTarget;
    GUIControlType *pType;
    GUIControl *pChildHost;
    char *pszID;
    uint8_t bMouseHold;
    uint8_t bHidden;
    uint8_t bNoDraw;
    uint8_t bAllocated;
    uint8_t bTopMost;
    uint8_t bMarked;
    uint8_t bRemoveLater;
    uint8_t bPartOfParent;
    GUIEventProc OnInnerEvent;
    GUIEventProc OnPublicEvent;
    GUIDrawProc Draw;
    GUIMouseProc Mouse;
    GUIRemoveProc Remove;
    GUIKeyProc Key;
    GUITimerProc OnTimer;
    GUISaveProc Save;
    GfxSurface *pBackground;
};

struct GUIControlType {
    const char *pszName;
    GUIFromScriptProc FromScript;
    GUIControlType *pNext;
};

enum GUIEvent {
    GUI_EVENT_CHILD_MOVED = 1,
    GUI_EVENT_RESIZED = 2,
    GUI_EVENT_CREATED = 3,
    GUI_EVENT_CHILD_ADDED = 4,
    GUI_EVENT_SCROLLED = 8,
    GUI_EVENT_BUTTON_CLICKED = 0x100,
    GUI_EVENT_BUTTON_DOWN = 0x101,
    GUI_EVENT_BUTTON_UP = 0x102,
    GUI_EVENT_SCROLLBAR_CHANGED = 0x200,
    GUI_EVENT_CHECK_CHANGED = 0x300,
    GUI_EVENT_VIEW_SCROLLED = 0x700,
    GUI_EVENT_COMBO_CHANGED = 0xA00,
    GUI_EVENT_LIST_SELECTED = 0xE00,
    GUI_EVENT_LIST_CHOSEN = 0xE01,
    GUI_EVENT_TABLE_SELECTED = 0xF00,
    GUI_EVENT_SHEET_ADDED = 0x1000,
    GUI_EVENT_EDIT_CHANGED = 0x1E00,
    GUI_EVENT_MENU_CHOSEN = 0x2100,
};

extern GUIControl *pGUIControlRoot;
extern GUIControl *pGUIControlMarked;
extern GUIControlType *pGUIControlTypeHead;
// Told of every control GUIControlRemove takes out of the tree, so that a
// module that keeps pointers to controls (the layout editor) can let go of
// them; null while no such module is in use.
extern void (*pGUIControlRemovedHook)(GUIControl *ctl);

// Skin hooks: filled by the skin loader, called by each type's init when set.
extern GUISkinInitProc pGUIBitmapSkinInit;
extern GUISkinInitProc pGUIButtonSkinInit;
extern GUISkinInitProc pGUICheckSkinInit;
extern GUISkinInitProc pGUIComboSkinInit;
extern GUISkinInitProc pGUIDesktopSkinInit;
extern GUISkinInitProc pGUIEditSkinInit;
extern GUISkinInitProc pGUIEditorSkinInit;
extern GUISkinInitProc pGUIListSkinInit;
extern GUISkinInitProc pGUIPopupMenuSkinInit;
extern GUISkinInitProc pGUIProgressSkinInit;
extern GUISkinInitProc pGUIScrollBarSkinInit;
extern GUISkinInitProc pGUISeparatorSkinInit;
extern GUISkinInitProc pGUITabSkinInit;
extern GUISkinInitProc pGUITableSkinInit;
extern GUISkinInitProc pGUICHeaderSkinInit;
extern GUISkinInitProc pGUIViewSkinInit;
extern GUISkinInitProc pGUIWindowSkinInit;

// Calls a skin hook if the skin has set it.
static inline void GUIControlApplySkin(GUISkinInitProc hook, GUIControl *ctl) {
    if (hook)
        hook(ctl);
}

// Tree
void GUIControlInit(GUIControl *ctl, GUIControl *parent, GUIRect *rect);
int32_t GUIControlSetEvent(GUIControl *ctl, int32_t event);
int32_t GUIControlOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event);
int32_t GUIControlOnPublicEvent(GUIControl *self, GUIControl *sender, int32_t event);
void GUIControlDefaultDraw(GUIControl *self, GUIRect *rect);
bool GUIControlKey(GUIControl *self, int32_t key, int32_t flags);
GUIControl *GUIControlDSave(GUIControl *self, FILE *stream);
GUIControl *GUIControlGetByID(GUIControl *start, const char *id);
void GUIControlUnlink(GUIControl *ctl);
void GUIControlBringToFront(GUIControl *ctl);
void GUIControlSetToTop(GUIControl *ctl);
void GUIControlPutToBack(GUIControl *ctl);
void GUIControlSetToBottom(GUIControl *ctl);
void GUIControlHide(GUIControl *ctl);
void GUIControlShow(GUIControl *ctl);
void GUIControlDisable(GUIControl *ctl);
void GUIControlSetWindowPos(GUIControl *ctl, int32_t x, int32_t y);
void GUIControlSetPos(GUIControl *ctl, int32_t x, int32_t y);
void GUIControlSetSize(GUIControl *ctl, int32_t w, int32_t h);
void GUIControlRemove(GUIControl *ctl);
// Takes the control out of the tree through its Remove, then releases its
// record if its type's constructor allocated it.
void GUIControlDestroy(GUIControl *ctl);
void GUIControlMark(GUIControl *ctl);
void GUIControlToRoot(GUIControl *ctl, GUIRect *rect);
void GUIControlScrollIntoView(GUIControl *ctl, GUIRect *rect);

// The do-nothing default operation, exported under four names; GUIControlEnable
// is the same operation as GUIControlShow.
void GUIControlDMouse(GUIControl *self, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                      uint8_t inside);
void GUIControlDOnTimer(GUIControl *self);
void GUIControlChildActivity(GUIControl *self);
void GUIControlResized(GUIControl *self);
void GUIControlEnable(GUIControl *ctl);

// Redraw and clipped drawing
void GUIControlRedrawThis(GUIControl *ctl);
void GUIControlRedrawAll(GUIControl *ctl, GUIRect *rect);
void GUIControlRedrawSubTree(GUIControl *ctl, GUIRect *rect);
void GUIControlBlit(GUIControl *ctl, GfxSurface *surface, GUIRect *rect, uint32_t srcX,
                    uint32_t srcY);
void GUIControlBox(GUIControl *ctl, GUIRect *rect, uint32_t colour);
void GUIControlText(GUIControl *ctl, const char *text, GUIRect *rect, int32_t offX, int32_t offY,
                    GfxFont *font, uint32_t colour);
void GUIControlVLine(GUIControl *ctl, int32_t x, int32_t y1, int32_t y2, uint32_t colour);
void GUIControlHLine(GUIControl *ctl, int32_t x1, int32_t x2, int32_t y, uint32_t colour);

// Input dispatch and deferred removal
bool GUIControlMouse(GUIControl *ctl, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                     uint8_t inside);
bool GUIControlShareKey(GUIControl *ctl, int32_t key, int32_t flags);
void GUIControlOnTimer(GUIControl *ctl);
void GUIControlUpdate(void);

#ifdef __cplusplus
}
#endif
