// What each skinned type paints, pixel by pixel, on a root that paints nothing
// itself, so that every pixel the skin does not touch keeps a known colour.
#include <algorithm>

#include "GUIButton.h"
#include "GUIEdit.h"
#include "GUIList.h"
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

    static void FillUntouched() {
        std::fill(pGfxBackBuffer, pGfxBackBuffer + iGfxWidth * iGfxHeight, kUntouched);
    }

    static void Clear() { std::fill(pGfxBackBuffer, pGfxBackBuffer + iGfxWidth * iGfxHeight, 0u); }

    // Lets a control and its ancestors draw over their whole area, as a redraw
    // of everything would, so that a Draw can be called with a smaller rectangle.
    static void OpenClip(GUIControl *ctl) {
        for (; ctl; ctl = ctl->pParent) {
            ctl->iClipLeft = 0;
            ctl->iClipRight = ctl->iWidth;
            ctl->iClipTop = 0;
            ctl->iClipBottom = ctl->iHeight;
        }
    }

    static bool AllUntouched(const GUIRect &r) {
        for (int32_t y = r.iTop; y < r.iBottom; ++y)
            for (int32_t x = r.iLeft; x < r.iRight; ++x)
                if (Pixel(x, y) != kUntouched)
                    return false;
        return true;
    }

    static bool NoneUntouched(const GUIRect &r) {
        for (int32_t y = r.iTop; y < r.iBottom; ++y)
            for (int32_t x = r.iLeft; x < r.iRight; ++x)
                if (Pixel(x, y) == kUntouched)
                    return false;
        return true;
    }

    // The back buffer over r after drawing text straight through the graphics layer.
    static testsupport::PngImage DirectText(const char *text, GUIRect place, int32_t offX,
                                            const GUIRect &r) {
        Clear();
        GfxAPIText(text, &place, offX, 0, pGUISkinFont, kWhite);
        return testsupport::BackBufferImage(r);
    }

    static bool HasWhite(const testsupport::PngImage &image) {
        return std::count(image.pixels.begin(), image.pixels.end(), kWhite) > 0;
    }

    GUIControl root_{};
};

GUIButton *AsButton(GUIControl *ctl) {
    return reinterpret_cast<GUIButton *>(ctl);
}

TEST_F(SkinDraw, ButtonWithoutWidthOrHeightDrawsNothingNotEvenItsMark) {
    GUIRect rect{50, 60, 50, 60};
    GUIControl *button = GUIButtonNew(&root_, &rect, "Go");
    button->bMarked = 1;
    for (const auto &[w, h] : {std::pair{0, 28}, std::pair{114, 0}}) {
        GUIControlSetSize(button, w, h);
        FillUntouched();
        OpenClip(button);
        button->iClipLeft = button->iClipTop = -20;
        button->iClipRight = button->iClipBottom = 140;
        GUIRect all{-20, 140, -20, 140};
        button->Draw(button, &all);
        EXPECT_TRUE(AllUntouched({0, iGfxWidth, 0, iGfxHeight})) << w << " x " << h;
    }
    GUIControlSetSize(button, 1, 28);
    button->Draw(button, &rect);
    EXPECT_EQ(Pixel(50, 50), kWhite) << "a one pixel wide button still draws";
}

TEST_F(SkinDraw, MarkedButtonShowsADottedFrameOnItsOutermostPixels) {
    GUIRect rect{20, 30, 20, 30};
    GUIControl *button = GUIButtonNew(&root_, &rect, "");
    ASSERT_EQ(button->iWidth, 114);
    ASSERT_EQ(button->iHeight, 28);
    GUIControlMark(button);
    const auto dotted = [](int32_t x, int32_t y) {
        const bool top = y == 0 && x % 2 == 0, bottom = y == 27 && x % 2 == 0;
        const bool left = x == 0 && y % 2 == 0, right = x == 113 && y % 2 == 0;
        return top || bottom || left || right;
    };
    for (int32_t y = 0; y < 28; ++y) {
        for (int32_t x = 0; x < 114; ++x) {
            if (x != 0 && x != 113 && y != 0 && y != 27)
                continue;
            const uint32_t expected = dotted(x, y) ? kWhite : At(button_off, x, y);
            ASSERT_EQ(Pixel(20 + x, 20 + y), expected) << "at " << x << ", " << y;
        }
    }
    EXPECT_EQ(Pixel(21, 21), At(button_off, 1, 1));
}

