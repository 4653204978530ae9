// What the main screen does with clicks and keys: showing a game, the three
// searches, installing, the setup, exit and author lines, and the way the
// window's mouse and key messages reach the toolkit.
#include "ScreenFixture.h"

#include "VirtualKeys.h"

using namespace screentest;

namespace {

TEST_F(ScreenTest, ClickingAGameShowsItsTexts) {
    StartWithSettings();
    ClickGameRow(0);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(Text("name"), "Alpha Game");
    EXPECT_EQ(Text("info0"), "Puzzle");
    EXPECT_EQ(Text("info1"), "One player");
    for (const char *id : {"info2", "info3", "info4"})
        EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Text("au0"), "Ann Author");
    EXPECT_EQ(Text("au1"), "www.alpha.example");
    EXPECT_EQ(Text("au2"), "ann@alpha.example");
    // Narrower than the list: the two lines become one row, the line end a blank.
    EXPECT_EQ(Rows(Find("details")),
              std::vector<std::string>{"A goat in the garden. The first game."});
    GfxSurface *screenshot = Find("ss")->pBackground;
    ASSERT_NE(screenshot, nullptr);
    EXPECT_EQ(screenshot->iBmpWidth, 8);
    SavePicture("game_shown");

    // A game with no texts but its description empties what the first one showed.
    ClickGameRow(1);
    EXPECT_EQ(Text("name"), "Beta");
    for (const char *id : {"info0", "info1", "au0", "au1", "au2"})
        EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Find("ss")->pBackground, nullptr);
    EXPECT_EQ(Rows(Find("details")), std::vector<std::string>{"Racing beetles in the garden."});
}

TEST_F(ScreenTest, ANewDescriptionStartsAtTheTop) {
    WriteFile(m_disc / "Beta" / "_details", std::string(2000, 'x'));
    StartWithSettings();
    ClickGameRow(1);
    GUIControl *details = Find("details");
    GUIControlSetWindowPos(details->pParent, 0, 200);
    ClickGameRow(0);
    EXPECT_EQ(details->pParent->iScrollY, 0);
}

TEST_F(ScreenTest, InstallingCopiesTheSelectedGameAndSaysSo) {
    StartWithSettings();
    ClickControl("instb");
    EXPECT_FALSE(fs::exists(m_hotsync));
    EXPECT_EQ(Text("msg0"), "");

    ClickGameRow(0);
    ClickControl("instb");
    EXPECT_EQ(ReadFile(m_hotsync / "Alpha Game" / "Alpha.prc"), "alpha program");
    EXPECT_FALSE(fs::exists(m_hotsync / "Alpha Game" / "pic"));
    EXPECT_EQ(Text("msg0"), "The game was copied to the palm");
    EXPECT_EQ(Text("msg1"), "software's hotsync folder.");
    SavePicture("installed");

    ClickGameRow(2);
    EXPECT_EQ(Text("msg0"), "");
    EXPECT_EQ(Text("msg1"), "");
}

TEST_F(ScreenTest, TypingAWordAndReturnSearchesFromTheFirstGame) {
    StartWithSettings();
    ClickGameRow(2);
    ClickControl("stext");
    Type("GOAT");
    EXPECT_EQ(Text("stext"), "goat_");
    Dialog().OnSearchCommand();
    EXPECT_STREQ(g_szSearchText, "goat");
    EXPECT_EQ(Text("stext"), "goat");
    EXPECT_FALSE(reinterpret_cast<GUIEdit *>(Find("stext"))->bInputActive);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(Text("name"), "Alpha Game");
    EXPECT_TRUE(m_messages.empty());
    SavePicture("searched");
}

TEST_F(ScreenTest, SearchesGoForwardAndBackWithoutWrapping) {
    StartWithSettings();
    ClickControl("stext");
    Type("goat");
    ClickControl("snew");
    EXPECT_EQ(Selected(), 0);
    ClickControl("snext");
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(Text("name"), "Gamma");
    EXPECT_TRUE(m_messages.empty());

    // The field is read only by a search from the first game.
    ClickControl("stext");
    Type("zzz");
    ClickControl("snext");
    EXPECT_EQ(m_messages, std::vector<std::string>{"No matches found."});
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(Text("name"), "Gamma");

    ClickControl("sback");
    EXPECT_EQ(Selected(), 0);
    ClickControl("sback");
    EXPECT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(Selected(), 0);
}

TEST_F(ScreenTest, NoMatchKeepsTheSelectionAndEmptyTextMatchesEveryGame) {
    StartWithSettings();
    ClickGameRow(1);
    ClickControl("stext");
    Type("unicorn");
    Dialog().OnSearchCommand();
    EXPECT_EQ(m_messages, std::vector<std::string>{"No matches found."});
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(Text("name"), "Beta");

    ClickControl("stext");
    for (int i = 0; i < 7; ++i)
        Dialog().OnKeyDown(host::vk::kBack);
    ClickControl("snew");
    EXPECT_STREQ(g_szSearchText, "");
    EXPECT_EQ(Selected(), 0);
    ClickControl("snext");
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(m_messages.size(), 1u);
}

