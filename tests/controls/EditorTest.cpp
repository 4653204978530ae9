// Layout editor: taking over the controls inside it, marking, moving and
// resizing them with the mouse, its menu's New, Delete, Save and Properties,
// and forgetting a removed control.
#include <cstring>
#include <filesystem>
#include <string>

#include "ControlTestSupport.h"
#include "GUIBitmap.h"
#include "GUIButton.h"
#include "GUICombo.h"
#include "GUIEdit.h"
#include "GUIEditor.h"
#include "GUIPopupMenu.h"
#include "GUIView.h"

using testsupport::rectOf;

namespace {

class EditorTest : public testsupport::RootTest {
  protected:
    GUIControl *editor = nullptr;
    GUIControl *button = nullptr; // 100 x 50 at (20, 30) of the editor, which is at (0, 0)

    void SetUp() override {
        RootTest::SetUp();
        GUIControlSetSize(&root, 800, 620); // room for the dialogs
        bGUIEditorMoveHold = bGUIEditorResizeHold = 0;
        pGUIEditorLCtrl = nullptr;
        GUIRect whole{0, kWidth, 0, kHeight};
        editor = GUIEditorNew(&root, &whole);
        GUIRect rect{20, 120, 30, 80};
        button = GUIButtonNew(editor, &rect, "b");
    }

    // A right click at the root point; returns the menu it opened.
    GUIControl *menuAt(int32_t x, int32_t y) {
        GUIControlMouse(&root, x, y, GUI_MOUSE_RIGHT, GUI_MOUSE_RIGHT, 1);
        GUIControlMouse(&root, x, y, 0, GUI_MOUSE_RIGHT, 1);
        GUIControl *menu = root.pFirstChild;
        while (menu->pNext)
            menu = menu->pNext;
        return menu->pType == &sGUIPopupMenuType ? menu : nullptr;
    }
    // Clicks a row of the menu; the update after it takes the menu away.
    void choose(GUIControl *menu, int32_t row) {
        const int32_t y = row * asList(menu)->iItemHeight + 5;
        clickOn(menu, {5, 5, y, y});
        GUIControlUpdate();
    }
    void clickOn(GUIControl *ctl, GUIRect at = {5, 5, 5, 5}) {
        GUIControlToRoot(ctl, &at);
        press(at.iLeft, at.iTop);
        release(at.iLeft, at.iTop);
    }
    static GUIList *asList(GUIControl *ctl) { return reinterpret_cast<GUIList *>(ctl); }
};

TEST_F(EditorTest, PressNearTheCornerResizesElsewhereMovesAndPartsMoveTheirControl) {
    press(20 + 95, 30 + 45);
    EXPECT_TRUE(bGUIEditorResizeHold && !bGUIEditorMoveHold);
    EXPECT_EQ(pGUIControlMarked, button);
    dragTo(20 + 105, 30 + 50);
    EXPECT_EQ(rectOf(*button), (GUIRect{20, 130, 30, 85}));
    release(20 + 105, 30 + 50);
    EXPECT_FALSE(bGUIEditorResizeHold);

    press(20 + 95, 30 + 20);
    EXPECT_TRUE(bGUIEditorMoveHold && !bGUIEditorResizeHold);
    release(20 + 95, 30 + 20);

    press(20 + 10, 30 + 10);
    dragTo(20 + 25, 30 + 5);
    release(20 + 25, 30 + 5);
    dragTo(200, 200); // released: nothing follows the pointer
    EXPECT_EQ(rectOf(*button), (GUIRect{35, 145, 25, 80}));

    // Parts select their control; the editor itself is only marked.
    GUIRect rect{150, 250, 100, 124};
    GUIControl *combo = GUIComboNew(editor, &rect, "one");
    press(160, 110); // on the combo's edit field
    EXPECT_EQ(pGUIControlMarked, combo);
    dragTo(170, 115);
    EXPECT_EQ(rectOf(*combo), (GUIRect{160, 260, 105, 129}));
    release(170, 115);

    press(300, 10);
    EXPECT_EQ(pGUIControlMarked, editor);
    EXPECT_FALSE(bGUIEditorMoveHold || bGUIEditorResizeHold);
    EXPECT_EQ(pGUIEditorLCtrl, combo);
    dragTo(310, 20);
    EXPECT_EQ(rectOf(*editor), (GUIRect{0, kWidth, 0, kHeight}));
}

// New on a view adds into its pane where the menu opened; Delete takes the
// view with everything inside.
TEST_F(EditorTest, MenuNewAddsWhereItOpenedAndDeleteRemovesTheSubtree) {
    GUIRect rect{150, 250, 100, 200};
    auto *view = reinterpret_cast<GUIView *>(GUIViewNew(editor, &rect));
    choose(menuAt(160, 110), 0);
    GUIControl *types = root.pFirstChild->pNext;
    ASSERT_NE(types, nullptr);
    choose(types, 0);
    GUIControl *added = view->oPane.pFirstChild;
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->pType, &sGUIButtonType);
    EXPECT_EQ(rectOf(*added), (GUIRect{10, 90, 10, 34}));
    EXPECT_EQ(added->Mouse, GUIEditorMouse);

