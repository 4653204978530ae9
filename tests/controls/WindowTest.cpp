// The window: its client placement, move and resize gestures, closing by its
// close button, and its keys.
#include <cstring>
#include <utility>

#include "ControlTestSupport.h"
#include "GUIButton.h"
#include "GUIWindow.h"

using testsupport::rectOf;

namespace {

// A 200 x 150 window at (50, 40) holding a client control.
class Window : public testsupport::RootTest {
  protected:
    void SetUp() override {
        RootTest::SetUp();
        pGUIWindowSkinInit = [](GUIControl *ctl) { // the skin's frame sizes, not its pictures
            reinterpret_cast<GUIWindow *>(ctl)->iBorder = 4;
            reinterpret_cast<GUIWindow *>(ctl)->iTitleHeight = 20;
        };
        GUIRect rect{50, 250, 40, 190};
        window = GUIWindowNew(&root, &rect, "A title thirty bytes long: caf\xc3\xa9 au lait");
        GUIRect clientRect{0, 10, 0, 10};
        GUIControlInit(&client, window, &clientRect);
    }
    GUIWindow *State() { return reinterpret_cast<GUIWindow *>(window); }
    // Pointer position in window coordinates.
    void pressAt(int32_t x, int32_t y) { press(window->iLeft + x, window->iTop + y); }
    void releaseAt(int32_t x, int32_t y) { release(window->iLeft + x, window->iTop + y); }

    GUIControl *window = nullptr;
    GUIControl client{};
};

// The first child fills the client area and follows resizes.
TEST_F(Window, TitleBarMovesAndCornerResizesWithTheClient) {
    EXPECT_EQ(rectOf(client), (GUIRect{4, 196, 24, 146}));
    EXPECT_STREQ(State()->szTitle, "A title thirty bytes long: caf") << "not half a character";
    pressAt(2, 10); // border, left of the title bar
    EXPECT_FALSE(State()->bMoving || State()->bResizing);
    pressAt(50, 10);
    EXPECT_TRUE(State()->bMoving);
    dragTo(50 + 60, 40 + 15);
    EXPECT_EQ(rectOf(*window), (GUIRect{60, 260, 45, 195}));
    releaseAt(50, 10);
    EXPECT_FALSE(State()->bMoving);
    pressAt(198, 148);
    EXPECT_TRUE(State()->bResizing);
    dragTo(60 + 208, 45 + 150); // beyond the window's edge
    EXPECT_EQ(rectOf(*window), (GUIRect{60, 270, 45, 197}));
    EXPECT_EQ(rectOf(client), (GUIRect{4, 206, 24, 148}));
    EXPECT_EQ(std::pair(State()->iDragX, State()->iDragY), std::pair(208, 150));
    releaseAt(208, 150);
    EXPECT_FALSE(State()->bResizing);
}

TEST_F(Window, CloseButtonClosesAtTheNextUpdateAndAnUnnamedButtonDoesNot) {
    GUIRect rect{100, 160, 100, 128};
    GUIControl *button = GUIButtonNew(window, &rect, "Close");
    pressAt(110, 110);
    releaseAt(110, 110);
    GUIControlUpdate();
    ASSERT_EQ(root.pFirstChild, window) << "closed by a button without identifier";
    button->pszID =
        std::strcpy(static_cast<char *>(__dalloc(15, "test", __LINE__)), "__window_close");
    pressAt(110, 110);
    releaseAt(110, 110);
    EXPECT_EQ(root.pFirstChild, window) << "still there until the update";
    GUIControlUpdate();
    EXPECT_EQ(root.pFirstChild, nullptr);
}

TEST_F(Window, UpperCaseKeysCloseRaiseLowerAndLoadAblak) {
    GUIRect rect{0, 10, 0, 10};
    GUIControl other{};
    GUIControlInit(&other, &root, &rect);
    EXPECT_FALSE(GUIControlShareKey(&root, 'q', 0));
    EXPECT_TRUE(window->Key(window, GUI_WINDOW_KEY_RAISE, 0));
    EXPECT_EQ(other.pNext, window);
    EXPECT_TRUE(window->Key(window, GUI_WINDOW_KEY_LOWER, 0));
    EXPECT_EQ(root.pFirstChild, window);
    {
        testsupport::ScopedWorkingDirectory disc(testsupport::SourcePath("disc"));
        ::testing::internal::CaptureStdout();
        EXPECT_TRUE(window->Key(window, GUI_WINDOW_KEY_LOAD, 0));
        ::testing::internal::GetCapturedStdout();
    }
    GUIControl *about = GUIControlGetByID(&root, "about");
    ASSERT_NE(about, nullptr) << "ablak loaded into the root";
    EXPECT_EQ(about->pParent, &root);
    EXPECT_TRUE(window->Key(window, GUI_WINDOW_KEY_CLOSE, 0));
    EXPECT_TRUE(window->bRemoveLater);
    GUIControlRemove(&other);
}

} // namespace
