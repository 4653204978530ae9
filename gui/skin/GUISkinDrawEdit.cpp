// Edit field: an optional three-part frame and the text, centred unless the
// field asks otherwise.
#include "GUIEdit.h"
#include "GUISkin.h"

namespace {

// The text's rectangle inside a field of width w.
constexpr int32_t kTextLeft = 3;
constexpr int32_t kTextRightInset = 6;
constexpr int32_t kTextTop = 3;
constexpr int32_t kTextBottom = 25;

void drawFrame(GUIControl *ctl) {
    GUISkinBlitHorizontalCaps(ctl, textarea_left, textarea_middle, textarea_right,
                              GUI_SKIN_EDIT_CAP);
}

} // namespace

extern "C" {

void GUISkinInitEdit(GUIControl *ctl) {
    ctl->Draw = GUISkinDrawEdit;
}

void GUISkinDrawEdit(GUIControl *ctl, GUIRect *rect) {
    GUIEdit *edit = reinterpret_cast<GUIEdit *>(ctl);
    const int32_t w = ctl->iWidth;
    if (edit->bFrame)
        drawFrame(ctl);
    GUIRect text{kTextLeft, w - kTextRightInset, kTextTop, kTextBottom};
    if (edit->bCentre) {
        const int32_t textWidth = GfxAPITextGetWidth(edit->szText, pGUISkinFont);
        text.iLeft = (w - textWidth - kTextRightInset) / 2 + kTextLeft;
    }
    GUIControlText(ctl, edit->szText, &text, 0, 0, pGUISkinFont, GFX_WHITE);
    GUISkinDrawMarkFrame(ctl, rect);
}

} // extern "C"
