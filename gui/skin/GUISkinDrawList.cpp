// List: only the rows that meet the rectangle to redraw; the selected row on
// the select bar in black, the others in white on the texture, which runs on
// from row to row.
#include "GUIControlCast.h"
#include "GUIList.h"
#include "GUISkin.h"

extern "C" {

void GUISkinInitList(GUIControl *ctl) {
    ctl->Draw = GUISkinDrawList;
    GUIControlCast<GUIList>(ctl, sGUIListType)->iItemHeight = GUI_SKIN_LIST_ROW_HEIGHT;
}

void GUISkinInitPopupMenu(GUIControl *) {}

void GUISkinDrawList(GUIControl *ctl, GUIRect *rect) {
    GUIList *list = GUIControlCast<GUIList>(ctl, sGUIListType);
    const int32_t h = list->iItemHeight;
    if (h > 0) {
        const int32_t first = rect->iTop / h;
        const int32_t last = (rect->iBottom - 1) / h;
        for (int32_t r = first; r <= last; ++r) {
            GUIRect row{0, ctl->iWidth, r * h, r * h + h};
            const char *text = GUIListGet(ctl, r);
            if (r == list->iSelected) {
                GUIControlBlit(ctl, selectbar, &row, 0, 0);
                GUIControlText(ctl, text, &row, 0, 0, pGUISkinFont, GFX_BLACK);
            } else {
                if (list->bRowBackground)
                    GUIControlBlit(ctl, windowtexture_list, &row, 0, static_cast<uint32_t>(r * h));
                GUIControlText(ctl, text, &row, 0, 0, pGUISkinFont, GFX_WHITE);
            }
        }
    }
    GUISkinDrawMarkFrame(ctl, rect);
}

} // extern "C"
