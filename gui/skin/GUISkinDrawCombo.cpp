// Combo box: a plain frame around its skinned field and its arrow button, at
// the skin's height and button width.
#include "GUICombo.h"
#include "GUIControlCast.h"
#include "GUISkin.h"

extern "C" void GUISkinInitCombo(GUIControl *ctl) {
    GUICombo *combo = GUIControlCast<GUICombo>(ctl, sGUIComboType);
    ctl->Draw = GUISkinDrawPlain;
    combo->oButton.pPushedImage = popuparrow_on;
    combo->oButton.pReleasedImage = popuparrow_off;
    GUIControlSetSize(ctl, ctl->iWidth, GUI_SKIN_COMBO_HEIGHT);
    combo->iButtonWidth = GUI_SKIN_COMBO_BUTTON_WIDTH;
    GUIComboRecalc(ctl);
}
