// The SDL window under a display (xvfb-run): client size, showing the back
// buffer, input reaching the dialog until Escape, and ticks going on while the
// folder chooser runs. Without a display only the plain failure is checked.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "FolderBrowser.h"
#include "GfxAPI.h"
#include "HostTestSupport.h"
#include "HostWindow.h"
#include "PlatformServices.h"
#include "PngDump.h"

namespace {

using hosttest::Call;
using namespace std::chrono_literals;

// Ends a dialog that waits for something that never comes.
constexpr int kTickLimit = 250;
constexpr int kTimedOut = -100;

uint32_t PatternAt(int32_t x, int32_t y) {
    return static_cast<uint32_t>((x & 0xff) << 16 | (y & 0xff) << 8 | ((x + y) & 0xff));
}

// What the window surface holds at (x, y), as 0x00RRGGBB.
uint32_t WindowPixel(const host::CHostWindow &window, int x, int y) {
    SDL_Surface *surface = SDL_GetWindowSurface(static_cast<SDL_Window *>(window.NativeHandle()));
    if (!surface || surface->format->BytesPerPixel != 4)
        return 0xffffffff;
    const auto *row =
        static_cast<const uint8_t *>(surface->pixels) + static_cast<size_t>(y) * surface->pitch;
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(reinterpret_cast<const Uint32 *>(row)[x], surface->format, &r, &g, &b);
    return static_cast<uint32_t>(r << 16 | g << 8 | b);
}

void PushKey(SDL_Keycode key, SDL_Scancode scancode, Uint32 windowId = 0) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.windowID = windowId;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = scancode;
    SDL_PushEvent(&event);
}

class HostWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (host::MissingDisplayMessage())
            GTEST_SKIP() << "no display; run under xvfb-run to test the window";
        // A bare X server resets when its last client leaves, and refuses
        // connections for a moment while it does: each test program is such a
        // client, so the next one may have to knock again.
        std::string error;
        for (int attempt = 0; attempt < 40 && !window.Open(error); ++attempt)
            std::this_thread::sleep_for(50ms);
        ASSERT_TRUE(window.NativeHandle()) << error;
    }
    void TearDown() override { GfxAPIInit(nullptr, 0, 0); }

    host::CHostWindow window;
};

TEST(HostWindowOpenTest, FailsPlainlyWithoutADisplay) {
    EXPECT_FALSE(host::MissingDisplayMessage(":0", nullptr));
    EXPECT_FALSE(host::MissingDisplayMessage(nullptr, "wayland-0"));
    EXPECT_TRUE(host::MissingDisplayMessage("", ""));
    hosttest::CScopedEnvironment display("DISPLAY", std::nullopt);
    hosttest::CScopedEnvironment wayland("WAYLAND_DISPLAY", std::nullopt);
    host::CHostWindow window;
    std::string error;
    EXPECT_FALSE(window.Open(error));
    EXPECT_TRUE(error.starts_with("quelmara: no display found")) << error;
    hosttest::CRecordingDialog dialog;
    EXPECT_EQ(window.DoModal(dialog), -1);
    EXPECT_TRUE(dialog.calls.empty());
}

// Opens its window the way the main window does and paints a pattern; queues
// a letter and Return while starting. Return opens the folder
// chooser, counting the ticks that arrive while it is open, then Escape ends.
// A tick that waits inside itself must not be re-entered.
class CWindowDialog : public hosttest::CRecordingDialog {
  public:
    host::ClientSize clientSize{};
    std::optional<std::string> chosen;
    int paints = 0, ticks = 0, ticksWhileChoosing = 0, depth = 0, deepest = 0;

    bool OnInitDialog() override {
        Host()->SetOuterSize(800, 620);
        clientSize = Host()->GetClientSize();
        GfxAPIInit(Host()->NativeHandle(), clientSize.width, clientSize.height);
        Host()->SetTimer(10ms);
        PushKey(SDLK_x, SDL_SCANCODE_X, WindowId());
        PushKey(SDLK_RETURN, SDL_SCANCODE_RETURN, WindowId());
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
        deepest = std::max(deepest, ++depth);
        if (++ticks == 1) {
            for (int i = 0; i < 10; ++i)
                Host()->WaitAndPumpEvents(10ms);
        } else if (ticks > kTickLimit) {
            EndDialog(kTimedOut);
        }
        --depth;
    }
    void OnSearchCommand() override {
        Record("search");
        const int before = ticks;
        chosen = host::BrowseForFolder("Select your Hotsync folder.");
        ticksWhileChoosing = ticks - before;
        PushKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, WindowId());
    }

  private:
    Uint32 WindowId() { return SDL_GetWindowID(static_cast<SDL_Window *>(Host()->NativeHandle())); }
};

