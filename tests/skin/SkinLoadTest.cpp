// The skin loader: what it prints, what it loads, and that missing files leave
// empty surfaces instead of a crash.
#include "GUIButton.h"
#include "SkinTestSupport.h"

namespace {

TEST(SkinLoad, PrintsTheNineLinesAndLoadsTheWindowTextureTwiceAsTwoSurfaces) {
    EXPECT_EQ(skintest::LoadSkinOnce(), "Loading bitmaps:\n button\n check\n combo\n progress\n"
                                        " cheader\n edit\n window\n scrollbar\n");
    ASSERT_TRUE(windowtexture_list && windowtexture_window);
    EXPECT_NE(windowtexture_list->pPixels, windowtexture_window->pPixels);
    EXPECT_EQ(windowtexture_list->iBmpWidth, windowtexture_window->iBmpWidth);
}

// Run in a child process, which leaves the surfaces it could not load null and
// ends without tearing anything down; a button still draws without them.
void LoadInFolderWithoutData(const std::string &folder) {
    std::filesystem::current_path(folder);
    GUISkinLoad();
    if (button_off || savkeretkozep)
        std::_Exit(1);
    GfxAPIInit(nullptr, 200, 60);
    GUIControl *button = GUIButtonNew(nullptr, skintest::At(10, 10, 0, 0), "caption");
    GUIControlRedrawThis(button);
    std::_Exit(button->iWidth == GUI_SKIN_BUTTON_WIDTH ? 0 : 3);
}

TEST(SkinLoadDeathTest, MissingFilesAreNamedAndLeaveNullSurfaces) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    testsupport::ScratchDir empty;
    EXPECT_EXIT(LoadInFolderWithoutData(empty.Path("")), ::testing::ExitedWithCode(0),
                "_data/button_on.bmp.*_data/savkeretkozep.bmp");
}

} // namespace
