// Button: its image for the state, the caption over it; released captions sit
// two pixels right of and below the corner, pushed ones at the corner.
#include "GUIButton.h"
#include "GUIControlCast.h"
#include "GUISkin.h"

namespace {

constexpr int32_t kReleasedCaptionShift = -2;

} // namespace

extern "C" {

void GUISkinInitButton(GUIControl *ctl) {
    GUIButton *button = GUIControlCast<GUIButton>(ctl, sGUIButtonType);
    ctl->Draw = GUISkinDrawButton;
    button->pPushedImage = button_on;
    button->pReleasedImage = button_off;
    GUIControlSetSize(ctl, GUI_SKIN_BUTTON_WIDTH, GUI_SKIN_BUTTON_HEIGHT);
}

void GUISkinDrawButton(GUIControl *ctl, GUIRect *rect) {
    if (ctl->iRight - ctl->iLeft < 1 || ctl->iBottom - ctl->iTop < 1)
        return;
    GUIButton *button = GUIControlCast<GUIButton>(ctl, sGUIButtonType);
    GUIRect whole{0, ctl->iWidth, 0, ctl->iHeight};
    if (button->bPushed) {
        GUIControlBlit(ctl, button->pPushedImage, &whole, 0, 0);
        GUIControlText(ctl, button->szCaption, &whole, 0, 0, pGUISkinFont, GFX_WHITE);
    } else {
        GUIControlBlit(ctl, button->pReleasedImage, &whole, 0, 0);
        GUIControlText(ctl, button->szCaption, &whole, kReleasedCaptionShift, kReleasedCaptionShift,
                       pGUISkinFont, GFX_WHITE);
    }
    GUISkinDrawMarkFrame(ctl, rect);
}

} // extern "C"
