// Progress bar: a box-coloured body, the fill tiled up to the position, and
// optionally the percentage.
#include <cstdio>

#include "GUIControlCast.h"
#include "GUIProgress.h"
#include "GUISkin.h"

namespace {

constexpr int32_t kDefaultWidth = 150;
constexpr int32_t kDefaultHeight = 24;
// From this maximum on, position and maximum are taken shifted right by 8 bits.
constexpr int32_t kLargeMaximum = 0x10000;

// Position and maximum as the arithmetic takes them. The products below are
// formed in 64 bits, so an owner's out-of-range position cannot overflow them.
struct Scaled {
    int64_t pos;
    int64_t max;
};

Scaled scaled(const GUIProgress *progress) {
    if (progress->iMax >= kLargeMaximum)
        return {progress->iPos >> 8, progress->iMax >> 8};
    return {progress->iPos, progress->iMax};
}

// The fill's right edge (exclusive): 0 without a maximum, W - 1 at the maximum.
int32_t fillRight(const GUIProgress *progress) {
    if (progress->iMax == 0)
        return 0;
    const Scaled s = scaled(progress);
    return static_cast<int32_t>(s.pos * (progress->oControl.iWidth - 2) / s.max + 1);
}

} // namespace

extern "C" {

void GUISkinInitProgress(GUIControl *ctl) {
    ctl->Draw = GUISkinDrawProgress;
    if (ctl->iWidth == 0 || ctl->iHeight == 0)
        GUIControlSetSize(ctl, kDefaultWidth, kDefaultHeight);
}

// Without a maximum the bar shows no percentage, as there is none to compute.
void GUISkinDrawProgress(GUIControl *ctl, GUIRect *rect) {
    const GUIProgress *progress = GUIControlCast<GUIProgress>(ctl, sGUIProgressType);
    const int32_t w = ctl->iWidth;
    const int32_t h = ctl->iHeight;
    GUIRect whole{0, w, 0, h};
    GUIControlBox(ctl, &whole, GFX_BOX_COLOUR);
    GUIRect fill{1, fillRight(progress), 1, h - 2};
    GUIControlBlit(ctl, progressfill, &fill, 0, 0);
    if (progress->bShowText && progress->iMax != 0) {
        const Scaled s = scaled(progress);
        char text[32];
        std::snprintf(text, sizeof text, "     %lld%%",
                      static_cast<long long>(s.pos * 100 / s.max));
        GUIControlText(ctl, text, &whole, 0, 0, pGUISkinFont, GFX_WHITE);
    }
    GUISkinDrawMarkFrame(ctl, rect);
}

} // extern "C"
