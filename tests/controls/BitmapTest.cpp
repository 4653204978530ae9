// The picture control: its size from the file, and a replaced picture tiling.
#include <gtest/gtest.h>

#include <vector>

#include "BmpFile.h"
#include "ControlTestSupport.h"
#include "GUIBitmap.h"
#include "PngDump.h"

using testsupport::Pixel;

namespace {

std::vector<GfxSurface *> loaded;

// What the skin's bitmap initialiser does: load szFile and take its size.
void LoadPicture(GUIControl *ctl) {
    GfxSurface *surface = GfxAPILoadNewSurface(reinterpret_cast<GUIBitmap *>(ctl)->szFile, nullptr);
    ASSERT_NE(surface, nullptr);
    loaded.push_back(surface);
    ctl->pBackground = surface;
    GUIControlSetSize(ctl, surface->iBmpWidth, surface->iBmpHeight);
}

uint32_t FileColour(int32_t x, int32_t y) {
    return 0x100000u * (x + 1) + 0x10u * (y + 1);
}

class Bitmap : public testsupport::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        pGUIBitmapSkinInit = LoadPicture;
        picture = dir.Write("pic.bmp", testsupport::Bmp24(7, 3, FileColour));
    }
    void TearDown() override {
        if (HasFailure())
            testsupport::WriteBackBufferPng(
                testsupport::OutputDir() + "/Bitmap_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".png");
        ToolkitTest::TearDown();
        for (GfxSurface *s : loaded)
            GfxAPIDeleteSurface(s);
        loaded.clear();
    }
    GUIControl *LoadBitmapInDesktop() {
        auto r = testsupport::LoadScriptFile(dir.Write(
            "layout.scr", "Desktop(100,80){ Bitmap[5,6,10,10](\"" + picture + "\") \"pic\"; };"));
        EXPECT_NE(r.ctl, nullptr) << r.out;
        return GUIControlGetByID(nullptr, "pic");
    }
    testsupport::ScratchDir dir;
    std::string picture;
};

TEST_F(Bitmap, TakesTheSizeOfItsFileAndShowsIt) {
    GUIControl *pic = LoadBitmapInDesktop();
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->pType, &sGUIBitmapType);
    EXPECT_EQ(pic->pChildHost, pic);
    EXPECT_EQ(pic->iWidth, 7);
    EXPECT_EQ(pic->iHeight, 3);
    EXPECT_EQ(pic->iRight, 12);
    EXPECT_EQ(pic->iBottom, 9);
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 7; ++x)
            ASSERT_EQ(Pixel(5 + x, 6 + y), FileColour(x, y)) << x << "," << y;
    EXPECT_EQ(Pixel(12, 6), 0u);
    EXPECT_EQ(Pixel(5, 9), 0u);
}

TEST_F(Bitmap, ReplacedSmallerPictureTilesOverTheUnchangedArea) {
    GUIControl *pic = LoadBitmapInDesktop();
    ASSERT_NE(pic, nullptr);
    uint32_t small[] = {0xff0000, 0x00ff00, 0x0000ff, 0xffff00, 0x00ffff, 0xff00ff};
    GfxSurface replacement{small, 3, 2, nullptr, 0, 0};
    pic->pBackground = &replacement;
    GUIControlRedrawThis(pic);
    EXPECT_EQ(pic->iWidth, 7);
    EXPECT_EQ(pic->iHeight, 3);
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 7; ++x)
            ASSERT_EQ(Pixel(5 + x, 6 + y), small[(y % 2) * 3 + x % 3]) << x << "," << y;
    EXPECT_EQ(Pixel(12, 8), 0u);
}

} // namespace
