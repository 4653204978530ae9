// Tiled blit on the in-memory back buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "GfxAPI.h"
#include "PngDump.h"

using testsupport::Pixel;

namespace {

constexpr int32_t kWidth = 200, kHeight = 120;

// A 28 x 28 surface whose pixel (x, y) holds a value that names its coordinates.
struct CoordSurface {
    std::vector<uint32_t> pixels;
    GfxSurface surface{nullptr, 28, 28, nullptr, 0, 0};
    CoordSurface() {
        for (uint32_t y = 0; y < 28; ++y)
            for (uint32_t x = 0; x < 28; ++x)
                pixels.push_back(at(x, y));
        surface.pPixels = pixels.data();
    }
    static uint32_t at(uint32_t x, uint32_t y) { return 0x010000u + (y << 8) + x; }
};

class BackBuffer : public ::testing::Test {
  protected:
    CoordSurface tex;
    void SetUp() override { GfxAPIInit(nullptr, kWidth, kHeight); }
    void TearDown() override {
        if (HasFailure())
            testsupport::WriteBackBufferPng(
                testsupport::OutputDir() + "/" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".png");
    }
    bool blank() const {
        return std::all_of(pGfxBackBuffer, pGfxBackBuffer + kWidth * kHeight,
                           [](uint32_t p) { return p == 0; });
    }
};

// Four copies across 100 columns, the last cut to 16; with srcX 5 the first starts inside.
TEST_F(BackBuffer, TiledBlitRepeatsFromTheSourceOffsetAndCutsTheLastCopy) {
    for (uint32_t srcX : {0u, 5u}) {
        GfxAPIInit(nullptr, kWidth, kHeight);
        GUIRect r{10, 110, 5, 33};
        GfxAPIBlit(&tex.surface, &r, srcX, 0);
        for (int32_t y = 5; y < 33; ++y)
            for (int32_t x = 10; x < 110; ++x)
                ASSERT_EQ(Pixel(x, y), tex.at((x - 10 + srcX) % 28, y - 5)) << x << "," << y;
        EXPECT_EQ(Pixel(110, 5), 0u);
        EXPECT_EQ(Pixel(9, 5), 0u);
        EXPECT_EQ(Pixel(10, 33), 0u);
    }
}

TEST_F(BackBuffer, RowByRowBlitJoinsSeamlessly) {
    GUIRect whole{0, 60, 0, 100};
    GfxAPIBlit(&tex.surface, &whole, 0, 0);
    const std::vector<uint32_t> once(pGfxBackBuffer, pGfxBackBuffer + kWidth * kHeight);
    GfxAPIInit(nullptr, kWidth, kHeight);
    for (int32_t top = 0; top < 100; top += 16) {
        GUIRect row{0, 60, top, std::min(top + 16, 100)};
        GfxAPIBlit(&tex.surface, &row, 0, static_cast<uint32_t>(top));
        if (top == 0) {
            EXPECT_EQ(Pixel(0, 16), 0u) << "nothing below the row";
        }
    }
    EXPECT_TRUE(std::equal(once.begin(), once.end(), pGfxBackBuffer));
}

TEST_F(BackBuffer, EmptyInvertedOrOutsideRectanglesDrawNothing) {
    GUIRect rects[] = {{10, 10, 0, 28}, {0, 28, 7, 7}, {30, 10, 0, 28}, {-50, -10, 500, 600}};
    for (GUIRect &r : rects)
        GfxAPIBlit(&tex.surface, &r, 3, 3);
    GfxAPIBlit(nullptr, &rects[0], 0, 0);
    EXPECT_TRUE(blank());

    GUIRect partly{-10, 250, 100, 140};
    GfxAPIBlit(&tex.surface, &partly, 0, 0);
    EXPECT_EQ(Pixel(0, 100), tex.at(10, 0));
    EXPECT_EQ(Pixel(199, 119), tex.at(209 % 28, 19));
}

} // namespace
