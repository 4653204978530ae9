// Check box: the state's image in a 28-pixel square, the caption to its right.
#include "GUICheck.h"
#include "GUIControlCast.h"
#include "GUISkin.h"

namespace {

constexpr int32_t kCaptionLeft = 32;
constexpr int32_t kCaptionRight = 256;
constexpr int32_t kCaptionBottom = 32;

} // namespace

extern "C" {

void GUISkinInitCheck(GUIControl *ctl) {
    ctl->Draw = GUISkinDrawCheck;
}

void GUISkinDrawCheck(GUIControl *ctl, GUIRect *rect) {
    GUICheck *check = GUIControlCast<GUICheck>(ctl, sGUICheckType);
    GUIRect image{0, GUI_SKIN_CHECK_SIZE, 0, GUI_SKIN_CHECK_SIZE};
    GUIControlBlit(ctl, check->bChecked ? checkbox_on : checkbox_off, &image, 0, 0);
    GUIRect caption{kCaptionLeft, kCaptionRight, 0, kCaptionBottom};
    GUIControlText(ctl, check->szCaption, &caption, 0, 0, pGUISkinFont, GFX_WHITE);
    GUISkinDrawMarkFrame(ctl, rect);
}

} // extern "C"