TEST_F(SkinDraw, ReleasedCaptionStartsAtTwoTwoAndPushedAtTheCorner) {
    GUIRect rect{40, 40, 40, 40};
    GUIControl *button = GUIButtonNew(&root_, &rect, "Hg");
    AsButton(button)->pPushedImage = AsButton(button)->pReleasedImage = nullptr;
    const GUIRect area{40, 154, 40, 68};

    AsButton(button)->bPushed = 1;
    Clear();
    GUIControlRedrawThis(button);
    const testsupport::PngImage pushed = testsupport::BackBufferImage(area);
    EXPECT_TRUE(HasWhite(pushed));
    EXPECT_EQ(pushed.pixels, DirectText("Hg", area, 0, area).pixels);

    AsButton(button)->bPushed = 0;
    Clear();
    GUIControlRedrawThis(button);
    const testsupport::PngImage released = testsupport::BackBufferImage(area);
    EXPECT_EQ(released.pixels, DirectText("Hg", {42, 154, 42, 68}, 0, area).pixels);
}

// A text of exactly 40 pixels in the skin's font.
constexpr char kFortyWide[] = "Tetris";

TEST_F(SkinDraw, EditCentresItsTextAndClipsOneWiderThanItself) {
    ASSERT_EQ(GfxAPITextGetWidth(kFortyWide, pGUISkinFont), 40);
    GUIRect rect{20, 120, 20, 48};
    GUIControl *edit = GUIEditNew(&root_, &rect, kFortyWide);
    const GUIRect area{20, 120, 20, 48};
    Clear();
    GUIControlRedrawThis(edit);
    const testsupport::PngImage centred = testsupport::BackBufferImage(area);
    EXPECT_TRUE(HasWhite(centred));
    EXPECT_EQ(centred.pixels, DirectText(kFortyWide, {20 + 30, 114, 23, 45}, 0, area).pixels);

    const char wide[] = "A caption much wider than the field";
    const int32_t width = GfxAPITextGetWidth(wide, pGUISkinFont);
    ASSERT_GT(width, 100);
    GUIEditSet(edit, wide);
    Clear();
    GUIControlRedrawThis(edit);
    const int32_t left = (100 - width - 6) / 2 + 3;
    EXPECT_EQ(testsupport::BackBufferImage(area).pixels,
              DirectText(wide, {20, 114, 23, 45}, -left, area).pixels);
}

class SkinList : public SkinDraw {
  protected:
    GUIControl *MakeList(int rows) {
        GUIRect rect{10, 110, 10, 10};
        GUIControl *list = GUIListNew(&root_, &rect);
        for (int i = 0; i < rows; ++i)
            GUIListAdd(list, ("R" + std::to_string(i)).c_str());
        return list;
    }
    static GUIList *AsList(GUIControl *ctl) { return reinterpret_cast<GUIList *>(ctl); }
};

TEST_F(SkinList, RedrawsOnlyTheRowsThatMeetTheRectangle) {
    GUIControl *list = MakeList(5);
    ASSERT_EQ(list->iHeight, 80);
    FillUntouched();
    OpenClip(list);
    GUIRect rows{0, 100, 20, 40};
    list->Draw(list, &rows);
    EXPECT_TRUE(AllUntouched({10, 110, 10, 26}));
    EXPECT_TRUE(NoneUntouched({10, 110, 26, 58}));
    EXPECT_TRUE(AllUntouched({10, 110, 58, 90}));
}

TEST_F(SkinList, SelectedRowShowsTheTopOfTheSelectBarWithBlackText) {
    GUIControl *list = MakeList(5);
    AsList(list)->iSelected = 2;
    FillUntouched();
    GUIControlRedrawThis(list);
    int textPixels = 0;
    for (int32_t y = 0; y < 16; ++y) {
        for (int32_t x = 0; x < 100; ++x) {
            const uint32_t bar = At(selectbar, x, y), shown = Pixel(10 + x, 42 + y);
            if (x >= 40) {
                ASSERT_EQ(shown, bar) << x << ", " << y;
            }
            if (shown != bar) {
                ++textPixels;
                EXPECT_LT(Brightness(shown), Brightness(bar)) << x << ", " << y;
            }
        }
    }
    EXPECT_GT(textPixels, 10);
}

