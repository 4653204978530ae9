// Layout editor: taking over the controls inside it, marking, moving and
// resizing them with the mouse, and forgetting a removed control.
#include <gtest/gtest.h>

#include <string>

#include "ControlTestSupport.h"
#include "GUIButton.h"
#include "GUIEditor.h"
#include "GUIView.h"

using testsupport::rectOf;

namespace {

class EditorTest : public testsupport::RootTest {
  protected:
    GUIControl *editor = nullptr;
    GUIControl *button = nullptr; // 100 x 50 at (20, 30) of the editor, which is at (0, 0)

    void SetUp() override {
        RootTest::SetUp();
        bGUIEditorMoveHold = bGUIEditorResizeHold = 0;
        pGUIEditorLCtrl = nullptr;
        GUIRect whole{0, kWidth, 0, kHeight};
        editor = GUIEditorNew(&root, &whole);
        GUIRect rect{20, 120, 30, 80};
        button = GUIButtonNew(editor, &rect, "b");
    }
};

TEST_F(EditorTest, PressNearTheCornerResizesElsewhereMoves) {
    press(20 + 95, 30 + 45);
    EXPECT_TRUE(bGUIEditorResizeHold);
    EXPECT_FALSE(bGUIEditorMoveHold);
    EXPECT_EQ(pGUIEditorLCtrl, button);
    EXPECT_EQ(pGUIControlMarked, button);
    dragTo(20 + 105, 30 + 50);
    EXPECT_EQ(rectOf(*button), (GUIRect{20, 130, 30, 85}));
    release(20 + 105, 30 + 50);
    EXPECT_FALSE(bGUIEditorResizeHold);

    press(20 + 95, 30 + 20);
    EXPECT_TRUE(bGUIEditorMoveHold);
    EXPECT_FALSE(bGUIEditorResizeHold);
    release(20 + 95, 30 + 20);

    press(20 + 10, 30 + 10);
    dragTo(20 + 25, 30 + 5);
    EXPECT_EQ(rectOf(*button), (GUIRect{35, 145, 25, 80}));
    EXPECT_EQ(iGUIEditorLXPos, 10);
    EXPECT_EQ(iGUIEditorLYPos, 10);
    release(20 + 25, 30 + 5);
    EXPECT_FALSE(bGUIEditorMoveHold);
    dragTo(200, 200); // no hold: nothing follows the pointer
    EXPECT_EQ(rectOf(*button), (GUIRect{35, 145, 25, 80}));
}

TEST_F(EditorTest, PartsSelectTheirControlAndTheEditorIsOnlyMarked) {
    GUIRect rect{150, 250, 100, 200};
    GUIControl *view = GUIViewNew(editor, &rect);
    press(160, 110); // on the view's pane
    EXPECT_EQ(pGUIControlMarked, view);
    EXPECT_EQ(pGUIEditorLCtrl, view);
    dragTo(170, 115);
    EXPECT_EQ(rectOf(*view), (GUIRect{160, 260, 105, 205}));
    release(170, 115);

    press(300, 10);
    EXPECT_EQ(pGUIControlMarked, editor);
    EXPECT_FALSE(bGUIEditorMoveHold || bGUIEditorResizeHold);
    EXPECT_EQ(pGUIEditorLCtrl, view);
    dragTo(310, 20);
    EXPECT_EQ(rectOf(*editor), (GUIRect{0, kWidth, 0, kHeight}));
}

TEST_F(EditorTest, RemovedControlIsForgotten) {
    press(30, 40);
    release(30, 40);
    ASSERT_EQ(pGUIEditorLCtrl, button);
    button->bRemoveLater = 1;
    GUIControlUpdate();
    EXPECT_EQ(pGUIEditorLCtrl, nullptr);
    EXPECT_EQ(editor->pFirstChild, nullptr);
}

TEST_F(EditorTest, ScriptEditorTakesOverItsControlsButNeedsAParent) {
    testsupport::ScratchDir dir;
    auto loaded = testsupport::LoadScriptFile(
        dir.Write("edit.scr", "Editor[0,0,200,100]{Button[5,5,50,20](ok)\"ok\";};"), &root);
    ASSERT_NE(loaded.ctl, nullptr);
    EXPECT_EQ(loaded.ctl->Mouse, GUIEditorMouse);
    EXPECT_EQ(GUIControlGetByID(loaded.ctl, "ok")->Mouse, GUIEditorMouse);

    testing::internal::CaptureStderr();
    EXPECT_EQ(testsupport::LoadScriptFile(dir.Write("top.scr", "Editor[0,0,9,9];")).ctl, nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("needs a parent"), std::string::npos);
}

} // namespace
