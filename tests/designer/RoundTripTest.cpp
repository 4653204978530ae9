// The designer's layouts: a layout of every type, edited and written back,
// loads again to the same tree and the same picture; a layout that does not
// load says which line and why, and leaves nothing behind.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "DesignerDlg.h"
#include "GUIButton.h"
#include "GUIList.h"
#include "GUIView.h"
#include "SkinTestSupport.h"
#include "TestFiles.h"

namespace fs = std::filesystem;

namespace {

// Every scriptable type, with quoted texts, blanks, a bare word holding a
// quote, items, orientations, nested children and a view's pane children.
constexpr const char *kEveryType =
    "Desktop(784,800) \"top\"\r\n{\r\n"
    "\tEdit[16,8,300,22](\"An edit, with blanks\") \"title\";\r\n"
    "\tButton[16,40](Say\"hi) \"go\";\r\n"
    "\tCheck[16,76,240,28](\"Check me\") \"check\";\r\n"
    "\tProgress[272,40,240,24] \"progress\";\r\n"
    "\tCombo[272,76,200,28](\"two\",\"one\",\"two\",three) \"combo\";\r\n"
    "\tSeparator[16,120,496,96](\"Vertical\") \"split\"\r\n\t{\r\n"
    "\t\tList[0,0,100,40] \"a\";\r\n\t};\r\n"
    "\tView[16,230,240,150] \"view\"\r\n\t{\r\n\t\tList[0,0,220,300] \"inview\";\r\n\t};\r\n"
    "\tWindow[272,230,240,150](\"A window\") \"window\"\r\n\t{\r\n"
    "\t\tEdit(\"client\") \"client\";\r\n\t\tButton[59,100](Close) \"__window_close\";\r\n\t};\r\n"
    "\tScrollBar[16,400,300,20](\"Horizontal\") \"hbar\";\r\n"
    "\tScrollBar[330,400,20,200](\"Vertical\") \"vbar\";\r\n"
    "\tBitmap[16,430](\"_data/Save.bmp\") \"bitmap\"\r\n\t{\r\n\t\tEdit[2,2,60,20](on) "
    "\"onbitmap\";\r\n\t};\r\n"
    "\tTab[400,430,300,200] \"tab\"\r\n\t{\r\n"
    "\t\tSheet(\"First sheet\") \"s1\"\r\n\t\t{\r\n\t\t\tButton[4,4](\"In a sheet\");\r\n\t\t};\r\n"
    "\t\tSheet(Second) \"s2\";\r\n\t};\r\n"
    "\tTable[16,640,300,120] \"table\";\r\n"
    "\tPopupMenu[360,640,80,60] \"menu\";\r\n"
    "\tEditor[460,640,200,100] \"inner\"\r\n\t{\r\n\t\tButton[4,4](Inner);\r\n\t};\r\n"
    "};\r\n";

// Types, rectangles, identifiers, hidden flags and list rows of a subtree,
// embedded parts included (they follow from the type's arguments) unless
// hidden: a view's hidden scroll bar keeps whatever place it had last.
void Describe(const GUIControl *pControl, int depth, std::ostringstream &out) {
    for (; pControl; pControl = pControl->pNext) {
        if (pControl->bPartOfParent && pControl->bHidden)
            continue;
        out << std::string(static_cast<size_t>(depth), ' ')
            << (pControl->pType ? pControl->pType->pszName : "-") << ' ' << pControl->iLeft << ','
            << pControl->iTop << ',' << pControl->iWidth << ',' << pControl->iHeight << ' '
            << (pControl->pszID ? pControl->pszID : "") << (pControl->bHidden ? " hidden" : "");
        if (pControl->pType == &sGUIListType) {
            const auto *pList = reinterpret_cast<const GUIList *>(pControl);
            for (int32_t i = 0; i < pList->aszText.iCount; ++i)
                out << " [" << GUIListGet(const_cast<GUIControl *>(pControl), i) << ']';
        }
        out << '\n';
        Describe(pControl->pFirstChild, depth + 1, out);
    }
}

struct Snapshot {
    std::string tree;
    std::vector<uint32_t> pixels;
};

class DesignerTest : public skintest::SkinTest {
  protected:
    void TearDown() override {
        designer_.reset();
        SkinTest::TearDown();
    }

