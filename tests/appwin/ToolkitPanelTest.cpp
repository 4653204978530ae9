// The message box and the folder browser made of toolkit controls, driven
// through the main window's handlers one step per turn of their loops.
#include "ScreenFixture.h"

#include "FolderChooser.h"

using namespace screentest;

namespace {

TEST_F(ScreenTest, TheMessageBoxWaitsForOkOrReturnAndTheFolderBrowserForItsKeys) {
    Start();
    int turns = 0;
    std::string shown;
    const auto steps = [&] {
        if (++turns == 1) {
            shown = Text("text");
            SavePicture("message");
            ClickGameRow(0);
            Dialog().OnKeyDown('A');
        } else {
            ClickControl("ok");
        }
        return turns < 5;
    };
    EXPECT_TRUE(ShowToolkitMessageBox("No matches found.", steps));
    EXPECT_EQ(turns, 2);
    EXPECT_EQ(shown, "No matches found.");
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(Text("stext"), "");

    turns = 0;
    EXPECT_TRUE(ShowToolkitMessageBox("Again.", [&] {
        Dialog().OnSearchCommand();
        return ++turns < 5;
    }));
    EXPECT_EQ(turns, 1);
    EXPECT_TRUE(m_messages.empty());

    // The folder browser follows its keys and takes the highlighted folder.
    const fs::path home = m_root / "home";
    fs::create_directories(home / "a" / "inner");
    fs::create_directories(home / "b");
    const std::vector<uint32_t> keys{host::vk::kDown, host::vk::kRight, host::vk::kBack,
                                     host::vk::kDown, host::vk::kDown};
    std::vector<std::string> paths;
    std::size_t turn = 0;
    const auto chosen = RunToolkitFolderBrowser(kFolderBrowserTitle, home.string(), [&] {
        paths.push_back(Text("path"));
        if (turn < keys.size())
            Dialog().OnKeyDown(keys[turn]);
        else
            Dialog().OnSearchCommand();
        return ++turn <= keys.size();
    });
    EXPECT_EQ(chosen, (home / "b").string());
    EXPECT_EQ(paths, (std::vector<std::string>{home, home / "a", home / "a", home, home / "a",
                                               home / "b"}));
    EXPECT_EQ(Find("path"), nullptr) << "the browser leaves the screen";
}

} // namespace
