// A whole layout: loaded from a script, drawn into the back buffer with simple
// stand-in looks, and clicked through the root as the host does.
#include <gtest/gtest.h>

#include <vector>

#include "BmpFile.h"
#include "ControlTestSupport.h"
#include "GUIBitmap.h"
#include "GUIButton.h"
#include "GUIDesktop.h"
#include "PngDump.h"

using testsupport::Pixel;

namespace {

constexpr uint32_t kReleased = 0x2060c0;
constexpr uint32_t kPushed = 0xc04020;

uint32_t releasedPixels[4] = {kReleased, kReleased, kReleased, kReleased};
uint32_t pushedPixels[4] = {kPushed, kPushed, kPushed, kPushed};
GfxSurface releasedImage{releasedPixels, 2, 2, nullptr, 0, 0};
GfxSurface pushedImage{pushedPixels, 2, 2, nullptr, 0, 0};

GfxFont *Font() {
    static GfxFont *font = GfxAPICreateFont("DejaVu Sans", 14);
    return font;
}

void DrawDesktop(GUIControl *self, GUIRect *rect) {
    GUIControlBox(self, rect, 0);
}

void DrawButton(GUIControl *self, GUIRect *) {
    auto *button = reinterpret_cast<GUIButton *>(self);
    GUIRect whole{0, self->iWidth, 0, self->iHeight};
    GUIControlBlit(self, button->bPushed ? button->pPushedImage : button->pReleasedImage, &whole, 0,
                   0);
    const int32_t shift = button->bPushed ? 0 : -2;
    GUIControlText(self, button->szCaption, &whole, shift - 6, shift - 5, Font(), 0xffffff);
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
std::vector<GfxSurface *> pictures;
void LookOfBitmap(GUIControl *ctl) {
    GfxSurface *s = GfxAPILoadNewSurface(reinterpret_cast<GUIBitmap *>(ctl)->szFile, nullptr);
    pictures.push_back(s);
    ctl->pBackground = s;
    if (s)
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
    const std::string picture = dir.Write("pic.bmp", testsupport::Bmp24(96, 64, [](int x, int y) {
                                              return ((x / 8 + y / 8) % 2) ? 0xf0e0a0u : 0x208040u;
                                          }));
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

    EXPECT_EQ(Pixel(300, 200), 0x404040u) << "desktop box";
    EXPECT_EQ(Pixel(120, 12), kReleased) << "install button, right part";
    EXPECT_EQ(Pixel(150, 20), 0x208040u) << "picture's first square";
    EXPECT_EQ(Pixel(158, 20), 0xf0e0a0u) << "picture's second square";
    EXPECT_EQ(Pixel(240, 62), kReleased) << "exit button over the picture";
    EXPECT_EQ(Pixel(250, 62), 0x404040u) << "exit button is cut at the picture's edge";

    Mouse(20, 55, 0);
    Mouse(20, 55, 1);
    EXPECT_EQ(Pixel(120, 52), kPushed) << "setup button shown pushed";
    EXPECT_TRUE(testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/Layout_pressed.png"));
    Mouse(21, 56, 0);
    EXPECT_EQ(Pixel(120, 52), kReleased);
    Mouse(240, 60, 1);
    Mouse(240, 60, 0);
    ASSERT_EQ(clicked.size(), 2u);
    EXPECT_STREQ(clicked[0], "setup");
    EXPECT_STREQ(clicked[1], "exit");
    EXPECT_TRUE(testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/Layout.png"));
}

TEST_F(Layout, DesktopIsTheRootWhateverRectangleIsWritten) {
    auto r = testsupport::LoadScriptFile(dir.Write("d.scr", "Desktop[5,6,7,8](640,480);"));
    ASSERT_NE(r.ctl, nullptr);
    EXPECT_EQ(r.ctl, pGUIControlRoot);
    EXPECT_EQ(r.ctl->pType, &sGUIDesktopType);
    EXPECT_EQ(r.ctl->pChildHost, r.ctl);
    EXPECT_EQ(r.ctl->iLeft, 0);
    EXPECT_EQ(r.ctl->iRight, 640);
    EXPECT_EQ(r.ctl->iTop, 0);
    EXPECT_EQ(r.ctl->iBottom, 480);

    GUIControl *second = GUIDesktopNew(20, 10);
    EXPECT_EQ(pGUIControlRoot, second);
    EXPECT_TRUE(second->bAllocated);
    testsupport::RemoveAndFree(r.ctl);
}

} // namespace
