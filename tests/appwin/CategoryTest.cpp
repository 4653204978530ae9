// A disc sorted into category folders: the grouped game list, what a category
// row shows, searches across categories, installing a whole category; and the
// HotSync folder's field with a path longer than its buffer.
#include "ScreenFixture.h"

#include <map>

using namespace screentest;

namespace {

// Every file below the HotSync folder with its contents.
std::map<std::string, std::string> Installed(const fs::path &hotsync) {
    std::map<std::string, std::string> files;
    for (const auto &entry : fs::recursive_directory_iterator(hotsync))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), hotsync).string()] = ReadFile(entry.path());
    return files;
}

class CategoryScreenTest : public ScreenTest {
  protected:
    void MakeGames() override {
        WriteFile(m_disc / "Boards/_name", "Board Games");
        WriteFile(m_disc / "Boards/Chess/_details", "A goat on a chessboard.");
        WriteFile(m_disc / "Boards/Chess/Chess.prc", "chess program");
        WriteFile(m_disc / "Boards/Chess/pic/ss.bmp", "not copied");
        WriteFile(m_disc / "Boards/Chess/openings/book.pdb", "openings");
        WriteFile(m_disc / "Boards/Go/_details", "Stones.");
        WriteFile(m_disc / "Boards/Go/Go.prc", "go program");
        WriteFile(m_disc / "Puzzles/Words/Anagram/_details", "Goat anagrams: a goat.");
        WriteFile(m_disc / "Puzzles/Maze/_details", "A goat in a maze.");
        WriteFile(m_disc / "Puzzles/Maze/Maze.prc", "maze program");
        WriteFile(m_disc / "Solo/_details", "Just a goat.");
    }
};

TEST_F(CategoryScreenTest, GamesAreListedAndSearchedByCategoryAndACategoryRowShowsThem) {
    Start();
    const std::vector<std::string> rows{
        "Board Games (2)", "    Chess",      "    Go",       "Puzzles (2)", "    Words (1)",
        "        Anagram", "    Others (1)", "        Maze", "Others (1)",  "    Solo"};
    EXPECT_EQ(Rows(Find("gamelist")), rows);

    ClickGameRow(1);
    ClickGameRow(3);
    EXPECT_EQ(Text("name"), "Puzzles");
    EXPECT_EQ(Text("info0"), "2 games");
    EXPECT_EQ(Rows(Find("details")), (std::vector<std::string>{"Anagram", "Maze"}));
    SavePicture("category_shown");

    // Searches find matches in every category, in display order.
    ClickControl("stext");
    Type("goat");
    Dialog().OnSearchCommand();
    EXPECT_EQ(Selected(), 1);
    // The rows selected by four clicks on the button; the last finds nothing.
    const auto fourClicks = [this](const char *button) {
        std::vector<int32_t> selected;
        for (int i = 0; i < 4; ++i) {
            ClickControl(button);
            selected.push_back(Selected());
        }
        return selected;
    };
    EXPECT_EQ(fourClicks("snext"), (std::vector<int32_t>{5, 7, 9, 9}));
    EXPECT_EQ(m_messages, std::vector<std::string>{"No matches found."});
    EXPECT_EQ(fourClicks("sback"), (std::vector<int32_t>{7, 5, 1, 1}));
    EXPECT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(Text("name"), "Chess");
}

// The install's rule for a game's own files is checked on its own; here the
// games of a category are copied one by one.
TEST_F(CategoryScreenTest, InstallingACategoryCopiesEachOfItsGamesAndCountsThem) {
    Start();
    ClickControl("instb");
    EXPECT_FALSE(fs::exists(m_hotsync)) << "nothing is selected";
    ClickGameRow(0);
    ClickControl("instb");
    EXPECT_EQ(Installed(m_hotsync),
              (std::map<std::string, std::string>{{"Chess/Chess.prc", "chess program"},
                                                  {"Chess/openings/book.pdb", "openings"},
                                                  {"Go/Go.prc", "go program"}}));
    EXPECT_EQ(m_busyMessages, (std::vector<std::string>{"Copying 1 of 2: Chess [0/2]",
                                                        "Copying 2 of 2: Go [1/2]"}));
    EXPECT_EQ(BarState(), "");
    EXPECT_EQ(Text("msg0"), "2 games were copied to the palm");
    EXPECT_EQ(Text("msg1"), "software's hotsync folder.");
    SavePicture("category_installed");

    // A category holds the games of its sub-categories; one game is counted
    // alone, and a game on its own is named so.
    ClickGameRow(3);
    EXPECT_EQ(Text("msg0"), "");
    EXPECT_EQ(Text("msg1"), "");
    ClickControl("instb");
    EXPECT_EQ(Installed(m_hotsync).at("Maze/Maze.prc"), "maze program");
    ClickGameRow(8);
    ClickControl("instb");
    EXPECT_EQ(Text("msg0"), "1 game was copied to the palm");
    ClickGameRow(9);
    ClickControl("instb");
    EXPECT_EQ(Text("msg0"), "The game was copied to the palm");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_hotsync), fs::directory_iterator()), 5);
}

TEST_F(ScreenTest, TheFolderFieldShowsTheEndOfAPathLongerThanItsBuffer) {
    const std::string folder = "/" + std::string(300, 'x') + "/the-real-end/";
    Start(folder);
    const std::string held = Text("sfolder");
    EXPECT_LT(held.size(), folder.size());
    EXPECT_TRUE(held.starts_with("...") && held.ends_with("/the-real-end/")) << held;
    EXPECT_TRUE(reinterpret_cast<GUIEdit *>(Find("sfolder"))->bShowEnd);
    SavePicture("long_folder");
}

} // namespace
