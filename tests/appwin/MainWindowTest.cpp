// The main window in a real host window: the start-up under the host, input
// arriving as SDL events, and Escape ending the dialog.
#include "ScreenFixture.h"

#include <SDL.h>

#include <chrono>
#include <thread>

#include "HostWindow.h"
#include "PlatformServices.h"

using namespace screentest;
using namespace std::chrono_literals;

namespace {

// A bare X server resets when its last client leaves and refuses connections
// for a moment while it does: a test program may have to knock again.
constexpr int kOpenAttempts = 40;

class MainWindowTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        if (host::MissingDisplayMessage())
            GTEST_SKIP() << "no display; run under xvfb-run to test the window";
        std::string error;
        for (int attempt = 0; attempt < kOpenAttempts && !m_window.Open(error); ++attempt)
            std::this_thread::sleep_for(50ms);
        ASSERT_TRUE(m_window.NativeHandle()) << error;
    }

    void PushButton(bool pressed, int32_t x, int32_t y) {
        SDL_Event event{};
        event.type = pressed ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = pressed ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }

    void PushKey(SDL_Keycode key, SDL_Scancode scancode) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = key;
        event.key.keysym.scancode = scancode;
        SDL_PushEvent(&event);
    }

    host::CHostWindow m_window;
};

TEST_F(MainWindowTest, RunsUnderTheHostUntilEscape) {
    WriteSettings(m_hotsync.string() + "/");
    CGameDiscDlg &dialog = NewDialog();
    const int32_t rowY = kGameListTop + 2 * kRowHeight + 4;
    PushButton(true, kGameListLeft + 20, rowY);
    PushButton(false, kGameListLeft + 20, rowY);
    PushKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE);
    PushKey(SDLK_DOWN, SDL_SCANCODE_DOWN);
    testing::internal::CaptureStdout();
    const int result = m_window.DoModal(dialog);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(result, host::kDialogCancel);
    EXPECT_TRUE(dialog.IsScreenReady());
    // A bare X server draws no decorations: the client area is the whole window.
    EXPECT_EQ(iGfxWidth, kMainWindowWidth);
    EXPECT_EQ(iGfxHeight, kMainWindowHeight);
    // The click was handled; the key after Escape was not.
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(Text("name"), "Gamma");
    SavePicture("window");
}

} // namespace
