#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <string>
#include <thread>

#include "FolderBrowser.h"
#include "GfxAPI.h"
#include "HostTestSupport.h"
#include "HostWindow.h"
#include "PlatformServices.h"
#include "PngDump.h"
#include "RecordingDialog.h"

namespace {

using hosttest::Call;
using namespace std::chrono_literals;

// Ends a dialog that waits for something that never comes.
constexpr int kTickLimit = 250;
constexpr int kTimedOut = -100;
constexpr int kOpenAttempts = 40;

bool HaveDisplay() {
    return !host::MissingDisplayMessage().has_value();
}

// A dialog that opens its window the way the main window does and ends once
// it has painted and seen a few ticks.
class CWindowDialog : public hosttest::CRecordingDialog {
  public:
    host::ClientSize clientSize{};
    int ticks = 0;
    int paints = 0;

    bool OnInitDialog() override {
        Host()->SetOuterSize(800, 620);
        clientSize = Host()->GetClientSize();
        GfxAPIInit(Host()->NativeHandle(), clientSize.width, clientSize.height);
        Host()->SetTimer(20ms);
        return true;
    }
    void OnPaint() override {
        ++paints;
        for (int32_t y = 0; y < iGfxHeight; ++y)
            for (int32_t x = 0; x < iGfxWidth; ++x)
                pGfxBackBuffer[y * iGfxWidth + x] = PatternAt(x, y);
        GUIRect all{0, iGfxWidth, 0, iGfxHeight};
        GfxAPIDisplay(&all);
    }
    void OnWindowTimer() override {
        ++ticks;
        if (paints > 0 && ticks >= 3)
            EndDialog(7);
        else if (ticks > kTickLimit)
            EndDialog(kTimedOut);
    }

    static uint32_t PatternAt(int32_t x, int32_t y) {
        return static_cast<uint32_t>((x & 0xff) << 16 | (y & 0xff) << 8 | ((x + y) & 0xff));
    }
};

// What the window surface holds at (x, y), as 0x00RRGGBB.
uint32_t WindowPixel(const host::CHostWindow &window, int x, int y) {
    SDL_Surface *surface = SDL_GetWindowSurface(static_cast<SDL_Window *>(window.NativeHandle()));
    if (!surface || surface->format->BytesPerPixel != 4)
        return 0xffffffff;
    const auto *row =
        static_cast<const uint8_t *>(surface->pixels) + static_cast<size_t>(y) * surface->pitch;
    Uint8 r = 0;
    Uint8 g = 0;
    Uint8 b = 0;
    SDL_GetRGB(reinterpret_cast<const Uint32 *>(row)[x], surface->format, &r, &g, &b);
    return static_cast<uint32_t>(r << 16 | g << 8 | b);
}

class HostWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!HaveDisplay())
            GTEST_SKIP() << "no display; run under xvfb-run to test the window";
        // A bare X server resets when its last client leaves, and refuses
        // connections for a moment while it does: each test program is such a
        // client, so the next one may have to knock again.
        std::string error;
        for (int attempt = 0; attempt < kOpenAttempts && !window.Open(error); ++attempt)
            std::this_thread::sleep_for(50ms);
        ASSERT_TRUE(window.NativeHandle()) << error;
    }
    void TearDown() override { GfxAPIInit(nullptr, 0, 0); }

    host::CHostWindow window;
};

TEST(HostWindowOpenTest, FailsPlainlyWithoutADisplay) {
    hosttest::CScopedEnvironment display("DISPLAY", std::nullopt);
    hosttest::CScopedEnvironment wayland("WAYLAND_DISPLAY", std::nullopt);
    host::CHostWindow window;
    std::string error;
    EXPECT_FALSE(window.Open(error));
    EXPECT_EQ(error.rfind("quelmara: no display found", 0), 0u) << error;
    hosttest::CRecordingDialog dialog;
    EXPECT_EQ(window.DoModal(dialog), -1);
    EXPECT_TRUE(dialog.calls.empty());
}

TEST_F(HostWindowTest, ClientAreaIsTheOuterSizeAndShowsTheBackBuffer) {
    CWindowDialog dialog;
    ASSERT_EQ(window.DoModal(dialog), 7);
    // A bare X server draws no decorations.
    EXPECT_EQ(dialog.clientSize.width, 800);
    EXPECT_EQ(dialog.clientSize.height, 620);
    EXPECT_EQ(iGfxWidth, 800);
    EXPECT_EQ(iGfxHeight, 620);
    testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/host_window.png");
    for (const auto &[x, y] : {std::pair{0, 0}, {799, 0}, {0, 619}, {799, 619}, {313, 271}})
        EXPECT_EQ(WindowPixel(window, x, y), CWindowDialog::PatternAt(x, y)) << x << "," << y;
}

TEST_F(HostWindowTest, DisplayCopiesOnlyTheGivenRectangle) {
    CWindowDialog dialog;
    ASSERT_EQ(window.DoModal(dialog), 7);
    std::fill(pGfxBackBuffer, pGfxBackBuffer + iGfxWidth * iGfxHeight, 0x00ff00u);
    // Reaches past the right and bottom edges: it is cut there.
    GUIRect rect{700, 900, 600, 700};
    GfxAPIDisplay(&rect);
    EXPECT_EQ(WindowPixel(window, 700, 600), 0x00ff00u);
    EXPECT_EQ(WindowPixel(window, 799, 619), 0x00ff00u);
    EXPECT_EQ(WindowPixel(window, 699, 600), CWindowDialog::PatternAt(699, 600));
    EXPECT_EQ(WindowPixel(window, 700, 599), CWindowDialog::PatternAt(700, 599));
}

