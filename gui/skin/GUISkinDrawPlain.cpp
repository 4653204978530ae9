// The mark frame and the types whose look is a plain frame, a box or their
// picture: desktop, view, bitmap, separator, tab.
#include "GUIBitmap.h"
#include "GUIControlCast.h"
#include "GUISkin.h"
#include "GUIView.h"

extern "C" {

void GUISkinDrawMarkFrame(GUIControl *ctl, GUIRect *) {
    if (!ctl->bMarked)
        return;
    const int32_t w = ctl->iWidth;
    const int32_t h = ctl->iHeight;
    GUIControlHLine(ctl, 0, w, 0, GFX_WHITE);
    GUIControlHLine(ctl, 0, w, h - 1, GFX_WHITE);
    GUIControlVLine(ctl, 0, 0, h, GFX_WHITE);
    GUIControlVLine(ctl, w - 1, 0, h, GFX_WHITE);
}

void GUISkinDrawPlain(GUIControl *ctl, GUIRect *rect) {
    GUISkinDrawMarkFrame(ctl, rect);
}

void GUISkinInitPlain(GUIControl *ctl) {
    ctl->Draw = GUISkinDrawPlain;
}

void GUISkinDrawDesktop(GUIControl *ctl, GUIRect *rect) {
    GUIControlBox(ctl, rect, GFX_BLACK);
    GUISkinDrawMarkFrame(ctl, rect);
}

void GUISkinInitDesktop(GUIControl *ctl) {
    ctl->Draw = GUISkinDrawDesktop;
}

void GUISkinInitView(GUIControl *ctl) {
    ctl->Draw = GUISkinDrawPlain;
    GUIControlCast<GUIView>(ctl, sGUIViewType)->iBarSize = GUI_SKIN_VIEW_BAR_SIZE;
}

// The picture is the control's background, shown by the default Draw; the
// control takes the picture's size. A file that does not load leaves the
// control empty at the size it was given.
void GUISkinInitBitmap(GUIControl *ctl) {
    GfxSurface *picture =
        GfxAPILoadNewSurface(GUIControlCast<GUIBitmap>(ctl, sGUIBitmapType)->szFile, nullptr);
    ctl->pBackground = picture;
    if (picture)
        GUIControlSetSize(ctl, picture->iBmpWidth, picture->iBmpHeight);
}

void GUISkinBlitHorizontalCaps(GUIControl *ctl, GfxSurface *left, GfxSurface *middle,
                               GfxSurface *right, int32_t cap) {
    const int32_t w = ctl->iWidth;
    GUIRect leftRect{0, cap, 0, cap};
    GUIRect middleRect{cap, w - cap, 0, cap};
    GUIRect rightRect{w - cap, w, 0, cap};
    GUIControlBlit(ctl, left, &leftRect, 0, 0);
    GUIControlBlit(ctl, middle, &middleRect, 0, 0);
    GUIControlBlit(ctl, right, &rightRect, 0, 0);
}

} // extern "C"
