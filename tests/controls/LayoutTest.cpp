// A whole layout: loaded from a script with a picture whose size comes from its
// file, drawn into the back buffer with simple stand-in looks, clicked through
// the root as the host does, and its picture replaced by a smaller one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BmpFile.h"
#include "ControlTestSupport.h"
#include "GUIBitmap.h"
#include "GUIButton.h"
#include "GUIDesktop.h"

using testsupport::Pixel;

namespace {

constexpr uint32_t kReleased = 0x2060c0;
constexpr uint32_t kPushed = 0xc04020;
constexpr uint32_t kLight = 0xf0e0a0;
constexpr uint32_t kDark = 0x208040;

uint32_t releasedPixels[4] = {kReleased, kReleased, kReleased, kReleased};
uint32_t pushedPixels[4] = {kPushed, kPushed, kPushed, kPushed};
GfxSurface releasedImage{releasedPixels, 2, 2, nullptr, 0, 0};
GfxSurface pushedImage{pushedPixels, 2, 2, nullptr, 0, 0};

void DrawDesktop(GUIControl *self, GUIRect *rect) {
    GUIControlBox(self, rect, 0);
}

void DrawButton(GUIControl *self, GUIRect *) {
    auto *button = reinterpret_cast<GUIButton *>(self);
    GUIRect whole{0, self->iWidth, 0, self->iHeight};
    GUIControlBlit(self, button->bPushed ? button->pPushedImage : button->pReleasedImage, &whole, 0,
                   0);
}

void LookOfDesktop(GUIControl *ctl) {
    ctl->Draw = DrawDesktop;
}
void LookOfButton(GUIControl *ctl) {
    auto *button = reinterpret_cast<GUIButton *>(ctl);
    ctl->Draw = DrawButton;
    button->pPushedImage = &pushedImage;
    button->pReleasedImage = &releasedImage;
    GUIControlSetSize(ctl, 114, 28);
}
// What the skin's bitmap initialiser does: load szFile and take its size.
std::vector<GfxSurface *> pictures;
void LookOfBitmap(GUIControl *ctl) {
    GfxSurface *s = GfxAPILoadNewSurface(reinterpret_cast<GUIBitmap *>(ctl)->szFile, nullptr);
    ASSERT_NE(s, nullptr);
    pictures.push_back(s);
    ctl->pBackground = s;
    GUIControlSetSize(ctl, s->iBmpWidth, s->iBmpHeight);
}

std::vector<const char *> clicked;
int32_t RecordClicks(GUIControl *, GUIControl *sender, int32_t event) {
    if (event == GUI_EVENT_BUTTON_CLICKED)
        clicked.push_back(sender->pszID);
    return 0;
}

class Layout : public testsupport::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        pGUIDesktopSkinInit = LookOfDesktop;
        pGUIButtonSkinInit = LookOfButton;
        pGUIBitmapSkinInit = LookOfBitmap;
        clicked.clear();
        const auto checkers = [](int32_t x, int32_t y) {
            return (x / 8 + y / 8) % 2 ? kLight : kDark;
        };
        const std::string picture = dir.Write("pic.bmp", testsupport::Bmp24(96, 64, checkers));
        const std::string script = "# main screen\r\n"
                                   "Desktop(320,240)\r\n"
                                   "{\r\n"
                                   "  Button[10,10](\"Install\") \"install\";\r\n"
                                   "  Button[10,50](Setup) \"setup\";\r\n"
                                   "  Bitmap[150,20](\"" +
                                   picture +
                                   "\") \"ss\"\r\n"
                                   "  {\r\n"
                                   "    Button[4,30](Exit) \"exit\";\r\n"
                                   "  };\r\n"
                                   "};\r\n";
        auto r = testsupport::LoadScriptFile(dir.Write("layout.scr", script));
        ASSERT_NE(r.ctl, nullptr) << r.out;
        r.ctl->OnPublicEvent = RecordClicks;
        GUIControlRedrawThis(r.ctl); // the host's first paint
    }
    void TearDown() override {
        ToolkitTest::TearDown();
        for (GfxSurface *s : pictures)
            GfxAPIDeleteSurface(s);
        pictures.clear();
    }
    void Mouse(int32_t x, int32_t y, uint8_t buttons) {
        GUIControlMouse(pGUIControlRoot, x, y, buttons, static_cast<uint8_t>(buttons ^ previous),
                        1);
        previous = buttons;
        GUIControlUpdate();
    }
    testsupport::ScratchDir dir;
    uint8_t previous = 0;
};

TEST_F(Layout, LoadsDrawsAndAnswersTheMouse) {
    EXPECT_EQ(testsupport::rectOf(*GUIControlGetByID(nullptr, "ss")), (GUIRect{150, 246, 20, 84}));
    EXPECT_EQ(Pixel(300, 200), 0x404040u) << "desktop box";
    EXPECT_EQ(Pixel(120, 12), kReleased) << "install button, right part";
    EXPECT_EQ(Pixel(158, 20), kLight) << "picture's second square";
    EXPECT_EQ(Pixel(250, 62), 0x404040u) << "exit button is cut at the picture's edge";

    Mouse(20, 55, 0);
    Mouse(20, 55, 1);
    EXPECT_EQ(Pixel(120, 52), kPushed) << "setup button shown pushed";
    Mouse(21, 56, 0);
    Mouse(240, 60, 1);
    Mouse(240, 60, 0);
    ASSERT_EQ(clicked.size(), 2u);
    EXPECT_STREQ(clicked[0], "setup");
    EXPECT_STREQ(clicked[1], "exit");
    EXPECT_TRUE(testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/Layout.png"));
}

TEST_F(Layout, ReplacedSmallerPictureTilesOverTheUnchangedArea) {
    GUIControl *pic = GUIControlGetByID(nullptr, "ss");
    // It outlives the test: removing the tree at the end repaints the picture.
    static uint32_t small[] = {0xff0000, 0x00ff00, 0x0000ff, 0xffff00, 0x00ffff, 0xff00ff};
    static GfxSurface replacement{small, 3, 2, nullptr, 0, 0};
    pic->pBackground = &replacement;
    GUIControlRedrawThis(pic);
    EXPECT_EQ(pic->iWidth, 96);
    for (int32_t y = 0; y < 30; ++y) // the exit button covers the rows below
        for (int32_t x = 0; x < 96; ++x)
            ASSERT_EQ(Pixel(150 + x, 20 + y), small[(y % 2) * 3 + x % 3]) << x << "," << y;
    EXPECT_EQ(Pixel(246, 20), 0x404040u);
}

} // namespace