TEST_F(HostWindowTest, ShowsTheBackBufferAndServesInputAndTicksUntilEscape) {
    const std::filesystem::path bin = testsupport::OutputDir() + "/host-bin";
    std::filesystem::create_directories(bin);
    std::ofstream(bin / "zenity") << "#!/bin/sh\n/bin/sleep 1\necho /home/me/hotsync\n";
    std::filesystem::permissions(bin / "zenity", std::filesystem::perms::owner_all);
    hosttest::CScopedEnvironment path("PATH", bin.string());
    CWindowDialog dialog;
    ASSERT_EQ(window.DoModal(dialog), host::kDialogCancel);
    std::vector<Call> input;
    std::copy_if(dialog.calls.begin(), dialog.calls.end(), std::back_inserter(input),
                 [](const Call &call) { return call.handler != "move"; });
    EXPECT_EQ(input, (std::vector<Call>{{"key", 88}, {"search"}, {"cancel"}}));
    EXPECT_EQ(dialog.chosen, "/home/me/hotsync");
    EXPECT_GE(dialog.ticksWhileChoosing, 3);
    EXPECT_EQ(dialog.deepest, 1);

    // A bare X server draws no decorations.
    EXPECT_EQ(dialog.clientSize.width, 800);
    EXPECT_EQ(dialog.clientSize.height, 620);
    ASSERT_GT(dialog.paints, 0);
    testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/host_window.png");
    for (const auto &[x, y] : {std::pair{0, 0}, {799, 0}, {0, 619}, {799, 619}, {313, 271}})
        EXPECT_EQ(WindowPixel(window, x, y), PatternAt(x, y)) << x << "," << y;
}

// Draws 100 rows, each handed over on its own, inside one key handler: none
// reaches the window until the handler waits, then one update shows them all;
// the rows drawn after it are shown when the dialog ends.
class CBatchingDialog : public hosttest::CRecordingDialog {
  public:
    uint64_t before = 0, whileDrawing = 0, afterNestedWait = 0;
    uint32_t shownAfterNestedWait = 0;

    bool OnInitDialog() override {
        GfxAPIInit(Host()->NativeHandle(), 800, 620);
        PushKey(SDLK_x, SDL_SCANCODE_X,
                SDL_GetWindowID(static_cast<SDL_Window *>(Host()->NativeHandle())));
        return true;
    }
    void OnKeyDown(uint32_t) override {
        before = Host()->PresentCount();
        DrawRows(0xff0000);
        whileDrawing = Host()->PresentCount();
        Host()->WaitAndPumpEvents(0ms);
        afterNestedWait = Host()->PresentCount();
        shownAfterNestedWait = WindowPixel(*Host(), 400, 99);
        DrawRows(0x00ff00);
        EndDialog(0);
    }

  private:
    static void DrawRows(uint32_t colour) {
        for (int32_t y = 0; y < 100; ++y) {
            std::fill_n(pGfxBackBuffer + y * iGfxWidth, iGfxWidth, colour);
            GUIRect row{0, iGfxWidth, y, y + 1};
            GfxAPIDisplay(&row);
        }
    }
};

TEST_F(HostWindowTest, ShowsEverythingDrawnInOnePassWithOneUpdateBeforeWaiting) {
    CBatchingDialog dialog;
    ASSERT_EQ(window.DoModal(dialog), 0);
    EXPECT_EQ(dialog.whileDrawing, dialog.before);
    EXPECT_EQ(dialog.afterNestedWait, dialog.before + 1);
    EXPECT_EQ(dialog.shownAfterNestedWait, 0xff0000u);
    EXPECT_EQ(window.PresentCount(), dialog.before + 2);
    EXPECT_EQ(WindowPixel(window, 799, 0), 0x00ff00u);
}

} // namespace
