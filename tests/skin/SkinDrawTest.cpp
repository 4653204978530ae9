// What the skin leaves unpainted, on a root that paints nothing itself, so that
// every pixel the skin does not touch keeps a known colour. What it paints is
// compared with the reference pictures.
#include <algorithm>

#include "GUIButton.h"
#include "GUIList.h"
#include "SkinTestSupport.h"

namespace {

using testsupport::Pixel;

constexpr uint32_t kUntouched = 0xff00ff; // a colour no skin bitmap uses

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

    static bool Untouched(const GUIRect &r) {
        for (int32_t y = r.iTop; y < r.iBottom; ++y)
            for (int32_t x = r.iLeft; x < r.iRight; ++x)
                if (Pixel(x, y) != kUntouched)
                    return false;
        return true;
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
        EXPECT_TRUE(Untouched({0, iGfxWidth, 0, iGfxHeight})) << w << " x " << h;
    }
}

TEST_F(SkinDraw, ListRedrawsOnlyTheRowsThatMeetTheRectangle) {
    GUIRect rect{10, 110, 10, 10};
    GUIControl *list = GUIListNew(&root_, &rect);
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

} // namespace
