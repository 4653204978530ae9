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

// Copies a block of the surface to the back buffer, cut to the buffer's edges.
void copyBlock(const GfxSurface *s, int32_t sx, int32_t sy, int32_t w, int32_t h, int32_t dx,
               int32_t dy) {
    GUIRect dst{dx, dx + w, dy, dy + h};
    if (!clipToBuffer(dst))
        return;
    sx += dst.iLeft - dx;
    sy += dst.iTop - dy;
    const size_t bytes = static_cast<size_t>(dst.iRight - dst.iLeft) * sizeof(uint32_t);
    for (int32_t y = dst.iTop; y < dst.iBottom; ++y) {
        const uint32_t *src =
            s->pPixels + static_cast<size_t>(sy + y - dst.iTop) * s->iBmpWidth + sx;
        std::memcpy(pixelAt(dst.iLeft, y), src, bytes);
    }
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

void GfxAPIBlit(GfxSurface *surface, GUIRect *rect, uint32_t srcX, uint32_t srcY) {
    if (!surface || !pGfxBackBuffer || surface->iBmpWidth <= 0 || surface->iBmpHeight <= 0)
        return;
    // An inverted rectangle would wrap the unsigned extents below into billions of tiles.
    if (rect->iRight < rect->iLeft || rect->iBottom < rect->iTop)
        return;
    const uint32_t w = static_cast<uint32_t>(surface->iBmpWidth);
    const uint32_t h = static_cast<uint32_t>(surface->iBmpHeight);
    const uint32_t endX = static_cast<uint32_t>(rect->iRight - rect->iLeft) + srcX;
    const uint32_t endY = static_cast<uint32_t>(rect->iBottom - rect->iTop) + srcY;
    if (endX == 0 || endY == 0)
        return;
    // Tiles wholly before the offsets give empty blocks; starting at the tile that
    // holds the offset skips them without changing what is drawn.
    for (uint32_t i = srcX / w; i * w < endX; ++i) {
        const uint32_t x0 = std::max(i * w, srcX);
        const uint32_t x1 = std::min((i + 1) * w, endX);
        if (static_cast<int32_t>(x0) >= static_cast<int32_t>(x1))
            continue;
        for (uint32_t j = srcY / h; j * h < endY; ++j) {
            const uint32_t y0 = std::max(j * h, srcY);
            const uint32_t y1 = std::min((j + 1) * h, endY);
            if (static_cast<int32_t>(y0) >= static_cast<int32_t>(y1))
                continue;
            const uint32_t sx = x0 % w;
            const uint32_t sy = y0 % h;
            const uint32_t bw = (x1 - 1) % w + 1 - sx;
            const uint32_t bh = (y1 - 1) % h + 1 - sy;
            copyBlock(surface, static_cast<int32_t>(sx), static_cast<int32_t>(sy),
                      static_cast<int32_t>(bw), static_cast<int32_t>(bh),
                      static_cast<int32_t>(static_cast<uint32_t>(rect->iLeft) - srcX + x0),
                      static_cast<int32_t>(static_cast<uint32_t>(rect->iTop) - srcY + y0));
        }
    }
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
