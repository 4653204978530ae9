// The folder browser and the message box drawn with the toolkit, driven
// through the main window's handlers one step per turn of their loop.
#include "ScreenFixture.h"

#include <functional>

#include "FolderChooser.h"
#include "GUIView.h"
#include "VirtualKeys.h"

using namespace screentest;
namespace fb = folderbrowser;

namespace {

class ToolkitBrowserTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        for (const char *folder : {"home/Palm/one", "home/Palm/two", "home/docs", "home/.cache"})
            fs::create_directories(m_root / folder);
        m_home = (m_root / "home").string();
        StartWithSettings();
    }

    // Runs the browser; each turn of its loop takes the next step, and a
    // browser still open when the steps run out is closed as the window's end would.
    std::optional<std::string> Browse(const std::string &start,
                                      const std::vector<std::function<void()>> &steps) {
        std::size_t next = 0;
        return RunToolkitFolderBrowser(kFolderBrowserTitle, start, [&] {
            if (next == steps.size())
                return false;
            steps[next++]();
            return true;
        });
    }

    static GUIControl *Overlay() {
        GUIControl *last = pGUIControlRoot->pFirstChild;
        while (last->pNext)
            last = last->pNext;
        return last;
    }

    static GUIControl *Panel() { return Overlay()->pFirstChild; }

    // The folder list and the path field are the panel's edit and view.
    static GUIControl *PathField() { return Panel()->pFirstChild; }
    static GUIControl *FolderList() {
        return reinterpret_cast<GUIView *>(PathField()->pNext)->oPane.pFirstChild;
    }
    static std::string Path() { return reinterpret_cast<GUIEdit *>(PathField())->szText; }

    void ClickPanel(int32_t x, int32_t y) { Click(fb::kPanelLeft + x, fb::kPanelTop + y); }
    void ClickButton(const GUIRect &rect) {
        ClickPanel((rect.iLeft + rect.iRight) / 2, (rect.iTop + rect.iBottom) / 2);
    }
    void ClickFolder(int32_t row) {
        ClickPanel(fb::kFolderView.iLeft + 30,
                   fb::kFolderView.iTop + row * fb::kRowHeight + fb::kRowHeight / 2);
    }

    std::string m_home;
};

TEST_F(ToolkitBrowserTest, ClicksEnterFoldersAndOkTakesTheOneShown) {
    const GUIControl *lastBefore = Overlay();
    std::vector<std::string> seen;
    const auto chosen =
        Browse(m_home, {[&] {
                            seen = Rows(FolderList());
                            EXPECT_EQ(Path(), m_home);
                            SavePicture("browser");
                            ClickFolder(1);
                        },
                        [&] {
                            EXPECT_EQ(Rows(FolderList()), (std::vector<std::string>{"one", "two"}));
                            EXPECT_EQ(Path(), m_home + "/Palm");
                            ClickButton(fb::kOkButton);
                        }});
    // Hidden folders are left out; the order is the disc listing's.
    EXPECT_EQ(seen, (std::vector<std::string>{"docs", "Palm"}));
    EXPECT_EQ(chosen, m_home + "/Palm");
    EXPECT_EQ(Overlay(), lastBefore);
    EXPECT_EQ(m_exits, std::vector<int>{});
}

TEST_F(ToolkitBrowserTest, CancelEscapeAndAClosedWindowChooseNothing) {
    EXPECT_EQ(Browse(m_home, {[&] { ClickButton(fb::kCancelButton); }}), std::nullopt);
    EXPECT_EQ(Browse(m_home, {[&] { Dialog().OnCancel(); }}), std::nullopt);
    EXPECT_EQ(Browse(m_home, {}), std::nullopt);
    // Escape only closed the browser: the screen takes keys again.
    ClickControl("stext");
    Dialog().OnKeyDown('B');
    EXPECT_EQ(Text("stext"), "b_");
}

TEST_F(ToolkitBrowserTest, TheMessageBoxWaitsForOkOrReturn) {
    int turns = 0;
    std::string shown;
    const auto steps = [&] {
        if (++turns == 1) {
            GUIControl *text = Panel()->pFirstChild;
            shown = reinterpret_cast<GUIEdit *>(text)->szText;
            SavePicture("message");
            // The screen behind takes neither clicks nor keys.
            ClickGameRow(0);
            Dialog().OnKeyDown('A');
        } else {
            ClickControl(Panel()->pFirstChild->pNext);
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
