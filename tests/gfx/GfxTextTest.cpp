// Text: clipping, measuring, the missing-font case and the decoding of 8-bit text.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "GfxAPI.h"
#include "PngDump.h"

namespace {

constexpr int32_t kBufferWidth = 320;
constexpr int32_t kBufferHeight = 80;
constexpr uint32_t kGround = 0x404040;

// Fonts live for the whole run, as in the program.
GfxFont *sans16() {
    static GfxFont *font = GfxAPICreateFont("DejaVu Sans", 16);
    return font;
}

// Pixels that differ from the box colour.
int32_t inkedPixels(const GUIRect &r) {
    return static_cast<int32_t>(std::ranges::count_if(testsupport::BackBufferImage(r).pixels,
                                                      [](uint32_t p) { return p != kGround; }));
}

class Text : public ::testing::Test {
  protected:
    GUIRect whole{0, kBufferWidth, 0, kBufferHeight};

    void SetUp() override {
        ASSERT_NE(sans16(), nullptr);
        clear();
    }
    void TearDown() override { testsupport::WriteBackBufferPngIfFailed(); }
    void clear() {
        GfxAPIInit(nullptr, kBufferWidth, kBufferHeight);
        GfxAPIBox(&whole, 0);
    }
    std::vector<uint32_t> drawn(const char *text) {
        clear();
        GUIRect r{20, 300, 20, 60};
        GfxAPIText(text, &r, 0, 0, sans16(), GFX_WHITE);
        return testsupport::BackBufferImage(whole).pixels;
    }
};

TEST_F(Text, GlyphsStayInsideTheClipRectangle) {
    // Offsets push the text over the left and top edges; the text is longer than the box.
    GUIRect clip{40, 120, 30, 42};
    GfxAPIText("Quelmara WWWW gjpq ÁÉ", &clip, 6, 5, sans16(), GFX_WHITE);
    EXPECT_GT(inkedPixels(clip), 50);
    EXPECT_EQ(inkedPixels(whole), inkedPixels(clip));
    GUIRect beyond{-40, kBufferWidth + 40, kBufferHeight - 8, kBufferHeight + 30};
    GfxAPIText("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", &beyond, 0, 0, sans16(), GFX_WHITE);
    GUIRect far{1 << 30, INT32_MAX, 1 << 30, INT32_MAX};
    GfxAPIText("W", &far, INT32_MIN, INT32_MIN, sans16(), GFX_WHITE);
    GfxAPIText("W", &whole, INT32_MAX, INT32_MAX, sans16(), GFX_WHITE);
}

TEST_F(Text, MeasuringSumsTheAdvancesWithoutKerning) {
    GfxFont *f = sans16();
    EXPECT_EQ(GfxAPITextGetWidth("", f), 0);
    EXPECT_EQ(GfxAPITextGetWidth("\t\r\n", f), 0);
    const int32_t a = GfxAPITextGetWidth("A", f);
    const int32_t v = GfxAPITextGetWidth("V", f);
    EXPECT_GT(a, 0);
    EXPECT_EQ(GfxAPITextGetWidth("AVAV", f), 2 * (a + v));
    EXPECT_EQ(drawn("A\tV\x01"), drawn("AV"));
}

TEST_F(Text, WindowsAnsiAndUtf8DrawAlike) {
    EXPECT_EQ(drawn("caf\xe9"), drawn("caf\xc3\xa9"));
    EXPECT_EQ(drawn("\x80 \x93quoted\x94 \x85"),
              drawn("\xe2\x82\xac \xe2\x80\x9cquoted\xe2\x80\x9d \xe2\x80\xa6"));
    // One invalid sequence makes the whole text Windows-1252.
    EXPECT_EQ(drawn("\xc3\xa9\xe9"), drawn("\xc3\x83\xc2\xa9\xc3\xa9"));
    EXPECT_NE(drawn("\xe9"), drawn("e"));
}

// Exits with 0 when text with no font ever selected draws and measures nothing.
[[noreturn]] void drawWithoutAnyFont() {
    GfxAPIInit(nullptr, 50, 50);
    GUIRect r{0, 50, 0, 50};
    GfxAPIText("text", &r, 0, 0, nullptr, GFX_WHITE);
    const bool blank =
        std::all_of(pGfxBackBuffer, pGfxBackBuffer + 2500, [](uint32_t p) { return p == 0; });
    const bool unmeasured =
        GfxAPITextGetWidth("text", nullptr) == 0 && GfxAPITextGetHeight("text", nullptr) == 0;
    std::exit(blank && unmeasured ? 0 : 1);
}

// Runs in a fresh process, where no font has been selected yet.
TEST(TextWithoutFont, NothingIsDrawnOrMeasured) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(drawWithoutAnyFont(), ::testing::ExitedWithCode(0), "");
}

} // namespace