    GUIControl *menu = menuAt(150 + 30, 100 + 40);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(rectOf(*menu), (GUIRect{180, 260, 140, 140 + 4 * asList(menu)->iItemHeight}));
    EXPECT_EQ(pGUIEditorLCtrl, &view->oControl);
    choose(menu, 1);
    EXPECT_EQ(editor->pFirstChild, button);
    EXPECT_EQ(button->pNext, nullptr);
    EXPECT_EQ(pGUIEditorLCtrl, nullptr);
}

TEST_F(EditorTest, PropertiesApplyToTheControl) {
    choose(menuAt(30, 40), 3);
    GUIControl *window = GUIControlGetByID(nullptr, "__editor_left")->pParent;
    const std::pair<const char *, const char *> values[] = {
        {"__editor_id", "ok"},    {"__editor_left", "40"},   {"__editor_top", "x"},
        {"__editor_width", "60"}, {"__editor_height", "20"}, {"__editor_caption", "Fine"}};
    for (const auto &[id, text] : values)
        GUIEditSet(GUIControlGetByID(window, id), text);
    testing::internal::CaptureStderr();
    clickOn(GUIControlGetByID(window, "__editor_apply"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("\"x\""), std::string::npos);
    EXPECT_EQ(rectOf(*button), (GUIRect{40, 100, 30, 50}));
    EXPECT_STREQ(button->pszID, "ok");
    EXPECT_STREQ(reinterpret_cast<GUIButton *>(button)->szCaption, "Fine");
}

// Save through the disc's dialog: the chosen button is written as one
// statement; after it was deleted, nothing is written and stderr says so.
TEST_F(EditorTest, SaveWritesTheChosenControlUnlessItWasDeleted) {
    testsupport::ScratchDir dir;
    std::filesystem::copy_file(testsupport::SourcePath("disc/__editor_save.scr"),
                               dir.Path("__editor_save.scr"));
    testsupport::ScopedWorkingDirectory inScratch(dir.Root());
    button->pszID = static_cast<char *>(__dalloc(3, "test", __LINE__));
    std::memcpy(button->pszID, "ok", 3);
    choose(menuAt(30, 40), 2);
    ASSERT_NE(GUIControlGetByID(nullptr, "__editor_save"), nullptr);
    clickOn(GUIControlGetByID(nullptr, "__editor_save"));
    GUIControlUpdate();
    EXPECT_EQ(testsupport::ReadFile("layout_saved.scr"), "Button[20,30,100,50] \"ok\";\n");

    std::filesystem::remove("layout_saved.scr");
    choose(menuAt(30, 40), 2);
    choose(menuAt(30, 40), 1);
    testing::internal::CaptureStderr();
    clickOn(GUIControlGetByID(nullptr, "__editor_save"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("deleted"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("layout_saved.scr"));
}

TEST_F(EditorTest, ScriptedEditorsNeedAParentAndWrappingTakesOverControls) {
    testsupport::ScratchDir dir;
    testing::internal::CaptureStderr();
    EXPECT_EQ(testsupport::LoadScriptFile(dir.Write("top.scr", "Editor[0,0,9,9];")).ctl, nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("needs a parent"), std::string::npos);

    GUIRect area{200, 300, 100, 200}; // controls made without an editor, then wrapped in one
    GUIControl *box = GUIBitmapNew(&root, &area, "");
    GUIRect rect{10, 50, 10, 30};
    GUIControl *inner = GUIButtonNew(box, &rect, "in");
    GUIControl *wrapper = GUIEditorWrap(box);
    ASSERT_EQ(inner->pParent, wrapper);
    EXPECT_EQ(inner->pEventTarget, wrapper);
    press(215, 115);
    dragTo(225, 120);
    EXPECT_EQ(rectOf(*inner), (GUIRect{20, 60, 15, 35}));
}

} // namespace
