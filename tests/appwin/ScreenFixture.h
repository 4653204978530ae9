// The main window driven directly, without a window: a small disc of three
// games in a temporary folder (its _data is the sample disc's), HOME,
// XDG_CONFIG_HOME and PATH pointed into the folder, the desktop services and
// the folder browser replaced by recorders, and the back buffer in memory.
#pragma once

#include <gtest/gtest.h>

#include "TestFiles.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "FolderBrowser.h"
#include "GUIButton.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIProgress.h"
#include "GUISkin.h"
#include "GameDiscDlg.h"
#include "MainScreen.h"
#include "PngDump.h"
#include "ScreenMetrics.h"
#include "SkinTestSupport.h"

namespace screentest {

// The middle of a rectangle given in the control's coordinates, in the window's.
inline std::pair<int32_t, int32_t> Middle(GUIControl *control, GUIRect rect) {
    GUIControlToRoot(control, &rect);
    return {(rect.iLeft + rect.iRight) / 2, (rect.iTop + rect.iBottom) / 2};
}

// A point inside that row of the game list, in the window's coordinates.
inline std::pair<int32_t, int32_t> GameRowPoint(int32_t row) {
    GUIControl *list = GUIControlGetByID(nullptr, "gamelist");
    const int32_t height = reinterpret_cast<GUIList *>(list)->iItemHeight;
    return Middle(list, {0, 80, row * height, (row + 1) * height});
}

namespace fs = std::filesystem;

using testsupport::ReadFile;
using testsupport::WriteFile;

class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(m_root / "home");
        MakeGames();
        fs::create_symlink(testsupport::SourcePath("disc/_data"), m_disc / "_data");
        g_szSearchText[0] = '\0';
        skintest::LoadSkinOnce();
        ScreenServices() = {[this](const std::string &text) { m_messages.push_back(text); },
                            [](const std::string &) { return true; }, [](int) {},
                            [this] {
                                m_busyMessages.push_back(Text("msg0") + BarState());
                                return true;
                            }};
        host::SetFolderBrowserFallback([](const std::string &title) {
            ADD_FAILURE() << "the folder browser was shown: " << title;
            return std::nullopt;
        });
    }

    void TearDown() override {
        m_pDialog.reset();
        FreeScreen();
        GfxAPIInit(nullptr, 0, 0);
        ResetScreenServices();
        host::SetFolderBrowserFallback({});
    }

    // Three games, listed as Alpha Game, Beta, Gamma. Alpha has two info lines,
    // three author lines and a program file.
    virtual void MakeGames() {
        WriteFile(m_disc / "Alpha/_name", "Alpha Game");
        WriteFile(m_disc / "Alpha/_details", "A goat in the garden.\r\nThe first game.");
        WriteFile(m_disc / "Alpha/_info", "Puzzle\r\nOne player\r\n");
        WriteFile(m_disc / "Alpha/_author", "Ann Author\r\nwww.alpha.example\r\nann@alpha.example");
        WriteFile(m_disc / "Alpha/Alpha.prc", "alpha program");
        WriteFile(m_disc / "Beta" / "_details", "Racing beetles in the garden.");
        WriteFile(m_disc / "Gamma" / "_details", "Another goat story.");
    }

    // Runs the start-up steps in the disc folder with that settings file, as
    // the program does; what it writes to stderr is kept in m_errors.
    void Start(const std::string &settings) {
        WriteFile(m_root / "config" / "quelmara.ini", settings);
        fs::current_path(m_disc);
        m_pDialog = std::make_unique<CGameDiscDlg>();
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        m_pDialog->OnInitDialog();
        m_errors = ::testing::internal::GetCapturedStderr();
        ::testing::internal::GetCapturedStdout();
    }
    void Start() { Start(m_hotsync.string() + "/"); }

    CGameDiscDlg &Dialog() { return *m_pDialog; }

    static GUIControl *Find(const char *id) { return GUIControlGetByID(nullptr, id); }
    static std::string Text(const char *id) {
        return reinterpret_cast<GUIEdit *>(Find(id))->szText;
    }
    // " [position/maximum]" of the progress bar beside the messages, if one is there.
    static std::string BarState() {
        for (GUIControl *c = Find("msg1")->pParent->pFirstChild; c; c = c->pNext) {
            const auto *bar = reinterpret_cast<GUIProgress *>(c);
            if (c->pType == &sGUIProgressType)
                return " [" + std::to_string(bar->iPos) + "/" + std::to_string(bar->iMax) + "]";
        }
        return "";
    }
    static int32_t Selected() { return reinterpret_cast<GUIList *>(Find("gamelist"))->iSelected; }
    static std::vector<std::string> Rows(GUIControl *list) {
        std::vector<std::string> rows;
        const int32_t count = reinterpret_cast<GUIList *>(list)->aszText.iCount;
        for (int32_t row = 0; row < count; ++row)
            rows.emplace_back(GUIListGet(list, row));
        return rows;
    }

    // A left click at a point of the screen, as the host delivers it.
    void Click(std::pair<int32_t, int32_t> point) {
        const auto [x, y] = point;
        m_pDialog->OnMouseMove(0, x, y);
        m_pDialog->OnLButtonDown(host::kMouseLeft, x, y);
        m_pDialog->OnLButtonUp(0, x, y);
    }
    void ClickGameRow(int32_t row) { Click(GameRowPoint(row)); }

    void ClickControl(const char *id) {
        GUIControl *control = Find(id);
        Click(Middle(control, {0, control->iWidth, 0, control->iHeight}));
    }

    void Type(const std::string &keys) {
        for (const char c : keys)
            m_pDialog->OnKeyDown(static_cast<uint32_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    }

    void SavePicture(const std::string &name) {
        testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/appwin_" + name + ".png");
    }

    testsupport::ScratchDir m_dir;
    const fs::path m_root = m_dir.Root();
    const fs::path m_disc = m_root / "disc";
    const fs::path m_hotsync = m_root / "hotsync";
    std::vector<std::string> m_messages;
    // msg0 each time a long install let the window repaint.
    std::vector<std::string> m_busyMessages;
    std::string m_errors;

  private:
    // The pictures the screen loaded (bitmaps, the six buttons' images) live
    // for the rest of the run in the program; tests release them with the tree.
    static void FreeScreen() {
        if (!pGUIControlRoot)
            return;
        skintest::FreeBitmapPictures(pGUIControlRoot);
        for (const char *id : {"exitb", "instb", "setupb", "snext", "sback", "snew"}) {
            auto *button = reinterpret_cast<GUIButton *>(Find(id));
            if (!button)
                continue;
            GfxAPIDeleteSurface(button->pPushedImage);
            GfxAPIDeleteSurface(button->pReleasedImage);
            button->pPushedImage = button->pReleasedImage = nullptr;
        }
        GUIControlDestroy(pGUIControlRoot);
    }

    std::unique_ptr<CGameDiscDlg> m_pDialog;
    testsupport::ScopedWorkingDirectory m_cwd;
    testsupport::ScopedEnvironment m_home{"HOME", (m_root / "home").string()};
    testsupport::ScopedEnvironment m_config{"XDG_CONFIG_HOME", (m_root / "config").string()};
    // No desktop chooser is found: the browser is the test's recorder.
    testsupport::ScopedEnvironment m_path{"PATH", (m_root / "bin").string()};
};

} // namespace screentest
