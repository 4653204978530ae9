// The main window's start-up: settings, the game list, the values written into
// the screen, and a layout that lacks a control. (The first start's folder
// choice is driven end to end by the e2e tests.)
#include "ScreenFixture.h"

using namespace screentest;

namespace {

TEST_F(ScreenTest, StartsWithTheSettingsFileAndListsTheGames) {
    WriteSettings("/media/palm/hotsync/\r\n");
    Start();
    ASSERT_TRUE(Dialog().IsScreenReady());
    EXPECT_TRUE(m_browserTitles.empty());
    // The file's text exactly, line end included.
    EXPECT_EQ(Text("sfolder"), "/media/palm/hotsync/\r\n");
    EXPECT_EQ(Rows(Find("gamelist")), (std::vector<std::string>{"Alpha Game", "Beta", "Gamma"}));
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(Text("name"), "Choose a game from the list");
    SavePicture("start");
}

class BrokenLayoutTest : public ScreenTest {
  protected:
    void MakeGames() override {
        ScreenTest::MakeGames();
        fs::remove(m_disc / "_data");
        WriteFile(m_disc / "_data" / "layout.scr",
                  "Desktop(800,620)\n{\n\tEdit[0,0,100,20]() \"gamelist\";\n};\n");
    }
};

TEST_F(BrokenLayoutTest, AControlOfTheWrongTypeStopsTheStartUp) {
    WriteSettings("/x/");
    testing::internal::CaptureStderr();
    Start();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(Dialog().IsScreenReady());
    EXPECT_NE(errors.find("no List control \"gamelist\""), std::string::npos) << errors;
    // The screen takes no input it cannot handle.
    Dialog().OnSearchCommand();
    Click(10, 10);
    EXPECT_TRUE(m_messages.empty());
}

} // namespace
