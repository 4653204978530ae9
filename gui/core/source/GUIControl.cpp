// The control record's defaults and the control tree: linking, reordering,
// moving, resizing, hiding, marking and removing controls.
#include "GUIControl.h"

#include <algorithm>
#include <cstring>

#include "GUIModule.h"

GUIControl *pGUIControlRoot = nullptr;
GUIControl *pGUIControlMarked = nullptr;
void (*pGUIControlRemovedHook)(GUIControl *ctl) = nullptr;

GUISkinInitProc pGUIBitmapSkinInit = nullptr;
GUISkinInitProc pGUIButtonSkinInit = nullptr;
GUISkinInitProc pGUICheckSkinInit = nullptr;
GUISkinInitProc pGUIComboSkinInit = nullptr;
GUISkinInitProc pGUIDesktopSkinInit = nullptr;
GUISkinInitProc pGUIEditSkinInit = nullptr;
GUISkinInitProc pGUIEditorSkinInit = nullptr;
GUISkinInitProc pGUIListSkinInit = nullptr;
GUISkinInitProc pGUIPopupMenuSkinInit = nullptr;
GUISkinInitProc pGUIProgressSkinInit = nullptr;
GUISkinInitProc pGUIScrollBarSkinInit = nullptr;
GUISkinInitProc pGUISeparatorSkinInit = nullptr;
GUISkinInitProc pGUITabSkinInit = nullptr;
GUISkinInitProc pGUITableSkinInit = nullptr;
GUISkinInitProc pGUICHeaderSkinInit = nullptr;
GUISkinInitProc pGUIViewSkinInit = nullptr;
GUISkinInitProc pGUIWindowSkinInit = nullptr;

namespace {

// Links ctl into parent's child list just before the first top-most sibling,
// or at the end when there is none.
void insertBeforeTopMost(GUIControl *parent, GUIControl *ctl) {
    GUIControl **link = &parent->pFirstChild;
    while (*link && !(*link)->bTopMost)
        link = &(*link)->pNext;
    ctl->pNext = *link;
    *link = ctl;
}

void appendChild(GUIControl *parent, GUIControl *ctl) {
    GUIControl **link = &parent->pFirstChild;
    while (*link)
        link = &(*link)->pNext;
    ctl->pNext = nullptr;
    *link = ctl;
}

void prependChild(GUIControl *parent, GUIControl *ctl) {
    ctl->pNext = parent->pFirstChild;
    parent->pFirstChild = ctl;
}

// The rectangle a child covers, in its parent's own coordinates.
GUIRect areaInParent(const GUIControl *parent, int32_t left, int32_t right, int32_t top,
                     int32_t bottom) {
    return GUIRect{left - parent->iScrollX, right - parent->iScrollX, top - parent->iScrollY,
                   bottom - parent->iScrollY};
}

void redrawParentOver(GUIControl *ctl) {
    GUIRect area = areaInParent(ctl->pParent, ctl->iLeft, ctl->iRight, ctl->iTop, ctl->iBottom);
    GUIControlRedrawAll(ctl->pParent, &area);
}

void redrawWhole(GUIControl *ctl) {
    GUIRect whole{0, ctl->iWidth, 0, ctl->iHeight};
    GUIControlRedrawAll(ctl, &whole);
}

void installDefaultSlots(GUIControl *ctl) {
    ctl->OnInnerEvent = GUIControlOnInnerEvent;
    ctl->OnPublicEvent = GUIControlOnPublicEvent;
    ctl->Draw = GUIControlDefaultDraw;
    ctl->Mouse = GUIControlDMouse;
    ctl->Remove = GUIControlRemove;
    ctl->Key = GUIControlKey;
    ctl->OnTimer = GUIControlDOnTimer;
    ctl->Save = GUIControlDSave;
}

void clearFlags(GUIControl *ctl) {
    ctl->bMouseHold = 0;
    ctl->bHidden = 0;
    ctl->bNoDraw = 0;
    ctl->bAllocated = 0;
    ctl->bTopMost = 0;
    ctl->bMarked = 0;
    ctl->bRemoveLater = 0;
    ctl->bPartOfParent = 0;
}

// Pre-order search of c, its descendants and its later siblings.
GUIControl *findFromHere(GUIControl *c, const char *id) {
    for (; c; c = c->pNext) {
        if (c->pszID && std::strcmp(c->pszID, id) == 0)
            return c;
        if (GUIControl *found = findFromHere(c->pFirstChild, id))
            return found;
    }
    return nullptr;
}

// Positions, sizes and scroll offsets are kept within this bound, so that the
// sums the tree makes of them (a child's offset and scroll added up through
// every level of the deepest tree a script may build, 64 x 2^24) never
// overflow, whatever numbers a script or a caller hands in. It leaves room for
// lists of half a million rows.
constexpr int64_t kCoordinateLimit = int64_t{1} << 23;

int32_t coordinate(int64_t value) {
    return static_cast<int32_t>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

} // namespace

extern "C" {

void GUIControlInit(GUIControl *ctl, GUIControl *parent, GUIRect *rect) {
    ctl->pszID = nullptr;
    clearFlags(ctl);
    ctl->pParent = parent;
    ctl->pEventTarget = parent;
    ctl->pFirstChild = nullptr;
    if (parent) {
        insertBeforeTopMost(parent, ctl);
    } else {
        pGUIControlRoot = ctl;
        ctl->pNext = nullptr;
    }
    ctl->pType = nullptr;
    ctl->pChildHost = nullptr;
    ctl->iLeft = coordinate(rect->iLeft);
    ctl->iRight = coordinate(rect->iRight);
    ctl->iTop = coordinate(rect->iTop);
    ctl->iBottom = coordinate(rect->iBottom);
    ctl->iWidth = ctl->iRight - ctl->iLeft;
    ctl->iHeight = ctl->iBottom - ctl->iTop;
    ctl->iScrollX = 0;
    ctl->iScrollY = 0;
    installDefaultSlots(ctl);
    ctl->pBackground = nullptr;
    if (parent)
        GUIControlSetEvent(parent, GUI_EVENT_CHILD_ADDED);
}

int32_t GUIControlSetEvent(GUIControl *ctl, int32_t event) {
    return ctl->OnInnerEvent(ctl, ctl, event);
}

int32_t GUIControlOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    return self->OnPublicEvent(self, sender, event);
}

int32_t GUIControlOnPublicEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    GUIControl *target = self->pEventTarget;
    if (!target)
        return 0;
    return target->OnInnerEvent(target, sender, event);
}

