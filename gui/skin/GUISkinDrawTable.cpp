// Table and column header: the table is a plain frame with a 20-pixel header
// strip; a header is a three-part cap strip with its caption over it.
#include "GUICHeader.h"
#include "GUIControlCast.h"
#include "GUISkin.h"
#include "GUITable.h"

extern "C" {

void GUISkinInitTable(GUIControl *ctl) {
    ctl->Draw = GUISkinDrawPlain;
    GUIControlCast<GUITable>(ctl, sGUITableType)->iHeaderHeight = GUI_SKIN_COLUMN_HEADER_HEIGHT;
}

// The button skin has already given the header its images and size.
void GUISkinInitCHeader(GUIControl *ctl) {
    ctl->Draw = GUISkinDrawCHeader;
}

void GUISkinDrawCHeader(GUIControl *ctl, GUIRect *rect) {
    constexpr int32_t cap = GUI_SKIN_COLUMN_HEADER_HEIGHT;
    GUISkinBlitHorizontalCaps(ctl, size_left, size_middle, size_right, cap);
    GUIRect caption{0, ctl->iWidth - cap, 0, cap};
    GUIControlText(ctl, GUIControlCast<GUIButton>(ctl, sGUIButtonType)->szCaption, &caption, 0, 0,
                   pGUISkinFont, GFX_WHITE);
    GUISkinDrawMarkFrame(ctl, rect);
}

} // extern "C"
