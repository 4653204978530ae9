// Scroll bar: arrow images and thumb by orientation; a horizontal bar tiles its
// track under the arrows and the thumb, a vertical one shows what lies behind.
#include "GUIControlCast.h"
#include "GUIScrollBar.h"
#include "GUISkin.h"

namespace {

void setArrowImages(GUIButton &arrow, GfxSurface *released, GfxSurface *pushed) {
    arrow.pReleasedImage = released;
    arrow.pPushedImage = pushed;
}

} // namespace

extern "C" {

void GUISkinInitScrollBar(GUIControl *ctl) {
    GUIScrollBar *bar = GUIControlCast<GUIScrollBar>(ctl, sGUIScrollBarType);
    if (bar->bVertical) {
        bar->oThumb.Draw = GUISkinDrawVThumb;
        setArrowImages(bar->oBackArrow, up, uppushed);
        setArrowImages(bar->oForwardArrow, down, downpushed);
        bar->iThumbThickness = GUI_SKIN_V_THUMB_THICKNESS;
    } else {
        bar->oThumb.Draw = GUISkinDrawHThumb;
        ctl->pBackground = underhorizontal_slider_middle;
        setArrowImages(bar->oBackArrow, arrow_left1, arrow_left2);
        setArrowImages(bar->oForwardArrow, arrow_right1, arrow_right2);
        bar->iThumbThickness = GUI_SKIN_H_THUMB_THICKNESS;
    }
}

void GUISkinDrawHThumb(GUIControl *ctl, GUIRect *rect) {
    GUISkinBlitHorizontalCaps(ctl, horizontal_slider_left, horizontal_slider_middle,
                              horizontal_slider_right, GUI_SKIN_H_THUMB_THICKNESS);
    GUISkinDrawMarkFrame(ctl, rect);
}

void GUISkinDrawVThumb(GUIControl *ctl, GUIRect *rect) {
    const int32_t h = ctl->iHeight;
    const int32_t t = GUI_SKIN_V_THUMB_THICKNESS;
    const int32_t cap = GUI_SKIN_V_THUMB_CAP;
    GUIRect top{0, t, 0, cap};
    GUIRect middle{0, t, cap, h - cap};
    GUIRect bottom{0, t, h - cap, h};
    GUIControlBlit(ctl, gorgoteteje, &top, 0, 0);
    GUIControlBlit(ctl, gorgokozepe, &middle, 0, 0);
    GUIControlBlit(ctl, gorgoalja, &bottom, 0, 0);
    GUISkinDrawMarkFrame(ctl, rect);
}

} // extern "C"
