// Mouse, key and timer dispatch over the control tree, and deferred removal.
#include <algorithm>

#include "GUIControl.h"
#include "GUIPopupMenu.h"

namespace {

// a + b - c without overflow: positions come from untrusted scripts.
int32_t shifted(int32_t a, int32_t b, int32_t c) {
    const int64_t value = int64_t{a} + b - c;
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// Converts a point in c's coordinates to those of c's next sibling.
void toNextSibling(const GUIControl *c, int32_t &x, int32_t &y) {
    x = shifted(x, c->iLeft, c->pNext->iLeft);
    y = shifted(y, c->iTop, c->pNext->iTop);
}

bool offerToNext(GUIControl *c, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                 uint8_t inside) {
    if (!c->pNext)
        return false;
    toNextSibling(c, x, y);
    return GUIControlMouse(c->pNext, x, y, buttons, changed, inside);
}

bool offerToFirstChild(GUIControl *c, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                       uint8_t inside) {
    GUIControl *child = c->pFirstChild;
    if (!child)
        return false;
    return GUIControlMouse(child, shifted(x, c->iScrollX, child->iLeft),
                           shifted(y, c->iScrollY, child->iTop), buttons, changed, inside);
}

bool contains(const GUIControl *c, int32_t x, int32_t y) {
    return x >= 0 && x < c->iWidth && y >= 0 && y < c->iHeight;
}

} // namespace

extern "C" {

bool GUIControlMouse(GUIControl *ctl, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                     uint8_t inside) {
    GUIControl *c = ctl;
    for (;;) {
        while (c->bHidden) {
            if (!c->pNext)
                return false;
            toNextSibling(c, x, y);
            c = c->pNext;
        }
        if (!inside) {
            c->Mouse(c, x, y, buttons, changed, 0);
            offerToNext(c, x, y, buttons, changed, 0);
            offerToFirstChild(c, x, y, buttons, changed, 0);
            return false;
        }
        if (contains(c, x, y))
            break;
        c->Mouse(c, x, y, buttons, changed, 0);
        offerToFirstChild(c, x, y, buttons, changed, 0);
        if (!c->pNext)
            return false;
        toNextSibling(c, x, y);
        c = c->pNext;
    }
    if (offerToNext(c, x, y, buttons, changed, 1) ||
        offerToFirstChild(c, x, y, buttons, changed, 1)) {
        c->Mouse(c, x, y, buttons, changed, 0);
        return true;
    }
    c->Mouse(c, x, y, buttons, changed, 1);
    return true;
}

bool GUIControlShareKey(GUIControl *ctl, int32_t key, int32_t flags) {
    if (ctl->pNext && GUIControlShareKey(ctl->pNext, key, flags))
        return true;
    if (ctl->pFirstChild && GUIControlShareKey(ctl->pFirstChild, key, flags))
        return true;
    return ctl->Key(ctl, key, flags);
}

void GUIControlOnTimer(GUIControl *ctl) {
    ctl->OnTimer(ctl);
    if (ctl->pNext)
        GUIControlOnTimer(ctl->pNext);
    if (ctl->pFirstChild)
        GUIControlOnTimer(ctl->pFirstChild);
}

} // extern "C"

namespace {

// Later siblings first, then the children, then the control itself. Pop-up
// menus are not released here: their own module keeps the record.
void removeMarkedControls(GUIControl *c) {
    if (c->pNext)
        removeMarkedControls(c->pNext);
    if (c->pFirstChild)
        removeMarkedControls(c->pFirstChild);
    if (!c->bRemoveLater)
        return;
    if (c->pType == &sGUIPopupMenuType)
        GUIPopupMenuDismiss(c);
    else
        GUIControlDestroy(c);
}

} // namespace

extern "C" void GUIControlUpdate(void) {
    if (pGUIControlRoot)
        removeMarkedControls(pGUIControlRoot);
}
