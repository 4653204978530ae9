// The skin: the bitmaps and the font every control type is drawn with, loaded
// once, and the per-type initialisers that the skin hooks call to install each
// type's Draw, sizes and images.
#pragma once

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

// Sets the hooks, creates the font and loads every skin bitmap from "_data/"
// below the current directory. A bitmap that cannot be loaded stays null and
// is drawn as nothing.
void GUISkinLoad(void);

extern GfxFont *pGUISkinFont;

// One surface per bitmap load, named after its file. The window texture is
// loaded twice: one copy tiles the list rows, the other the window body.
extern GfxSurface *button_on;
extern GfxSurface *button_off;
extern GfxSurface *checkbox_on;
extern GfxSurface *checkbox_off;
extern GfxSurface *popuparrow_on;
extern GfxSurface *popuparrow_off;
extern GfxSurface *progressfill;
extern GfxSurface *windowtexture_list;
extern GfxSurface *selectbar;
extern GfxSurface *size_left;
extern GfxSurface *size_middle;
extern GfxSurface *size_right;
extern GfxSurface *textarea_left;
extern GfxSurface *textarea_middle;
extern GfxSurface *textarea_right;
extern GfxSurface *windowtexture_window;
extern GfxSurface *windowtitle_left;
extern GfxSurface *windowtitle_middle;
extern GfxSurface *windowtitle_right;
extern GfxSurface *horizontal_slider_left;
extern GfxSurface *horizontal_slider_middle;
extern GfxSurface *horizontal_slider_right;
extern GfxSurface *gorgoteteje;
extern GfxSurface *gorgokozepe;
extern GfxSurface *gorgoalja;
extern GfxSurface *down;
extern GfxSurface *downpushed;
extern GfxSurface *up;
extern GfxSurface *uppushed;
extern GfxSurface *arrow_left1;
extern GfxSurface *arrow_left2;
extern GfxSurface *arrow_right1;
extern GfxSurface *arrow_right2;
extern GfxSurface *underhorizontal_slider_middle;
extern GfxSurface *savkeretkozep;

// Sizes the skin draws at.
enum {
    GUI_SKIN_FONT_HEIGHT = 16,
    GUI_SKIN_BUTTON_WIDTH = 114,
    GUI_SKIN_BUTTON_HEIGHT = 28,
    GUI_SKIN_EDIT_CAP = 28,
    GUI_SKIN_LIST_ROW_HEIGHT = 16,
    GUI_SKIN_H_THUMB_THICKNESS = 14,
    GUI_SKIN_V_THUMB_THICKNESS = 19,
    GUI_SKIN_V_THUMB_CAP = 9,
    GUI_SKIN_VIEW_BAR_SIZE = 20,
    GUI_SKIN_COMBO_HEIGHT = 28,
    GUI_SKIN_COMBO_BUTTON_WIDTH = 28,
    GUI_SKIN_COLUMN_HEADER_HEIGHT = 20,
    GUI_SKIN_CHECK_SIZE = 28,
    GUI_SKIN_WINDOW_BORDER = 4,
    GUI_SKIN_TITLE_HEIGHT = 20,
};

// Initialisers, installed in the types' skin hooks.
void GUISkinInitBitmap(GUIControl *ctl);
void GUISkinInitButton(GUIControl *ctl);
void GUISkinInitCombo(GUIControl *ctl);
void GUISkinInitDesktop(GUIControl *ctl);
void GUISkinInitEdit(GUIControl *ctl);
void GUISkinInitList(GUIControl *ctl);
// Does nothing: a pop-up menu keeps the look its list got.
void GUISkinInitPopupMenu(GUIControl *ctl);
void GUISkinInitPlain(GUIControl *ctl);
void GUISkinInitScrollBar(GUIControl *ctl);
void GUISkinInitView(GUIControl *ctl);
void GUISkinInitTable(GUIControl *ctl);
void GUISkinInitCHeader(GUIControl *ctl);
void GUISkinInitCheck(GUIControl *ctl);
void GUISkinInitProgress(GUIControl *ctl);
void GUISkinInitWindow(GUIControl *ctl);

// Draw operations. Each ends with the mark frame.
void GUISkinDrawMarkFrame(GUIControl *ctl, GUIRect *rect);
// Draws a square left cap, a middle tiled across the width and a square right
// cap, each cap pixels wide and high, along the control's top.
void GUISkinBlitHorizontalCaps(GUIControl *ctl, GfxSurface *left, GfxSurface *middle,
                               GfxSurface *right, int32_t cap);
void GUISkinDrawPlain(GUIControl *ctl, GUIRect *rect);
void GUISkinDrawButton(GUIControl *ctl, GUIRect *rect);
void GUISkinDrawEdit(GUIControl *ctl, GUIRect *rect);
void GUISkinDrawList(GUIControl *ctl, GUIRect *rect);
void GUISkinDrawHThumb(GUIControl *ctl, GUIRect *rect);
void GUISkinDrawVThumb(GUIControl *ctl, GUIRect *rect);
void GUISkinDrawDesktop(GUIControl *ctl, GUIRect *rect);
void GUISkinDrawCHeader(GUIControl *ctl, GUIRect *rect);
void GUISkinDrawCheck(GUIControl *ctl, GUIRect *rect);
void GUISkinDrawProgress(GUIControl *ctl, GUIRect *rect);
void GUISkinDrawWindow(GUIControl *ctl, GUIRect *rect);

#ifdef __cplusplus
}
#endif