TEST_F(ScreenTest, SearchingAnEmptyListSaysSoAtOnce) {
    fs::remove_all(m_disc / "Alpha");
    fs::remove_all(m_disc / "Beta");
    fs::remove_all(m_disc / "Gamma");
    StartWithSettings();
    EXPECT_TRUE(Rows(Find("gamelist")).empty());
    Dialog().OnSearchCommand();
    ClickControl("snext");
    ClickControl("sback");
    ClickControl("instb");
    EXPECT_EQ(m_messages.size(), 3u);
    EXPECT_EQ(Text("msg0"), "");
}

TEST_F(ScreenTest, SetupAndExitButtons) {
    StartWithSettings();
    ClickControl("setupb");
    EXPECT_EQ(m_browserTitles.size(), 1u);
    EXPECT_EQ(Text("sfolder"), m_hotsync.string() + "/");

    m_browserAnswer = "/";
    ClickControl("setupb");
    EXPECT_EQ(Text("sfolder"), "//");
    EXPECT_EQ(ReadFile(m_root / "config" / "quelmara.ini"), "//");

    EXPECT_TRUE(m_exits.empty());
    ClickControl("exitb");
    EXPECT_EQ(m_exits, std::vector<int>{0});
}

TEST_F(ScreenTest, OnlyALeftPressOnAnAuthorLineOpensIt) {
    StartWithSettings();
    ClickGameRow(0);
    GUIControl *line = Find("au1");
    GUIRect rect{0, line->iWidth, 0, line->iHeight};
    GUIControlToRoot(line, &rect);
    const int32_t x = rect.iLeft + 10;
    const int32_t y = rect.iTop + 5;
    Dialog().OnMouseMove(0, x, y);
    Dialog().OnRButtonDown(host::kMouseRight, x, y);
    Dialog().OnRButtonUp(0, x, y);
    EXPECT_TRUE(m_opened.empty());
    Dialog().OnLButtonDown(host::kMouseLeft, x, y);
    EXPECT_EQ(m_opened, std::vector<std::string>{"www.alpha.example"});
    Dialog().OnMouseMove(host::kMouseLeft, x + 1, y);
    Dialog().OnLButtonUp(0, x + 1, y);
    EXPECT_EQ(m_opened.size(), 1u);
    // Author lines never start typing.
    EXPECT_FALSE(reinterpret_cast<GUIEdit *>(line)->bInputActive);
}

TEST(KeyTranslationTest, ShiftIsDroppedAndLettersLowered) {
    EXPECT_EQ(TranslateKey(host::vk::kShift), std::nullopt);
    EXPECT_EQ(TranslateKey('A'), 'a');
    EXPECT_EQ(TranslateKey('Z'), 'z');
    EXPECT_EQ(TranslateKey('@'), '@');
    EXPECT_EQ(TranslateKey('['), '[');
    EXPECT_EQ(TranslateKey(host::vk::kDown), host::vk::kDown);
    EXPECT_EQ(TranslateKey(host::vk::kReturn), host::vk::kReturn);
}

TEST_F(ScreenTest, KeysReachTheToolkitTranslated) {
    StartWithSettings();
    ClickControl("stext");
    Dialog().OnKeyDown(host::vk::kShift);
    Dialog().OnKeyDown('A');
    Dialog().OnKeyDown('1');
    EXPECT_EQ(Text("stext"), "a1_");
    // The arrows move in the game list.
    Dialog().OnKeyDown(host::vk::kDown);
    Dialog().OnKeyDown(host::vk::kDown);
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(Text("name"), "Beta");
}

// Records what a control's Mouse receives.
struct MouseReport {
    uint8_t buttons;
    uint8_t changed;
    bool operator==(const MouseReport &) const = default;
};

std::vector<MouseReport> reports;

void RecordMouse(GUIControl *, int32_t, int32_t, uint8_t buttons, uint8_t changed, uint8_t inside) {
    if (inside)
        reports.push_back({buttons, changed});
}

TEST_F(ScreenTest, TheToolkitSeesWhichButtonsChangedSinceTheLastMessage) {
    StartWithSettings();
    reports.clear();
    Find("ss")->Mouse = RecordMouse;
    GUIRect rect{0, 10, 0, 10};
    GUIControlToRoot(Find("ss"), &rect);
    const int32_t x = rect.iLeft + 5;
    const int32_t y = rect.iTop + 5;
    Dialog().OnMouseMove(0, x, y);
    Dialog().OnLButtonDown(host::kMouseLeft, x, y);
    Dialog().OnMouseMove(host::kMouseLeft | host::kMouseShift, x, y);
    Dialog().OnLButtonUp(host::kMouseShift, x, y);
    Dialog().OnRButtonDown(host::kMouseRight, x, y);
    Dialog().OnRButtonUp(0, x, y);
    const std::vector<MouseReport> expected{{0, 0}, {1, 1}, {5, 4}, {4, 1}, {2, 6}, {0, 2}};
    EXPECT_EQ(reports, expected);
    EXPECT_EQ(Dialog().m_nLastMouseFlags, 0);
}

} // namespace
