// The main window's start-up on a disc that lacks a file or a control. (The
// first start's folder choice is driven end to end by the e2e tests.)
#include "ScreenFixture.h"

#include <sys/stat.h>

using namespace screentest;

namespace {

// _data as a folder of links to the sample disc's files, without the named one.
class IncompleteDiscTest : public ScreenTest {
  protected:
    void DataWithout(const std::string &name) {
        fs::remove(m_disc / "_data");
        fs::create_directory(m_disc / "_data");
        for (const auto &entry : fs::directory_iterator(testsupport::SourcePath("disc/_data")))
            if (entry.path().filename() != name)
                fs::create_symlink(entry.path(), m_disc / "_data" / entry.path().filename());
    }
    // The one message shown contains the text.
    void ExpectOneMessage(const std::string &text) {
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_NE(m_messages[0].find(text), std::string::npos) << m_messages[0];
    }
};

TEST_F(IncompleteDiscTest, AControlOfTheWrongTypeStopsTheStartUp) {
    DataWithout("layout.scr");
    WriteFile(m_disc / "_data" / "layout.scr",
              "Desktop(800,620)\n{\n\tEdit[0,0,100,20]() \"gamelist\";\n};\n");
    Start();
    EXPECT_FALSE(Dialog().IsScreenReady());
    EXPECT_NE(m_errors.find("no List control \"gamelist\""), std::string::npos) << m_errors;
    ExpectOneMessage("no List control \"gamelist\"");
    // The screen takes no input it cannot handle.
    Dialog().OnSearchCommand();
    Click({10, 10});
    EXPECT_EQ(m_messages.size(), 1u);
}

TEST_F(IncompleteDiscTest, APipeForTheLayoutFailsAtOnceWithAMessage) {
    DataWithout("layout.scr");
    ASSERT_EQ(mkfifo((m_disc / "_data/layout.scr").c_str(), 0600), 0);
    Start();
    EXPECT_FALSE(Dialog().IsScreenReady());
    ExpectOneMessage("_data/layout.scr is missing or is not a file");
}

TEST_F(IncompleteDiscTest, AMissingBackdropIsNamedAndTheScreenStillWorks) {
    DataWithout("backdrop.bmp");
    Start();
    ASSERT_TRUE(Dialog().IsScreenReady());
    ExpectOneMessage("_data/backdrop.bmp is missing");
    ClickGameRow(1);
    EXPECT_EQ(Text("name"), "Beta");
    SavePicture("no-backdrop");
}

} // namespace