    // Opens the layout as the program does, from the disc's folder.
    bool Open(const fs::path &layout) {
        if (pGUIControlRoot) {
            skintest::FreeBitmapPictures(pGUIControlRoot);
            GUIControlDestroy(pGUIControlRoot);
        }
        testsupport::ScopedWorkingDirectory disc(skintest::DiscFolder());
        designer_ = std::make_unique<CDesignerDlg>(layout);
        designer_->OnInitDialog();
        return designer_->ExitStatus() == 0;
    }

    Snapshot Take() {
        GUIControlRedrawThis(pGUIControlRoot);
        std::ostringstream tree;
        Describe(designer_->Document().Editor(), 0, tree);
        return {tree.str(),
                std::vector<uint32_t>(pGfxBackBuffer, pGfxBackBuffer + iGfxWidth * iGfxHeight)};
    }

    GUIControl *Find(const char *pszID) { return GUIControlGetByID(nullptr, pszID); }

    testsupport::ScratchDir scratch_;
    const fs::path &folder_ = scratch_.Root();
    std::unique_ptr<CDesignerDlg> designer_;
};

TEST_F(DesignerTest, EditedLayoutOfEveryTypeLoadsBackToTheSameTreeAndPicture) {
    const fs::path layout = folder_ / "every.scr";
    testsupport::WriteFile(layout, kEveryType);
    ASSERT_TRUE(Open(layout));
    const Snapshot loaded = Take();
    EXPECT_NE(loaded.tree.find("Combo"), std::string::npos);

    GUIControl *pButton = Find("go");
    GUIControlSetPos(pButton, pButton->iLeft + 40, pButton->iTop);
    GUIControlSetSize(Find("inview"), 200, 120);
    Find("menu")->bRemoveLater = 1;
    GUIControlUpdate();
    const Snapshot edited = Take();
    ASSERT_NE(edited.tree, loaded.tree);

    ASSERT_TRUE(designer_->SaveLayout());
    const std::string written = testsupport::ReadFile(layout);
    EXPECT_NE(written.find("Button[56,40,114,28](Say\"hi) \"go\";\r\n"), std::string::npos)
        << written;
    EXPECT_NE(written.find("Combo[272,76,200,28](\"two\",\"one\",\"two\",\"three\")"),
              std::string::npos)
        << written;

    ASSERT_TRUE(Open(layout));
    const Snapshot reloaded = Take();
    EXPECT_EQ(reloaded.tree, edited.tree);
    EXPECT_TRUE(reloaded.pixels == edited.pixels) << "the reloaded layout draws differently";
    EXPECT_EQ(designer_->Document().Write().m_strText, written);
}

TEST_F(DesignerTest, WhatALayoutCannotHoldIsReportedAndFailuresLeaveNothing) {
    const fs::path layout = folder_ / "odd.scr";
    testsupport::WriteFile(layout, "Desktop(400,300)\n{\n\tButton[10,10](ok) \"ok\";\n};\n");
    ASSERT_TRUE(Open(layout));
    GUIControl *pButton = Find("ok");
    GUIControlSetPos(pButton, -5, 20);
    std::strcpy(reinterpret_cast<GUIButton *>(pButton)->szCaption, "say \"hi\"");
    const CLayoutText text = designer_->Document().Write();
    EXPECT_EQ(text.m_strText,
              "Desktop(400,300)\n{\n\tButton[0,20,114,28](\"say hi\") \"ok\";\n};\n");
    EXPECT_EQ(text.m_warnings.size(), 2u);

    testsupport::WriteFile(layout, "Desktop(400,300)\r\n{\r\n\tButton[1,2](ok);\r\n"
                                   "\tList[1,2,3,4] \"l\" { };\r\n};\r\n");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Open(layout));
    testing::internal::GetCapturedStdout();
    const std::string reason = testing::internal::GetCapturedStderr();
    EXPECT_NE(reason.find("Line 4: this type takes no child block"), std::string::npos) << reason;
    EXPECT_EQ(designer_->Document().Editor(), nullptr);
    const auto *pView =
        reinterpret_cast<GUIView *>(pGUIControlRoot->pFirstChild->pNext->pNext->pNext);
    EXPECT_EQ(pView->oPane.pFirstChild, nullptr);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(Open(folder_ / "missing.scr"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot be read"), std::string::npos);
}

} // namespace
