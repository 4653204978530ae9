// The SDL window under a display (xvfb-run): client size, showing the back
// buffer, ticks going on while the folder chooser runs, and one window update
// per pass of the event loop. (Keys through a real window are driven by the
// e2e tests.)
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "FolderBrowser.h"
#include "GfxAPI.h"
#include "HostTestSupport.h"
#include "HostWindow.h"
#include "PngDump.h"
#include "TestFiles.h"

namespace {

using namespace std::chrono_literals;

uint32_t PatternAt(int32_t x, int32_t y) {
    return static_cast<uint32_t>((x & 0xff) << 16 | (y & 0xff) << 8 | ((x + y) & 0xff));
}

// What the window surface holds at (x, y), as 0x00RRGGBB.
uint32_t WindowPixel(const host::CHostWindow &window, int x, int y) {
    SDL_Surface *surface = SDL_GetWindowSurface(static_cast<SDL_Window *>(window.NativeHandle()));
    if (!surface || surface->format->BytesPerPixel != 4)
        return 0xffffffff;
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(static_cast<const Uint32 *>(surface->pixels)[y * surface->pitch / 4 + x],
               surface->format, &r, &g, &b);
    return static_cast<uint32_t>(r << 16 | g << 8 | b);
}

// The program's own start-up without a display is driven end to end.
TEST(MissingDisplayTest, OnlyWhenNeitherDisplayIsSet) {
    EXPECT_FALSE(host::MissingDisplayMessage(":0", nullptr));
    EXPECT_FALSE(host::MissingDisplayMessage(nullptr, "wayland-0"));
    EXPECT_TRUE(host::MissingDisplayMessage("", ""));
}

// A dialog whose handlers each test fills in: every paint shows a pattern
// first, and a dialog that waits for something that never comes stops after
// many ticks.
class CScriptedDialog : public hosttest::CRecordingDialog {
  public:
    std::function<void()> onPaint, onTick;
    int ticks = 0;

    bool OnInitDialog() override {
        GfxAPIInit(Host()->NativeHandle(), 800, 620);
        return true;
    }
    void OnPaint() override {
        for (int32_t y = 0; y < iGfxHeight; ++y)
            for (int32_t x = 0; x < iGfxWidth; ++x)
                pGfxBackBuffer[y * iGfxWidth + x] = PatternAt(x, y);
        GUIRect all{0, iGfxWidth, 0, iGfxHeight};
        GfxAPIDisplay(&all);
        if (onPaint)
            onPaint();
    }
    void OnWindowTimer() override {
        if (++ticks > 250)
            EndDialog(-100);
        else if (onTick)
            onTick();
    }
};

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
    CScriptedDialog dialog;
};

// Ticks go on while the folder chooser runs; the first of them waits inside
// itself, and no tick is entered again while it does.
TEST_F(HostWindowTest, TicksGoOnWhileTheFolderChooserRunsButNeverNest) {
    const testsupport::ScratchDir bin;
    const std::string zenity =
        bin.Write("zenity", "#!/bin/sh\n/bin/sleep 1\necho /home/me/hotsync\n");
    std::filesystem::permissions(zenity, std::filesystem::perms::owner_all);
    testsupport::ScopedEnvironment path("PATH", bin.Root().string());
    std::optional<std::string> chosen;
    int ticksWhileChoosing = 0, depth = 0, deepest = 0;
    bool choosing = false, waited = false;
    window.SetTimer(10ms);
    dialog.onTick = [&] {
        deepest = std::max(deepest, ++depth);
        for (int i = 0; choosing && !waited && i < 10; ++i)
            window.WaitAndPumpEvents(10ms);
        waited = waited || choosing;
        --depth;
    };
    dialog.onPaint = [&] {
        const int before = dialog.ticks;
        choosing = true;
        chosen = host::BrowseForFolder("Select your Hotsync folder.");
        ticksWhileChoosing = dialog.ticks - before;
        dialog.EndDialog(0);
    };
    ASSERT_EQ(window.DoModal(dialog), 0);
    EXPECT_EQ(chosen, "/home/me/hotsync");
    EXPECT_GE(ticksWhileChoosing, 3);
    EXPECT_EQ(deepest, 1);
}

// Draws 100 rows, each handed over on its own.
void DrawRows(uint32_t colour) {
    for (int32_t y = 0; y < 100; ++y) {
        std::fill_n(pGfxBackBuffer + y * iGfxWidth, iGfxWidth, colour);
        GUIRect row{0, iGfxWidth, y, y + 1};
        GfxAPIDisplay(&row);
    }
}

// The outer size set is the client size under a bare server. The pattern and
// the rows drawn inside one handler reach the window only when the handler
// waits, then with one update; the rows drawn after it are shown when the
// dialog ends.
TEST_F(HostWindowTest, PaintsReachTheWindowWithOneUpdatePerPassOfTheLoop) {
    window.SetOuterSize(800, 620);
    EXPECT_EQ(window.GetClientSize().width, 800);
    EXPECT_EQ(window.GetClientSize().height, 620);
    uint64_t before = 0, whileDrawing = 0, afterNestedWait = 0;
    uint32_t shownAfterNestedWait = 0;
    dialog.onPaint = [&] {
        before = window.PresentCount();
        DrawRows(0xff0000);
        whileDrawing = window.PresentCount();
        window.WaitAndPumpEvents(0ms);
        afterNestedWait = window.PresentCount();
        shownAfterNestedWait = WindowPixel(window, 400, 99);
        DrawRows(0x00ff00);
        dialog.EndDialog(0);
    };
    ASSERT_EQ(window.DoModal(dialog), 0);
    EXPECT_EQ(whileDrawing, before);
    EXPECT_EQ(afterNestedWait, before + 1);
    EXPECT_EQ(shownAfterNestedWait, 0xff0000u);
    EXPECT_EQ(window.PresentCount(), before + 2);
    EXPECT_EQ(WindowPixel(window, 799, 0), 0x00ff00u);
    testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/host_window.png");
    for (const auto &[x, y] : {std::pair{0, 100}, {799, 100}, {0, 619}, {799, 619}, {313, 271}})
        EXPECT_EQ(WindowPixel(window, x, y), PatternAt(x, y)) << x << "," << y;
}

} // namespace
