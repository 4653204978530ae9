// Back buffer, display hook, tiled blit, boxes and dotted lines.
#include "GfxAPI.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

void *hGfxWindow = nullptr;
uint32_t *pGfxBackBuffer = nullptr;
int32_t iGfxWidth = 0;
int32_t iGfxHeight = 0;

namespace {

GfxDisplayHook displayHook = nullptr;
void *displayHookUser = nullptr;

constexpr uint32_t kLineColour = 0xffffff; // every line is the pen's dotted white

uint32_t *pixelAt(int32_t x, int32_t y) {
    return pGfxBackBuffer + static_cast<size_t>(y) * static_cast<size_t>(iGfxWidth) + x;
}

// Cuts a rectangle to the back buffer; false when nothing of it remains.
bool clipToBuffer(GUIRect &r) {
    r.iLeft = std::max(r.iLeft, 0);
    r.iTop = std::max(r.iTop, 0);
    r.iRight = std::min(r.iRight, iGfxWidth);
    r.iBottom = std::min(r.iBottom, iGfxHeight);
    return r.iLeft < r.iRight && r.iTop < r.iBottom;
}

// Fills row[0, count) with the surface row seen from column first on, repeated:
// one period straight from the surface, then doubling copies of what is written.
void expandTileRow(const uint32_t *tileRow, uint32_t w, uint32_t first, uint32_t *row,
                   size_t count) {
    const size_t head = std::min<size_t>(w - first, count);
    std::memcpy(row, tileRow + first, head * sizeof(uint32_t));
    const size_t period = std::min<size_t>(w, count);
    std::memcpy(row + head, tileRow, (period - head) * sizeof(uint32_t));
    for (size_t done = period; done < count; done *= 2)
        std::memcpy(row + done, row, std::min(done, count - done) * sizeof(uint32_t));
}

} // namespace

extern "C" {

void GfxAPIInit(void *window, int32_t width, int32_t height) {
    hGfxWindow = window;
    std::free(pGfxBackBuffer);
    iGfxWidth = std::max(width, 0);
    iGfxHeight = std::max(height, 0);
    const size_t pixels = static_cast<size_t>(iGfxWidth) * static_cast<size_t>(iGfxHeight);
    pGfxBackBuffer = static_cast<uint32_t *>(std::calloc(pixels ? pixels : 1, sizeof(uint32_t)));
    if (!pGfxBackBuffer) {
        iGfxWidth = iGfxHeight = 0;
    }
}

void GfxAPIUninit(void) {}

void GfxAPISetDisplayHook(GfxDisplayHook hook, void *user) {
    displayHook = hook;
    displayHookUser = user;
}

void GfxAPIDisplay(GUIRect *rect) {
    GUIRect r = *rect;
    if (displayHook && clipToBuffer(r))
        displayHook(&r, displayHookUser);
}

// Back-buffer pixel (x, y) of the rectangle shows surface pixel
// ((x - left + srcX) mod w, (y - top + srcY) mod h). Each of the first h rows is
// expanded from its surface row once; every later row repeats the row h above.
void GfxAPIBlit(GfxSurface *surface, GUIRect *rect, uint32_t srcX, uint32_t srcY) {
    if (!surface || !surface->pPixels || !pGfxBackBuffer || surface->iBmpWidth <= 0 ||
        surface->iBmpHeight <= 0)
        return;
    GUIRect r = *rect;
    if (!clipToBuffer(r))
        return;
    const uint32_t w = static_cast<uint32_t>(surface->iBmpWidth);
    const uint32_t h = static_cast<uint32_t>(surface->iBmpHeight);
    const auto firstColumn = static_cast<uint32_t>((int64_t{r.iLeft} - rect->iLeft + srcX) % w);
    const auto firstRow = static_cast<uint32_t>((int64_t{r.iTop} - rect->iTop + srcY) % h);
    const auto width = static_cast<size_t>(r.iRight - r.iLeft);
    const int32_t expandedEnd =
        static_cast<int32_t>(std::min<int64_t>(r.iBottom, int64_t{r.iTop} + h));
    uint32_t tileRow = firstRow;
    for (int32_t y = r.iTop; y < expandedEnd; ++y) {
        expandTileRow(surface->pPixels + static_cast<size_t>(tileRow) * w, w, firstColumn,
                      pixelAt(r.iLeft, y), width);
        tileRow = tileRow + 1 == h ? 0 : tileRow + 1;
    }
    for (int32_t y = expandedEnd; y < r.iBottom; ++y)
        std::memcpy(pixelAt(r.iLeft, y), pixelAt(r.iLeft, y - static_cast<int32_t>(h)),
                    width * sizeof(uint32_t));
}

void GfxAPIBox(GUIRect *rect, uint32_t) {
    GUIRect r = *rect;
    if (!pGfxBackBuffer || !clipToBuffer(r))
        return;
    // One row filled, the others copied from it: copying runs at memory speed.
    std::fill(pixelAt(r.iLeft, r.iTop), pixelAt(r.iRight, r.iTop), uint32_t{GFX_BOX_COLOUR});
    const size_t bytes = static_cast<size_t>(r.iRight - r.iLeft) * sizeof(uint32_t);
    for (int32_t y = r.iTop + 1; y < r.iBottom; ++y)
        std::memcpy(pixelAt(r.iLeft, y), pixelAt(r.iLeft, r.iTop), bytes);
}

// Dotted: the first pixel of the line is set, the next left alone, and so on.
void GfxAPIHLine(int32_t x1, int32_t x2, int32_t y, uint32_t) {
    if (!pGfxBackBuffer || y < 0 || y >= iGfxHeight)
        return;
    const int32_t end = std::min(x2, iGfxWidth);
    for (int64_t x = x1; x < end; x += 2)
        if (x >= 0)
            *pixelAt(static_cast<int32_t>(x), y) = kLineColour;
}

void GfxAPIVLine(int32_t x, int32_t y1, int32_t y2, uint32_t) {
    if (!pGfxBackBuffer || x < 0 || x >= iGfxWidth)
        return;
    const int32_t end = std::min(y2, iGfxHeight);
    for (int64_t y = y1; y < end; y += 2)
        if (y >= 0)
            *pixelAt(x, static_cast<int32_t>(y)) = kLineColour;
}

} // extern "C"
