// Tiled blit on the in-memory back buffer, against a pixel-by-pixel reference:
// pixel (x, y) of the rectangle shows surface pixel
// ((x - left + srcX) mod w, (y - top + srcY) mod h); nothing else changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "GfxAPI.h"

namespace {

constexpr int32_t kWidth = 200, kHeight = 120;
constexpr uint32_t kUntouched = 0xabcdef;

struct BlitCase {
    int32_t w, h;
    GUIRect rect;
    uint32_t srcX, srcY;
};

uint32_t expectedPixel(const BlitCase &c, const std::vector<uint32_t> &pixels, int32_t x,
                       int32_t y) {
    const GUIRect &r = c.rect;
    if (x < r.iLeft || x >= r.iRight || y < r.iTop || y >= r.iBottom)
        return kUntouched;
    const int64_t sx = (int64_t{x} - r.iLeft + c.srcX) % c.w;
    const int64_t sy = (int64_t{y} - r.iTop + c.srcY) % c.h;
    return pixels[static_cast<size_t>(sy * c.w + sx)];
}

TEST(GfxBlit, EveryPixelShowsTheTiledSurfaceInsideTheRectangleOnly) {
    const BlitCase cases[] = {
        {28, 28, {10, 110, 5, 33}, 0, 0}, // four copies, the last cut to 16 columns
        {28, 28, {10, 110, 5, 33}, 5, 0}, // starting inside the first copy
        {28, 28, {0, 60, 16, 32}, 0, 16}, // one row of a texture drawn row by row
        {28, 28, {50, 70, 40, 60}, 3, 2}, // smaller than the surface: one cut copy
        {4, 4, {0, kWidth, 0, kHeight}, 0, 0},
        {1, 1, {3, 150, 2, 90}, 0, 0},
        {3, 7, {-10, 250, -5, 140}, 2, 9},   // cut by the buffer on every side
        {300, 2, {-100, 199, 0, 119}, 7, 1}, // surface wider than the buffer
        {5, 3, {20, 180, 10, 100}, 0xffffffffu, 0x80000001u},
        {28, 28, {10, 10, 0, 28}, 3, 3}, // empty, inverted or outside: nothing
        {28, 28, {0, 28, 7, 7}, 3, 3},
        {28, 28, {30, 10, 0, 28}, 0, 0},
        {28, 28, {-50, -10, 500, 600}, 0, 0},
    };
    for (const BlitCase &c : cases) {
        // All surface pixels differ, so a wrong column or row shows.
        std::vector<uint32_t> pixels(static_cast<size_t>(c.w) * c.h);
        std::iota(pixels.begin(), pixels.end(), 0x100000u);
        GfxSurface surface{pixels.data(), c.w, c.h, nullptr, 0, 0};
        GfxAPIInit(nullptr, kWidth, kHeight);
        std::fill_n(pGfxBackBuffer, kWidth * kHeight, kUntouched);
        GUIRect rect = c.rect;
        GfxAPIBlit(&surface, &rect, c.srcX, c.srcY);
        for (int32_t y = 0; y < kHeight; ++y)
            for (int32_t x = 0; x < kWidth; ++x)
                ASSERT_EQ(pGfxBackBuffer[y * kWidth + x], expectedPixel(c, pixels, x, y))
                    << "case " << &c - cases << ", pixel " << x << "," << y;
    }
}

} // namespace