// Queues its input while starting; everything after Escape is left unread.
class CInputDialog : public hosttest::CRecordingDialog {
  public:
    host::CHostWindow *activeDuringRun = nullptr;

    bool OnInitDialog() override {
        activeDuringRun = host::CHostWindow::Active();
        const Uint32 windowId = SDL_GetWindowID(static_cast<SDL_Window *>(Host()->NativeHandle()));
        PushButton(windowId, SDL_BUTTON_LEFT, true, 40, 50);
        PushButton(windowId, SDL_BUTTON_LEFT, false, 41, 51);
        PushMotion(windowId, SDL_BUTTON_RMASK, 42, 52);
        PushKey(windowId, SDLK_x, SDL_SCANCODE_X);
        PushKey(windowId, SDLK_RETURN, SDL_SCANCODE_RETURN);
        PushKey(windowId, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE);
        PushKey(windowId, SDLK_y, SDL_SCANCODE_Y);
        return true;
    }
    void OnPaint() override {}
    void OnWindowTimer() override {}

  private:
    static void PushButton(Uint32 windowId, Uint8 button, bool pressed, Sint32 x, Sint32 y) {
        SDL_Event event{};
        event.type = pressed ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.windowID = windowId;
        event.button.button = button;
        event.button.state = pressed ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }
    static void PushMotion(Uint32 windowId, Uint32 state, Sint32 x, Sint32 y) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.windowID = windowId;
        event.motion.state = state;
        event.motion.x = x;
        event.motion.y = y;
        SDL_PushEvent(&event);
    }
    static void PushKey(Uint32 windowId, SDL_Keycode key, SDL_Scancode scancode) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.windowID = windowId;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = key;
        event.key.keysym.scancode = scancode;
        SDL_PushEvent(&event);
    }
};

TEST_F(HostWindowTest, InputReachesTheHandlersUntilEscapeEndsTheDialog) {
    CInputDialog dialog;
    EXPECT_EQ(window.DoModal(dialog), host::kDialogCancel);
    EXPECT_EQ(dialog.activeDuringRun, &window);
    EXPECT_EQ(host::CHostWindow::Active(), nullptr);
    EXPECT_EQ(dialog.Host(), nullptr);
    std::vector<Call> input;
    std::copy_if(dialog.calls.begin(), dialog.calls.end(), std::back_inserter(input),
                 [](const Call &call) { return call.handler != "move" || call.x == 42; });
    const std::vector<Call> expected{{"ldown", 0x01, 40, 50},
                                     {"lup", 0, 41, 51},
                                     {"move", 0x02, 42, 52},
                                     {"key", 88},
                                     {"search"},
                                     {"cancel"}};
    EXPECT_EQ(input, expected);
}

TEST_F(HostWindowTest, EndingDuringStartUpNeverShowsTheWindow) {
    class CQuickDialog : public hosttest::CRecordingDialog {
        bool OnInitDialog() override {
            EndDialog(5);
            return true;
        }
    } dialog;
    EXPECT_EQ(window.DoModal(dialog), 5);
    const Uint32 flags = SDL_GetWindowFlags(static_cast<SDL_Window *>(window.NativeHandle()));
    EXPECT_TRUE(flags & SDL_WINDOW_HIDDEN);
}

// Starts the folder chooser from the default command and counts the ticks
// that arrive while it is open.
class CChooserDialog : public hosttest::CRecordingDialog {
  public:
    std::optional<std::string> chosen;
    int ticks = 0;
    int ticksWhileChoosing = 0;

    bool OnInitDialog() override {
        Host()->SetTimer(20ms);
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = SDLK_RETURN;
        event.key.keysym.scancode = SDL_SCANCODE_RETURN;
        SDL_PushEvent(&event);
        return true;
    }
    void OnPaint() override {}
    void OnWindowTimer() override {
        if (++ticks > kTickLimit)
            EndDialog(kTimedOut);
    }
    void OnSearchCommand() override {
        const int before = ticks;
        chosen = host::BrowseForFolder("Select your Hotsync folder.");
        ticksWhileChoosing = ticks - before;
        EndDialog(1);
    }
};

TEST_F(HostWindowTest, TicksGoOnWhileTheFolderChooserIsOpen) {
    hosttest::CTemporaryFolder bin;
    bin.AddFile("zenity", "#!/bin/sh\n/bin/sleep 0.3\necho /home/me/hotsync\n", true);
    hosttest::CScopedEnvironment path("PATH", bin.Path().string());
    CChooserDialog dialog;
    ASSERT_EQ(window.DoModal(dialog), 1);
    EXPECT_EQ(dialog.chosen, "/home/me/hotsync");
    EXPECT_GE(dialog.ticksWhileChoosing, 3);
}

// Waits inside its first tick; the ticks due meanwhile must not re-enter it.
class CNestedTickDialog : public hosttest::CRecordingDialog {
  public:
    int depth = 0;
    int deepest = 0;
    int ticks = 0;

    bool OnInitDialog() override {
        Host()->SetTimer(10ms);
        return true;
    }
    void OnPaint() override {}
    void OnWindowTimer() override {
        ++depth;
        deepest = std::max(deepest, depth);
        if (++ticks == 1) {
            for (int i = 0; i < 10; ++i)
                Host()->WaitAndPumpEvents(10ms);
        } else if (ticks == 3) {
            EndDialog(3);
        }
        --depth;
    }
};

TEST_F(HostWindowTest, ATickIsNotDeliveredInsideAnother) {
    CNestedTickDialog dialog;
    ASSERT_EQ(window.DoModal(dialog), 3);
    EXPECT_EQ(dialog.deepest, 1);
}

} // namespace
