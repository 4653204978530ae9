// Edit field: an optional three-part frame and the text, centred unless the
// field asks otherwise; a field that asks for it shows the end of a text too
// wide for it, "..." in front.
#include <cstdio>
#include <cstring>

#include "GUIControlCast.h"
#include "GUIEdit.h"
#include "GUISkin.h"
#include "GUIText.h"

namespace {

// The text's rectangle inside a field of width w.
constexpr int32_t kTextLeft = 3;
constexpr int32_t kTextRightInset = 6;
constexpr int32_t kTextTop = 3;
constexpr int32_t kTextBottom = 25;

constexpr char kEllipsis[] = "...";

bool fits(const char *text, int32_t room) {
    return GfxAPITextGetWidth(text, pGUISkinFont) < room;
}

// The text itself when it fits the room, else "..." and the longest end of it
// that fits, cut between characters, written into shown.
const char *endThatFits(const char *text, int32_t room, char (&shown)[GUI_EDIT_TEXT_SIZE + 3]) {
    if (fits(text, room))
        return text;
    // Widths add up glyph by glyph, so "..." is measured once.
    const int32_t rest = room - GfxAPITextGetWidth(kEllipsis, pGUISkinFont);
    const size_t length = std::strlen(text);
    for (size_t cut = 1; cut < length; ++cut) {
        if (GUITextIsContinuationByte(text[cut]) || !fits(text + cut, rest))
            continue;
        std::snprintf(shown, sizeof shown, "%s%s", kEllipsis, text + cut);
        return shown;
    }
    return kEllipsis;
}

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
    GUIEdit *edit = GUIControlCast<GUIEdit>(ctl, sGUIEditType);
    const int32_t w = ctl->iWidth;
    if (edit->bFrame)
        drawFrame(ctl);
    GUIRect text{kTextLeft, w - kTextRightInset, kTextTop, kTextBottom};
    char end[GUI_EDIT_TEXT_SIZE + 3];
    const char *shown =
        edit->bShowEnd ? endThatFits(edit->szText, text.iRight - text.iLeft, end) : edit->szText;
    if (edit->bCentre) {
        const int32_t textWidth = GfxAPITextGetWidth(shown, pGUISkinFont);
        text.iLeft = (w - textWidth - kTextRightInset) / 2 + kTextLeft;
    }
    GUIControlText(ctl, shown, &text, 0, 0, pGUISkinFont, GFX_WHITE);
    GUISkinDrawMarkFrame(ctl, rect);
}

} // extern "C"
