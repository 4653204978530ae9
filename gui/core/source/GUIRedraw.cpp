// Immediate repaint through the tree and the clipped drawing primitives that
// every control's Draw uses.
#include <algorithm>
#include <cassert>

#include "GUIControl.h"

namespace {

// How deep the redraw walk is. A repaint asked for from inside a Draw would
// start a second walk over the one still painting.
int32_t iDrawDepth = 0;

// Cuts r to the control's own bounds; false when nothing remains.
bool clampToControl(const GUIControl *c, GUIRect &r) {
    r.iLeft = std::max(r.iLeft, 0);
    r.iTop = std::max(r.iTop, 0);
    r.iRight = std::min(r.iRight, c->iWidth);
    r.iBottom = std::min(r.iBottom, c->iHeight);
    return r.iLeft < r.iRight && r.iTop < r.iBottom;
}

void shift(GUIRect &r, int32_t dx, int32_t dy) {
    r.iLeft += dx;
    r.iRight += dx;
    r.iTop += dy;
    r.iBottom += dy;
}

// Offset from a control's own coordinates to its parent's.
int32_t toParentX(const GUIControl *c) {
    return c->iLeft - c->pParent->iScrollX;
}
int32_t toParentY(const GUIControl *c) {
    return c->iTop - c->pParent->iScrollY;
}

void storeClip(GUIControl *c, const GUIRect &r) {
    c->iClipLeft = r.iLeft;
    c->iClipRight = r.iRight;
    c->iClipTop = r.iTop;
    c->iClipBottom = r.iBottom;
}

// A rectangle on its way to the root, with how far its left and top edges
// were cut: those amounts move the source or text origin so the picture stays
// anchored.
struct ClippedRect {
    GUIRect r;
    int32_t cutX;
    int32_t cutY;
};

// Clips r against c's clip rectangle and those of all its ancestors, turning it
// into root coordinates. False when nothing is to be drawn.
bool clipToRoot(const GUIControl *c, ClippedRect &out) {
    for (;;) {
        if (c->bNoDraw)
            return false;
        if (out.r.iLeft < c->iClipLeft) {
            out.cutX += c->iClipLeft - out.r.iLeft;
            out.r.iLeft = c->iClipLeft;
        }
        if (out.r.iTop < c->iClipTop) {
            out.cutY += c->iClipTop - out.r.iTop;
            out.r.iTop = c->iClipTop;
        }
        out.r.iRight = std::min(out.r.iRight, c->iClipRight);
        out.r.iBottom = std::min(out.r.iBottom, c->iClipBottom);
        if (out.r.iLeft >= out.r.iRight || out.r.iTop >= out.r.iBottom)
            return false;
        if (!c->pParent)
            return true;
        shift(out.r, toParentX(c), toParentY(c));
        c = c->pParent;
    }
}

} // namespace

extern "C" {

void GUIControlRedrawThis(GUIControl *ctl) {
    GUIRect whole{0, ctl->iWidth, 0, ctl->iHeight};
    GUIControlRedrawAll(ctl, &whole);
}

void GUIControlRedrawAll(GUIControl *ctl, GUIRect *rect) {
    assert(iDrawDepth == 0 && "a control asked for a repaint while drawing");
    GUIRect r = *rect;
    GUIControl *c = ctl;
    for (;;) {
        if (!clampToControl(c, r))
            return;
        if (!c->pParent)
            break;
        shift(r, toParentX(c), toParentY(c));
        c = c->pParent;
    }
    GUIControlRedrawSubTree(c, &r);
    GfxAPIDisplay(&r);
}

void GUIControlRedrawSubTree(GUIControl *ctl, GUIRect *rect) {
    const GUIRect r = *rect;
    storeClip(ctl, r);
    GUIRect drawn = r;
    ++iDrawDepth;
    ctl->Draw(ctl, &drawn);
    --iDrawDepth;
    for (GUIControl *k = ctl->pFirstChild; k; k = k->pNext) {
        if (k->bHidden)
            continue;
        GUIRect kr = r;
        shift(kr, ctl->iScrollX - k->iLeft, ctl->iScrollY - k->iTop);
        clampToControl(k, kr);
        if (kr.iRight >= 1 && kr.iBottom >= 1 && kr.iLeft < k->iWidth && kr.iTop < k->iHeight)
            GUIControlRedrawSubTree(k, &kr);
    }
}

void GUIControlBlit(GUIControl *ctl, GfxSurface *surface, GUIRect *rect, uint32_t srcX,
                    uint32_t srcY) {
    if (!surface)
        return;
    ClippedRect clipped{*rect, 0, 0};
    if (!clipToRoot(ctl, clipped))
        return;
    GfxAPIBlit(surface, &clipped.r, srcX + static_cast<uint32_t>(clipped.cutX),
               srcY + static_cast<uint32_t>(clipped.cutY));
}

void GUIControlBox(GUIControl *ctl, GUIRect *rect, uint32_t colour) {
    ClippedRect clipped{*rect, 0, 0};
    if (clipToRoot(ctl, clipped))
        GfxAPIBox(&clipped.r, colour);
}

void GUIControlText(GUIControl *ctl, const char *text, GUIRect *rect, int32_t offX, int32_t offY,
                    GfxFont *font, uint32_t colour) {
    if (!text)
        return;
    ClippedRect clipped{*rect, 0, 0};
    if (clipToRoot(ctl, clipped))
        GfxAPIText(text, &clipped.r, offX + clipped.cutX, offY + clipped.cutY, font, colour);
}

void GUIControlVLine(GUIControl *ctl, int32_t x, int32_t y1, int32_t y2, uint32_t colour) {
    for (const GUIControl *c = ctl;; c = c->pParent) {
        if (c->bNoDraw)
            return;
        y1 = std::max(y1, c->iClipTop);
        y2 = std::min(y2, c->iClipBottom);
        if (x < c->iClipLeft || x >= c->iClipRight || y1 >= y2)
            return;
        if (!c->pParent)
            break;
        x += toParentX(c);
        y1 += toParentY(c);
        y2 += toParentY(c);
    }
    GfxAPIVLine(x, y1, y2, colour);
}

void GUIControlHLine(GUIControl *ctl, int32_t x1, int32_t x2, int32_t y, uint32_t colour) {
    for (const GUIControl *c = ctl;; c = c->pParent) {
        if (c->bNoDraw)
            return;
        x1 = std::max(x1, c->iClipLeft);
        x2 = std::min(x2, c->iClipRight);
        if (y < c->iClipTop || y >= c->iClipBottom || x1 >= x2)
            return;
        if (!c->pParent)
            break;
        x1 += toParentX(c);
        x2 += toParentX(c);
        y += toParentY(c);
    }
    GfxAPIHLine(x1, x2, y, colour);
}

} // extern "C"
