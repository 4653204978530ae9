// What the main screen does with clicks and keys: starting, showing a game,
// the three searches, and the way the window's mouse and key messages reach
// the toolkit.
#include "ScreenFixture.h"

#include "VirtualKeys.h"

#include <SDL.h>

#include "HostWindow.h"
#include "ToolkitPanel.h"

using namespace screentest;

namespace {

TEST_F(ScreenTest, StartsWithTheSettingsFileAndAClickedGameShowsItsTexts) {
    Start("/media/palm/hotsync/\r\n");
    ASSERT_TRUE(Dialog().IsScreenReady());
    // The file's text exactly, line end included.
    EXPECT_EQ(Text("sfolder"), "/media/palm/hotsync/\r\n");
    EXPECT_EQ(Rows(Find("gamelist")), (std::vector<std::string>{"Alpha Game", "Beta", "Gamma"}));
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(Text("name"), "Choose a game from the list");
    SavePicture("start");

    ClickGameRow(0);
    EXPECT_EQ(Selected(), 0);
    const char *const ids[] = {"name",  "info0", "info1", "info2", "info3",
                               "info4", "au0",   "au1",   "au2"};
    const char *const shown[] = {
        "Alpha Game",        "Puzzle",           "One player", "", "", "", "Ann Author",
        "www.alpha.example", "ann@alpha.example"};
    for (size_t i = 0; i < std::size(ids); ++i)
        EXPECT_EQ(Text(ids[i]), shown[i]) << ids[i];
    // Narrower than the list: the two lines become one row, the line end a blank.
    EXPECT_EQ(Rows(Find("details")),
              std::vector<std::string>{"A goat in the garden. The first game."});
    SavePicture("game_shown");

    // A game with no texts but its description empties what the first one showed.
    ClickGameRow(1);
    for (const char *id : ids)
        EXPECT_EQ(Text(id), id == ids[0] ? "Beta" : "") << id;

    // A text line longer than its edit is cut, and the position moves on; with
    // no edit of that name only the position moves on.
    const std::string longLine = std::string(400, 'L') + "\nnext";
    EXPECT_STREQ(ShowTextLine("info3", longLine.c_str()), "next");
    EXPECT_EQ(Text("info3"), std::string(GUI_EDIT_TEXT_SIZE - 1, 'L'));
    EXPECT_STREQ(ShowTextLine("nowhere", "a\n\rb"), "b");
}

// The game list and the description are filled with drawing held back and
// painted once; the picture is the one that painting every row gives.
TEST_F(ScreenTest, FillingWithDrawingHeldPaintsWhatRowByRowPaintingDid) {
    std::string description;
    for (int i = 0; i < 40; ++i)
        description +=
            "A rather long description of the delta game, line " + std::to_string(i) + ". ";
    WriteFile(m_disc / "Delta" / "_details", description);
    Start();
    const auto picture = [] {
        return std::vector<uint32_t>(pGfxBackBuffer, pGfxBackBuffer + iGfxWidth * iGfxHeight);
    };
    const std::vector<uint32_t> started = picture();
    GUIControl *games = Find("gamelist");
    GUIListClear(games);
    for (CCatalogEntry *entry = Dialog().m_pCatalog->m_pRoot->GetFirstChild(); entry;
         entry = entry->GetNext())
        GUIListSetData(games, reinterpret_cast<uintptr_t>(entry),
                       GUIListAdd(games, entry->GetName()));
    EXPECT_TRUE(picture() == started);

    ClickGameRow(2);
    const std::vector<uint32_t> shown = picture();
    GUIControl *details = Find("details");
    GUIListClear(details);
    WordWrapIntoList(details, description.c_str());
    EXPECT_GT(Rows(details).size(), 10u);
    EXPECT_TRUE(picture() == shown);
    SavePicture("long_description");
}

// A search from the first game (Return or the new-search button) reads the
// field; next and back go on from the selection, and a miss keeps it.
TEST_F(ScreenTest, SearchesFromTheFirstGameThenForwardAndBack) {
    Start();
    ClickGameRow(1);
    ClickControl("stext");
    Type("UNICORN");
    EXPECT_EQ(Text("stext"), "unicorn_");
    Dialog().OnSearchCommand();
    EXPECT_EQ(m_messages, std::vector<std::string>{"No matches found."});
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(Text("name"), "Beta");

    const auto clearField = [this] {
        ClickControl("stext");
        for (int i = 0; i < 7; ++i)
            Dialog().OnKeyDown(host::vk::kBack);
    };
    clearField();
    Type("goat");
    ClickControl("snew");
    EXPECT_STREQ(g_szSearchText, "goat");
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(Text("name"), "Alpha Game");
    ClickControl("stext");
    Type("zzz");
    ClickControl("snext");
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(Text("name"), "Gamma");
    ClickControl("snext");
    EXPECT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(Selected(), 2);
    ClickControl("sback");
    EXPECT_EQ(Selected(), 0);

    // An empty text matches every game.
    clearField();
    Dialog().OnSearchCommand();
    EXPECT_STREQ(g_szSearchText, "");
    EXPECT_EQ(Selected(), 0);
    ClickControl("snext");
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(m_messages.size(), 2u);
}

// The buttons and changed bits a control's Mouse receives.
std::vector<std::pair<int, int>> reports;

void RecordMouse(GUIControl *, int32_t, int32_t, uint8_t buttons, uint8_t changed, uint8_t inside) {
    if (inside)
        reports.push_back({buttons, changed});
}

TEST_F(ScreenTest, TheToolkitSeesWhichButtonsChangedAndLoweredKeys) {
    Start();
    reports.clear();
    Find("ss")->Mouse = RecordMouse;
    const auto [x, y] = Middle(Find("ss"), {0, 10, 0, 10});
    Dialog().OnMouseMove(0, x, y);
    Dialog().OnLButtonDown(host::kMouseLeft, x, y);
    Dialog().OnMouseMove(host::kMouseLeft | host::kMouseShift, x, y);
    Dialog().OnLButtonUp(host::kMouseShift, x, y);
    Dialog().OnRButtonDown(host::kMouseRight, x, y);
    Dialog().OnRButtonUp(0, x, y);
    EXPECT_EQ(reports,
              (std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {5, 4}, {4, 1}, {2, 6}, {0, 2}}));
    EXPECT_EQ(Dialog().m_nLastMouseFlags, 0);

