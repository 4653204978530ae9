// What the skin leaves unpainted, on a root that paints nothing itself, so that
// every pixel the skin does not touch keeps a known colour, and the progress
// bar's arithmetic. The rest of what it paints is compared with the reference
// pictures.
#include <algorithm>

#include "GUIButton.h"
#include "GUIList.h"
#include "GUIProgress.h"
#include "SkinTestSupport.h"

namespace {

using testsupport::Pixel;

constexpr uint32_t kUntouched = 0xff00ff; // a colour no skin bitmap uses

class SkinDraw : public skintest::SkinTest {
  protected:
    void SetUp() override {
        SkinTest::SetUp();
        GUIControlInit(&root_, nullptr, skintest::At(0, 0, iGfxWidth, iGfxHeight));
    }

    static void Fill(uint32_t colour) {
        std::fill(pGfxBackBuffer, pGfxBackBuffer + iGfxWidth * iGfxHeight, colour);
    }

    // Lets a control and its ancestors draw over their whole area, as a redraw
    // of everything would, so that a Draw can be called with a smaller rectangle.
    static void OpenClip(GUIControl *ctl) {
        for (; ctl; ctl = ctl->pParent) {
            ctl->iClipLeft = ctl->iClipTop = 0;
            ctl->iClipRight = ctl->iWidth;
            ctl->iClipBottom = ctl->iHeight;
        }
    }

    static bool Untouched(const GUIRect &r) {
        return std::ranges::all_of(testsupport::BackBufferImage(r).pixels,
                                   [](uint32_t p) { return p == kUntouched; });
    }

    GUIControl root_{};
};

// A button without width or height draws nothing, not even its mark; a list
// redraws only the rows that meet the rectangle.
TEST_F(SkinDraw, ZeroSizedButtonsAndRowsOutsideTheRectangleStayUnpainted) {
    GUIControl *button = GUIButtonNew(&root_, skintest::At(50, 50, 10, 10), "Go");
    button->bMarked = 1;
    for (const auto &[w, h] : {std::pair{0, 28}, std::pair{114, 0}}) {
        GUIControlSetSize(button, w, h);
        Fill(kUntouched);
        OpenClip(button);
        button->iClipLeft = button->iClipTop = -20;
        button->iClipRight = button->iClipBottom = 140;
        GUIRect all{-20, 140, -20, 140};
        button->Draw(button, &all);
        EXPECT_TRUE(Untouched({0, iGfxWidth, 0, iGfxHeight})) << w << " x " << h;
    }
    GUIControl *list = GUIListNew(&root_, skintest::At(10, 10, 100, 0));
    for (const char *row : {"R0", "R1", "R2", "R3", "R4"})
        GUIListAdd(list, row);
    Fill(kUntouched);
    OpenClip(list);
    GUIRect rows{0, 100, 20, 40};
    list->Draw(list, &rows);
    EXPECT_TRUE(Untouched({10, 110, 10, 26}));
    EXPECT_TRUE(Untouched({10, 110, 58, 90}));
    for (int32_t y = 26; y < 58; ++y)
        EXPECT_NE(Pixel(60, y), kUntouched) << y;
}

// The bar is 300 wide, so its fill spans 298 pixels: enough to tell the
// arithmetic on shifted values (from a maximum of 65536 on) from the plain one.
TEST_F(SkinDraw, ProgressFillAndPercentageOnBothSidesOf65536) {
    const GUIRect area{10, 310, 8, 32};
    GUIControl *bar = GUIProgressNew(&root_, const_cast<GUIRect *>(&area));
    auto *progress = reinterpret_cast<GUIProgress *>(bar);
    testsupport::TestSurface red = testsupport::TestSurface::solid(0xff0000);
    GfxSurface *const skinFill = progressfill;
    struct Case {
        int32_t max, pos, fillRight;
        const char *text;
    };
    for (const Case c :
         {Case{0, 0, 0, nullptr}, Case{65535, 65280, 297, "     99%"},
          Case{65535, 65535, 299, "     100%"}, Case{65536, 65535, 297, "     99%"},
          Case{65536, 767, 3, "     0%"}, Case{0x7fffff00, 0x3fffff80, 149, "     49%"}}) {
        progress->iMax = c.max;
        GUIProgressSet(bar, c.pos);
        progressfill = &red.surface;
        progress->bShowText = 0;
        Fill(0);
        GUIControlRedrawThis(bar);
        int32_t filled = 0;
        while (Pixel(11 + filled, 20) == 0xff0000)
            ++filled;
        EXPECT_EQ(filled, std::max(c.fillRight - 1, 0)) << c.max << " " << c.pos;
        EXPECT_EQ(Pixel(11, 8 + 22), GFX_BOX_COLOUR) << "two pixels free at the bottom";
        progressfill = nullptr;
        progress->bShowText = 1;
        Fill(0);
        GUIControlRedrawThis(bar);
        const std::vector<uint32_t> drawn = testsupport::BackBufferImage(area).pixels;
        Fill(GFX_BOX_COLOUR);
        if (c.text)
            GfxAPIText(c.text, const_cast<GUIRect *>(&area), 0, 0, pGUISkinFont, GFX_WHITE);
        EXPECT_EQ(drawn, testsupport::BackBufferImage(area).pixels) << c.max << " " << c.pos;
    }
    progressfill = skinFill;
}

} // namespace