void GUIControlDefaultDraw(GUIControl *self, GUIRect *) {
    if (!self->pBackground)
        return;
    GUIRect whole{0, self->iWidth, 0, self->iHeight};
    GUIControlBlit(self, self->pBackground, &whole, 0, 0);
}

bool GUIControlKey(GUIControl *, int32_t, int32_t) {
    return false;
}

GUIControl *GUIControlDSave(GUIControl *self, FILE *) {
    return self->pFirstChild;
}

// The do-nothing default. The three names that share a signature are one
// function; the mouse slot's signature differs, so it has its own empty body.
void GUIControlDOnTimer(GUIControl *) {}
void GUIControlChildActivity(GUIControl *) __attribute__((alias("GUIControlDOnTimer")));
void GUIControlResized(GUIControl *) __attribute__((alias("GUIControlDOnTimer")));
void GUIControlDMouse(GUIControl *, int32_t, int32_t, uint8_t, uint8_t, uint8_t) {}

GUIControl *GUIControlGetByID(GUIControl *start, const char *id) {
    if (!id)
        return nullptr;
    return findFromHere(start ? start : pGUIControlRoot, id);
}

void GUIControlUnlink(GUIControl *ctl) {
    GUIControl *parent = ctl->pParent;
    if (!parent) {
        if (pGUIControlRoot == ctl)
            pGUIControlRoot = nullptr;
        return;
    }
    for (GUIControl **link = &parent->pFirstChild; *link; link = &(*link)->pNext) {
        if (*link == ctl) {
            *link = ctl->pNext;
            return;
        }
    }
}

void GUIControlBringToFront(GUIControl *ctl) {
    GUIControlUnlink(ctl);
    if (ctl->pParent)
        insertBeforeTopMost(ctl->pParent, ctl);
    GUIControlRedrawThis(ctl);
}

void GUIControlSetToTop(GUIControl *ctl) {
    GUIControlUnlink(ctl);
    if (ctl->pParent)
        appendChild(ctl->pParent, ctl);
    GUIControlRedrawThis(ctl);
}

void GUIControlPutToBack(GUIControl *ctl) {
    GUIControlUnlink(ctl);
    if (ctl->pParent)
        prependChild(ctl->pParent, ctl);
    GUIControlRedrawThis(ctl);
}

void GUIControlSetToBottom(GUIControl *ctl) {
    GUIControlPutToBack(ctl);
}

void GUIControlHide(GUIControl *ctl) {
    if (ctl->bHidden)
        return;
    ctl->bHidden = 1;
    GUIControlRedrawThis(ctl);
}

void GUIControlShow(GUIControl *ctl) {
    if (!ctl->bHidden)
        return;
    ctl->bHidden = 0;
    GUIControlRedrawThis(ctl);
}

void GUIControlEnable(GUIControl *ctl) __attribute__((alias("GUIControlShow")));