    // Of the keys, Shift is dropped and letters lowered.
    EXPECT_EQ(TranslateKey(host::vk::kShift), std::nullopt);
    EXPECT_EQ(TranslateKey('A'), 'a');
    EXPECT_EQ(TranslateKey('Z'), 'z');
    EXPECT_EQ(TranslateKey('@'), '@');
    EXPECT_EQ(TranslateKey('['), '[');
    EXPECT_EQ(TranslateKey(host::vk::kDown), host::vk::kDown);
}

// In the real window, a tick to settle, then the mouse goes down and up on the
// second game's row in passes of the event loop of their own; the dialog ends
// with the number of window updates from the press to the tick after release.
class CClickingDialog : public CGameDiscDlg {
  public:
    void OnWindowTimer() override {
        CGameDiscDlg::OnWindowTimer();
        const uint64_t nPresents = host::CHostWindow::Active()->PresentCount();
        m_nBefore = ++m_iTicks == 2 ? nPresents : m_nBefore;
        if (m_iTicks == 4)
            EndDialog(static_cast<int>(nPresents - m_nBefore));
        const bool bDown = m_iTicks == 2;
        const auto [x, y] = GameRowPoint(1);
        SDL_Event event{.button = {.type = Uint32(bDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP),
                                   .button = SDL_BUTTON_LEFT,
                                   .state = Uint8(bDown ? SDL_PRESSED : SDL_RELEASED),
                                   .x = x,
                                   .y = y}};
        if (m_iTicks == 2 || m_iTicks == 3)
            SDL_PushEvent(&event);
    }

    int m_iTicks = 0;
    uint64_t m_nBefore = 0;
};

TEST_F(ScreenTest, AClickOnAGameUpdatesTheWindowAtMostThreeTimes) {
    if (host::MissingDisplayMessage())
        GTEST_SKIP() << "no display; run under xvfb-run to test the window";
    WriteFile(m_root / "config" / "quelmara.ini", m_hotsync.string() + "/");
    fs::current_path(m_disc);
    host::CHostWindow window;
    std::string error;
    ASSERT_TRUE(window.Open(error)) << error;
    CClickingDialog dialog;
    ::testing::internal::CaptureStdout();
    const int iUpdates = window.DoModal(dialog);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(Text("name"), "Beta");
    EXPECT_GE(iUpdates, 1);
    EXPECT_LE(iUpdates, 3);
}

} // namespace