TEST_F(SkinList, OtherRowsShowWhiteTextOnTheTextureRunningOnFromRowToRow) {
    GUIControl *list = MakeList(5);
    AsList(list)->iSelected = 2;
    FillUntouched();
    GUIControlRedrawThis(list);
    bool white = false;
    for (int32_t y = 48; y < 80; ++y) {
        for (int32_t x = 0; x < 100; ++x) {
            const uint32_t texture = At(windowtexture_list, x, y), shown = Pixel(10 + x, 10 + y);
            if (x >= 40) {
                ASSERT_EQ(shown, texture) << x << ", " << y;
            } else {
                EXPECT_GE(Brightness(shown), Brightness(texture)) << x << ", " << y;
            }
            white = white || shown == kWhite;
        }
    }
    EXPECT_TRUE(white);
}

class SkinScrollBar : public SkinDraw {
  protected:
    GUIScrollBar *MakeBar(GUIRect rect, bool vertical, int32_t start, int32_t end) {
        GUIControl *bar = GUIScrollBarNew(&root_, &rect, 0, 100, vertical ? 1 : 0);
        GUIScrollBarSetPos(bar, start, end);
        return reinterpret_cast<GUIScrollBar *>(bar);
    }
    static bool ShowsSurface(const GfxSurface *s, const GUIRect &r) {
        for (int32_t y = r.iTop; y < r.iBottom; ++y)
            for (int32_t x = r.iLeft; x < r.iRight; ++x)
                if (Pixel(x, y) != At(s, x - r.iLeft, y - r.iTop))
                    return false;
        return true;
    }
};

TEST_F(SkinScrollBar, HorizontalBarTilesItsTrackUnderArrowsAndThumb) {
    GUIScrollBar *bar = MakeBar({10, 210, 10, 30}, false, 0, 25);
    GUIControl *ctl = &bar->oControl;
    FillUntouched();
    OpenClip(ctl);
    GUIRect whole{0, 200, 0, 20};
    ctl->Draw(ctl, &whole);
    EXPECT_TRUE(ShowsSurface(underhorizontal_slider_middle, {10, 210, 10, 30}));

    GUIControlRedrawThis(ctl);
    EXPECT_TRUE(ShowsSurface(arrow_left1, {10, 30, 10, 30}));
    EXPECT_TRUE(ShowsSurface(arrow_right1, {190, 210, 10, 30}));
    ASSERT_EQ(bar->oThumb.iLeft, 20);
    ASSERT_EQ(bar->oThumb.iTop, 3);
    EXPECT_TRUE(ShowsSurface(horizontal_slider_left, {30, 44, 13, 27}));
    EXPECT_TRUE(ShowsSurface(horizontal_slider_right, {56, 70, 13, 27}));
    EXPECT_TRUE(ShowsSurface(underhorizontal_slider_middle, {70, 190, 10, 30}));
}

TEST_F(SkinScrollBar, VerticalBarHasNoTrack) {
    GUIScrollBar *bar = MakeBar({260, 280, 10, 210}, true, 30, 60);
    FillUntouched();
    GUIControlRedrawThis(&bar->oControl);
    EXPECT_TRUE(ShowsSurface(up, {260, 280, 10, 30}));
    EXPECT_TRUE(ShowsSurface(down, {260, 280, 190, 210}));
    ASSERT_EQ(bar->oThumb.iTop, 68);
    ASSERT_EQ(bar->oThumb.iWidth, 19);
    EXPECT_TRUE(AllUntouched({260, 280, 30, 78}));
    EXPECT_TRUE(ShowsSurface(gorgoteteje, {260, 279, 78, 87}));
    EXPECT_TRUE(AllUntouched({279, 280, 78, 126}));
    EXPECT_TRUE(AllUntouched({260, 280, 126, 190}));
}

} // namespace