void GUIControlDisable(GUIControl *ctl) {
    if (ctl->bHidden)
        return;
    ctl->bHidden = 1;
    if (ctl->pParent)
        redrawParentOver(ctl);
}

void GUIControlSetWindowPos(GUIControl *ctl, int32_t x, int32_t y) {
    ctl->iScrollX = coordinate(x);
    ctl->iScrollY = coordinate(y);
    redrawWhole(ctl);
    GUIControlSetEvent(ctl, GUI_EVENT_SCROLLED);
}

void GUIControlSetPos(GUIControl *ctl, int32_t x, int32_t y) {
    x = coordinate(x);
    y = coordinate(y);
    GUIControl *parent = ctl->pParent;
    if (!parent || (ctl->iLeft == x && ctl->iTop == y))
        return;
    GUIRect old = areaInParent(parent, ctl->iLeft, ctl->iRight, ctl->iTop, ctl->iBottom);
    ctl->iLeft = x;
    ctl->iRight = x + ctl->iWidth;
    ctl->iTop = y;
    ctl->iBottom = y + ctl->iHeight;
    GUIControlRedrawAll(parent, &old);
    redrawWhole(ctl);
    GUIControlSetEvent(parent, GUI_EVENT_CHILD_MOVED);
}

void GUIControlSetSize(GUIControl *ctl, int32_t w, int32_t h) {
    w = coordinate(w);
    h = coordinate(h);
    if (ctl->iWidth == w && ctl->iHeight == h)
        return;
    const int32_t oldWidth = ctl->iWidth;
    const int32_t oldHeight = ctl->iHeight;
    ctl->iRight = ctl->iLeft + w;
    ctl->iBottom = ctl->iTop + h;
    ctl->iWidth = w;
    ctl->iHeight = h;
    ctl->bNoDraw = 1;
    GUIControlSetEvent(ctl, GUI_EVENT_RESIZED);
    ctl->bNoDraw = 0;
    GUIControl *parent = ctl->pParent;
    if (!parent) {
        GUIControlRedrawThis(ctl);
        return;
    }
    // Old and new rectangles share their top-left corner: repaint their union.
    GUIRect area = areaInParent(parent, ctl->iLeft, ctl->iLeft + std::max(oldWidth, w), ctl->iTop,
                                ctl->iTop + std::max(oldHeight, h));
    GUIControlRedrawAll(parent, &area);
    GUIControlSetEvent(parent, GUI_EVENT_CHILD_MOVED);
}

void GUIControlRemove(GUIControl *ctl) {
    while (GUIControl *child = ctl->pFirstChild)
        GUIControlDestroy(child);
    GUIControlUnlink(ctl);
    if (ctl->pParent)
        redrawParentOver(ctl);
    if (ctl->pszID) {
        __dfree(ctl->pszID);
        ctl->pszID = nullptr;
    }
    if (pGUIControlMarked == ctl)
        pGUIControlMarked = nullptr;
    if (pGUIControlRemovedHook)
        pGUIControlRemovedHook(ctl);
}

void GUIControlDestroy(GUIControl *ctl) {
    const bool allocated = ctl->bAllocated;
    ctl->Remove(ctl);
    if (allocated)
        __dfree(ctl);
}

void GUIControlMark(GUIControl *ctl) {
    if (pGUIControlMarked == ctl)
        return;
    if (GUIControl *previous = pGUIControlMarked) {
        previous->bMarked = 0;
        GUIControlRedrawThis(previous);
    }
    ctl->bMarked = 1;
    GUIControlRedrawThis(ctl);
    pGUIControlMarked = ctl;
}

void GUIControlToRoot(GUIControl *ctl, GUIRect *rect) {
    for (GUIControl *c = ctl; c->pParent; c = c->pParent) {
        const int32_t dx = c->iLeft - c->pParent->iScrollX;
        const int32_t dy = c->iTop - c->pParent->iScrollY;
        rect->iLeft += dx;
        rect->iRight += dx;
        rect->iTop += dy;
        rect->iBottom += dy;
    }
}

void GUIControlScrollIntoView(GUIControl *ctl, GUIRect *rect) {
    GUIControl *p = ctl->pParent;
    if (!p)
        return;
    if (rect->iLeft < p->iScrollX)
        GUIControlSetWindowPos(p, rect->iLeft, p->iScrollY);
    if (rect->iRight > p->iScrollX + p->iWidth)
        GUIControlSetWindowPos(p, rect->iRight - p->iWidth, p->iScrollY);
    if (rect->iTop < p->iScrollY)
        GUIControlSetWindowPos(p, p->iScrollX, rect->iTop);
    if (rect->iBottom > p->iScrollY + p->iHeight)
        GUIControlSetWindowPos(p, p->iScrollX, rect->iBottom - p->iHeight);
}

} // extern "C"
