// The message box drawn with the toolkit, driven through the main window's
// handlers one step per turn of its loop. (The toolkit folder browser is
// driven end to end by the e2e tests.)
#include "ScreenFixture.h"

#include "FolderChooser.h"

using namespace screentest;

namespace {

TEST_F(ScreenTest, TheMessageBoxWaitsForOkOrReturnAndKeepsTheScreenOutOfReach) {
    StartWithSettings();
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
}

} // namespace
