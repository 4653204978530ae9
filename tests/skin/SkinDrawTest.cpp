// What each skinned type paints, pixel by pixel, on a root that paints nothing
// itself, so that every pixel the skin does not touch keeps a known colour.
#include <algorithm>

#include "GUIButton.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIProgress.h"
#include "GUIScrollBar.h"
#include "SkinTestSupport.h"

namespace {

using testsupport::Pixel;

constexpr uint32_t kUntouched = 0xff00ff; // a colour no skin bitmap uses
constexpr uint32_t kWhite = 0xffffff;

uint32_t At(const GfxSurface *s, int32_t x, int32_t y) {
    return s->pPixels[static_cast<size_t>(y % s->iBmpHeight) * s->iBmpWidth + x % s->iBmpWidth] &
           0xffffff;
}

int Brightness(uint32_t rgb) {
    return static_cast<int>(((rgb >> 16) & 0xff) + ((rgb >> 8) & 0xff) + (rgb & 0xff));
}

class SkinDraw : public skintest::SkinTest {
  protected:
    void SetUp() override {
        SkinTest::SetUp();
        GUIRect whole{0, iGfxWidth, 0, iGfxHeight};
        GUIControlInit(&root_, nullptr, &whole);
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

    // Whether every pixel of r shows s (tiled from r's corner), or with a null
    // surface, is untouched.
    static bool Shows(const GfxSurface *s, const GUIRect &r) {
        for (int32_t y = r.iTop; y < r.iBottom; ++y)
            for (int32_t x = r.iLeft; x < r.iRight; ++x)
                if (Pixel(x, y) != (s ? At(s, x - r.iLeft, y - r.iTop) : kUntouched))
                    return false;
        return true;
    }

    // The back buffer over r after drawing text straight through the graphics layer.
    static std::vector<uint32_t> DirectText(const char *text, GUIRect place, const GUIRect &r) {
        Fill(0);
        GfxAPIText(text, &place, 0, 0, pGUISkinFont, kWhite);
        return testsupport::BackBufferImage(r).pixels;
    }

    static std::vector<uint32_t> Redrawn(GUIControl *ctl, const GUIRect &r) {
        Fill(0);
        GUIControlRedrawThis(ctl);
        return testsupport::BackBufferImage(r).pixels;
    }

    GUIControl root_{};
};

TEST_F(SkinDraw, ButtonWithoutWidthOrHeightDrawsNothingNotEvenItsMark) {
    GUIRect rect{50, 60, 50, 60};
    GUIControl *button = GUIButtonNew(&root_, &rect, "Go");
    button->bMarked = 1;
    for (const auto &[w, h] : {std::pair{0, 28}, std::pair{114, 0}}) {
        GUIControlSetSize(button, w, h);
        Fill(kUntouched);
        OpenClip(button);
        button->iClipLeft = button->iClipTop = -20;
        button->iClipRight = button->iClipBottom = 140;
        GUIRect all{-20, 140, -20, 140};
        button->Draw(button, &all);
        EXPECT_TRUE(Shows(nullptr, {0, iGfxWidth, 0, iGfxHeight})) << w << " x " << h;
    }
}

TEST_F(SkinDraw, MarkedButtonShowsADottedFrameOnItsOutermostPixels) {
    GUIRect rect{20, 30, 20, 30};
    GUIControl *button = GUIButtonNew(&root_, &rect, "");
    GUIControlMark(button);
    for (int32_t y = 0; y < 28; ++y) {
        for (int32_t x = 0; x < 114; ++x) {
            const bool dot =
                ((y == 0 || y == 27) && x % 2 == 0) || ((x == 0 || x == 113) && y % 2 == 0);
            const uint32_t expected = dot ? kWhite : At(button_off, x, y);
            ASSERT_EQ(Pixel(20 + x, 20 + y), expected) << "at " << x << ", " << y;
        }
    }
}

TEST_F(SkinDraw, ReleasedCaptionStartsAtTwoTwoAndPushedAtTheCorner) {
    GUIRect rect{40, 40, 40, 40};
    auto *button = reinterpret_cast<GUIButton *>(GUIButtonNew(&root_, &rect, "Hg"));
    button->pPushedImage = button->pReleasedImage = nullptr;
    const GUIRect area{40, 154, 40, 68};
    button->bPushed = 1;
    EXPECT_EQ(Redrawn(&button->oControl, area), DirectText("Hg", area, area));
    button->bPushed = 0;
    EXPECT_EQ(Redrawn(&button->oControl, area), DirectText("Hg", {42, 154, 42, 68}, area));
}

TEST_F(SkinDraw, EditCentresItsText) {
    constexpr char kFortyWide[] = "Tetris";
    ASSERT_EQ(GfxAPITextGetWidth(kFortyWide, pGUISkinFont), 40);
    GUIRect rect{20, 120, 20, 48};
    GUIControl *edit = GUIEditNew(&root_, &rect, kFortyWide);
    EXPECT_EQ(Redrawn(edit, rect), DirectText(kFortyWide, {20 + 30, 114, 23, 45}, rect));
}

GUIControl *FiveRowList(GUIControl *parent) {
    GUIRect rect{10, 110, 10, 10};
    GUIControl *list = GUIListNew(parent, &rect);
    for (const char *row : {"R0", "R1", "R2", "R3", "R4"})
        GUIListAdd(list, row);
    return list;
}

TEST_F(SkinDraw, ListRedrawsOnlyTheRowsThatMeetTheRectangle) {
    GUIControl *list = FiveRowList(&root_);
    Fill(kUntouched);
    OpenClip(list);
    GUIRect rows{0, 100, 20, 40};
    list->Draw(list, &rows);
    EXPECT_TRUE(Shows(nullptr, {10, 110, 10, 26}));
    EXPECT_TRUE(Shows(nullptr, {10, 110, 58, 90}));
    for (int32_t y = 26; y < 58; ++y)
        EXPECT_NE(Pixel(60, y), kUntouched) << y;
}

TEST_F(SkinDraw, SelectedListRowShowsTheSelectBarWithDarkText) {
    GUIControl *list = FiveRowList(&root_);
    reinterpret_cast<GUIList *>(list)->iSelected = 2;
    Fill(kUntouched);
    GUIControlRedrawThis(list);
    int textPixels = 0;
    for (int32_t y = 0; y < 16; ++y) {
        for (int32_t x = 0; x < 100; ++x) {
            const uint32_t bar = At(selectbar, x, y), shown = Pixel(10 + x, 42 + y);
            if (x >= 40) {
                ASSERT_EQ(shown, bar) << x << ", " << y;
            } else if (shown != bar) {
                ++textPixels;
                EXPECT_LT(Brightness(shown), Brightness(bar)) << x << ", " << y;
            }
        }
    }
    EXPECT_GT(textPixels, 10);
}

TEST_F(SkinDraw, HorizontalScrollBarTilesItsTrackUnderArrowsAndThumbAndVerticalHasNone) {
    GUIRect place{10, 210, 10, 30};
    GUIControl *horizontal = GUIScrollBarNew(&root_, &place, 0, 100, 0);
    GUIScrollBarSetPos(horizontal, 0, 25);
    place = {260, 280, 10, 210};
    GUIControl *vertical = GUIScrollBarNew(&root_, &place, 0, 100, 1);
    GUIScrollBarSetPos(vertical, 30, 60);
    Fill(kUntouched);
    OpenClip(horizontal);
    GUIRect whole{0, 200, 0, 20};
    horizontal->Draw(horizontal, &whole);
    EXPECT_TRUE(Shows(underhorizontal_slider_middle, {10, 210, 10, 30}));
    GUIControlRedrawThis(&root_);
    EXPECT_TRUE(Shows(arrow_left1, {10, 30, 10, 30}));
    EXPECT_TRUE(Shows(horizontal_slider_left, {30, 44, 13, 27}));
    EXPECT_TRUE(Shows(underhorizontal_slider_middle, {70, 190, 10, 30}));
    EXPECT_TRUE(Shows(up, {260, 280, 10, 30}));
    EXPECT_TRUE(Shows(nullptr, {260, 280, 30, 78}));
    EXPECT_TRUE(Shows(gorgoteteje, {260, 279, 78, 87}));
    EXPECT_TRUE(Shows(nullptr, {260, 280, 126, 190}));
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
        Redrawn(bar, area);
        int32_t filled = 0;
        while (Pixel(11 + filled, 20) == 0xff0000)
            ++filled;
        EXPECT_EQ(filled, std::max(c.fillRight - 1, 0)) << c.max << " " << c.pos;
        EXPECT_EQ(Pixel(11, 8 + 22), GFX_BOX_COLOUR) << "two pixels free at the bottom";
        progressfill = nullptr;
        progress->bShowText = 1;
        const std::vector<uint32_t> drawn = Redrawn(bar, area);
        Fill(GFX_BOX_COLOUR);
        if (c.text)
            GfxAPIText(c.text, const_cast<GUIRect *>(&area), 0, 0, pGUISkinFont, kWhite);
        EXPECT_EQ(drawn, testsupport::BackBufferImage(area).pixels) << c.max << " " << c.pos;
    }
    progressfill = skinFill;
}

} // namespace
