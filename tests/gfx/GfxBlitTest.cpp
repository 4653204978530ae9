// Tiled blit, boxes and dotted lines on the in-memory back buffer.
#include <gtest/gtest.h>

#include <vector>

#include "GfxAPI.h"
#include "PngDump.h"

using testsupport::Pixel;

namespace {

// A surface whose pixel (x, y) holds a value that names its coordinates.
struct CoordSurface {
    std::vector<uint32_t> pixels;
    GfxSurface surface{};
    CoordSurface(int32_t w, int32_t h) : pixels(static_cast<size_t>(w) * h) {
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                pixels[static_cast<size_t>(y) * w + x] = 0x010000u + (uint32_t(y) << 8) + x;
        surface.pPixels = pixels.data();
        surface.iBmpWidth = w;
        surface.iBmpHeight = h;
    }
    uint32_t at(uint32_t x, uint32_t y) const { return 0x010000u + (y << 8) + x; }
};

class BackBuffer : public ::testing::Test {
  protected:
    void SetUp() override { GfxAPIInit(nullptr, 200, 120); }
    void TearDown() override {
        if (HasFailure()) {
            const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
            testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/" + info->name() + ".png");
        }
    }
};

TEST_F(BackBuffer, TiledBlitRepeatsAndCutsTheLastCopy) {
    CoordSurface tex(28, 28);
    GUIRect r{10, 110, 5, 33};
    GfxAPIBlit(&tex.surface, &r, 0, 0);
    for (int32_t y = 5; y < 33; ++y)
        for (int32_t x = 10; x < 110; ++x)
            ASSERT_EQ(Pixel(x, y), tex.at((x - 10) % 28, y - 5)) << x << "," << y;
    // The fourth copy is cut to 16 columns; nothing is drawn beside the rectangle.
    EXPECT_EQ(Pixel(109, 5), tex.at(15, 0));
    EXPECT_EQ(Pixel(110, 5), 0u);
    EXPECT_EQ(Pixel(9, 5), 0u);
    EXPECT_EQ(Pixel(10, 33), 0u);
}

TEST_F(BackBuffer, TiledBlitWithSourceOffsetStartsInsideTheImage) {
    CoordSurface tex(28, 28);
    GUIRect r{0, 100, 0, 28};
    GfxAPIBlit(&tex.surface, &r, 5, 0);
    EXPECT_EQ(Pixel(0, 0), tex.at(5, 0));
    EXPECT_EQ(Pixel(22, 3), tex.at(27, 3));
    EXPECT_EQ(Pixel(23, 3), tex.at(0, 3));
    for (int32_t x = 0; x < 100; ++x)
        ASSERT_EQ(Pixel(x, 7), tex.at((x + 5) % 28, 7)) << x;
}

TEST_F(BackBuffer, RowByRowBlitJoinsSeamlessly) {
    CoordSurface tex(28, 28);
    GUIRect whole{0, 60, 0, 100};
    GfxAPIBlit(&tex.surface, &whole, 0, 0);
    std::vector<uint32_t> once(pGfxBackBuffer, pGfxBackBuffer + 200 * 120);

    GfxAPIInit(nullptr, 200, 120);
    for (int32_t top = 0; top < 100; top += 16) {
        GUIRect row{0, 60, top, std::min(top + 16, 100)};
        GfxAPIBlit(&tex.surface, &row, 0, static_cast<uint32_t>(top));
    }
    EXPECT_TRUE(std::equal(once.begin(), once.end(), pGfxBackBuffer));
}

TEST_F(BackBuffer, EmptyOrOutsideRectanglesDrawNothing) {
    CoordSurface tex(28, 28);
    GUIRect noWidth{10, 10, 0, 28}, noHeight{0, 28, 7, 7}, outside{-50, -10, 500, 600};
    GUIRect inverted{30, 10, 0, 28};
    GfxAPIBlit(&tex.surface, &inverted, 0, 0);
    GfxAPIBlit(&tex.surface, &noWidth, 0, 0);
    GfxAPIBlit(&tex.surface, &noHeight, 0, 0);
    GfxAPIBlit(&tex.surface, &outside, 3, 3);
    GfxAPIBlit(nullptr, &noWidth, 0, 0);
    for (int32_t i = 0; i < 200 * 120; ++i)
        ASSERT_EQ(pGfxBackBuffer[i], 0u);
}

TEST_F(BackBuffer, BlitPartlyOutsideTheBufferIsCut) {
    CoordSurface tex(28, 28);
    GUIRect r{-10, 250, 100, 140};
    GfxAPIBlit(&tex.surface, &r, 0, 0);
    EXPECT_EQ(Pixel(0, 100), tex.at(10, 0));
    EXPECT_EQ(Pixel(199, 119), tex.at(209 % 28, 19));
}

TEST_F(BackBuffer, BoxIsAlwaysTheLayerColour) {
    GUIRect r{5, 15, 2, 4};
    GfxAPIBox(&r, 0x0000ff);
    EXPECT_EQ(Pixel(5, 2), 0x404040u);
    EXPECT_EQ(Pixel(14, 3), 0x404040u);
    EXPECT_EQ(Pixel(15, 3), 0u);
    EXPECT_EQ(Pixel(5, 4), 0u);
}

TEST_F(BackBuffer, LinesAreDottedWhiteFromTheirStart) {
    GfxAPIHLine(0, 10, 5, 0x123456);
    for (int32_t x = 0; x < 12; ++x)
        EXPECT_EQ(Pixel(x, 5), (x % 2 == 0 && x < 10) ? 0xffffffu : 0u) << x;
    GfxAPIVLine(50, 3, 8, 0);
    for (int32_t y = 0; y < 10; ++y)
        EXPECT_EQ(Pixel(50, y), (y >= 3 && y < 8 && (y - 3) % 2 == 0) ? 0xffffffu : 0u) << y;
    // A line starting left of the buffer keeps its phase.
    GfxAPIHLine(-3, 4, 20, 0);
    EXPECT_EQ(Pixel(0, 20), 0u);
    EXPECT_EQ(Pixel(1, 20), 0xffffffu);
}

TEST_F(BackBuffer, DisplayHookGetsTheRectangleCutToTheBuffer) {
    static GUIRect seen;
    static int calls;
    calls = 0;
    GfxAPISetDisplayHook(
        [](const GUIRect *r, void *) {
            seen = *r;
            ++calls;
        },
        nullptr);
    GUIRect r{-5, 300, 10, 20};
    GfxAPIDisplay(&r);
    GfxAPISetDisplayHook(nullptr, nullptr);
    GfxAPIDisplay(&r);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen.iLeft, 0);
    EXPECT_EQ(seen.iRight, 200);
    EXPECT_EQ(seen.iTop, 10);
    EXPECT_EQ(seen.iBottom, 20);
}

} // namespace
