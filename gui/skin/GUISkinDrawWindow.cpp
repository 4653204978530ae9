// Window: the body texture over everything, the capped title bar along the
// top and the title in it.
#include "GUIControlCast.h"
#include "GUISkin.h"
#include "GUIWindow.h"

extern "C" {

void GUISkinInitWindow(GUIControl *ctl) {
    GUIWindow *window = GUIControlCast<GUIWindow>(ctl, sGUIWindowType);
    ctl->Draw = GUISkinDrawWindow;
    window->iBorder = GUI_SKIN_WINDOW_BORDER;
    window->iTitleHeight = GUI_SKIN_TITLE_HEIGHT;
}

void GUISkinDrawWindow(GUIControl *ctl, GUIRect *rect) {
    const int32_t w = ctl->iWidth;
    GUIRect whole{0, w, 0, ctl->iHeight};
    GUIControlBlit(ctl, windowtexture_window, &whole, 0, 0);
    GUISkinBlitHorizontalCaps(ctl, windowtitle_left, windowtitle_middle, windowtitle_right,
                              GUI_SKIN_TITLE_HEIGHT);
    GUIRect title{GUI_SKIN_TITLE_HEIGHT, w - GUI_SKIN_TITLE_HEIGHT, 0, GUI_SKIN_TITLE_HEIGHT};
    GUIControlText(ctl, GUIControlCast<GUIWindow>(ctl, sGUIWindowType)->szTitle, &title, 0, 0,
                   pGUISkinFont, GFX_WHITE);
    GUISkinDrawMarkFrame(ctl, rect);
}

} // extern "C"
