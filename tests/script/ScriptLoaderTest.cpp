// Loading layout scripts: grammar, messages, line numbers and clean-up on error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "GUIBitmap.h"
#include "GUIButton.h"
#include "GUIDesktop.h"

using testsupport::LoadScriptFile;
using testsupport::ScratchDir;

namespace {

class ScriptLoader : public testsupport::ToolkitTest {
  protected:
    testsupport::LoadResult Load(const std::string &bytes, GUIControl *parent = nullptr) {
        return LoadScriptFile(dir.Write("layout.scr", bytes), parent);
    }
    std::string Path() const { return dir.Path("layout.scr"); }
    ScratchDir dir;
};

std::vector<GUIControl *> ChildrenOf(const GUIControl *ctl) {
    std::vector<GUIControl *> children;
    for (GUIControl *c = ctl->pFirstChild; c; c = c->pNext)
        children.push_back(c);
    return children;
}

void ExpectRect(const GUIControl *c, int32_t left, int32_t right, int32_t top, int32_t bottom) {
    EXPECT_EQ(c->iLeft, left);
    EXPECT_EQ(c->iRight, right);
    EXPECT_EQ(c->iTop, top);
    EXPECT_EQ(c->iBottom, bottom);
    EXPECT_EQ(c->iWidth, right - left);
    EXPECT_EQ(c->iHeight, bottom - top);
}

TEST_F(ScriptLoader, BuildsTheTreeAndTracesEachStatement) {
    auto r = Load("Desktop(640,480)\r\n{\r\n"
                  "  Bitmap[10,20,30,40](\"pic.bmp\") \"backdrop\" {\r\n"
                  "    Button[1,2](OK);\r\n"
                  "  };\r\n"
                  "};\r\n");
    ASSERT_NE(r.ctl, nullptr);
    EXPECT_EQ(r.out, "Script load: " + Path() +
                         "\n"
                         "Control: Desktop\n"
                         "Control: Bitmap\n"
                         " pos: 10, 20\n"
                         " size: 30, 40\n"
                         "Control: Button\n"
                         " pos: 1, 2\n");
    EXPECT_EQ(r.ctl, pGUIControlRoot);
    EXPECT_EQ(r.ctl->pType, &sGUIDesktopType);
    ExpectRect(r.ctl, 0, 640, 0, 480);

    auto top = ChildrenOf(r.ctl);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0]->pType, &sGUIBitmapType);
    EXPECT_STREQ(top[0]->pszID, "backdrop");
    EXPECT_STREQ(reinterpret_cast<GUIBitmap *>(top[0])->szFile, "pic.bmp");
    ExpectRect(top[0], 10, 40, 20, 60);

    auto inner = ChildrenOf(top[0]);
    ASSERT_EQ(inner.size(), 1u);
    EXPECT_EQ(inner[0]->pType, &sGUIButtonType);
    EXPECT_EQ(inner[0]->pszID, nullptr);
    EXPECT_STREQ(reinterpret_cast<GUIButton *>(inner[0])->szCaption, "OK");
    ExpectRect(inner[0], 1, 1, 2, 2);
}

TEST_F(ScriptLoader, BlanksAndCommentsMayStandBetweenEveryToken) {
    auto r = Load(" # lead\r\n Desktop # a\r\n ( # b\r\n 50 # c\r\n , # d\r\n 60 # e\r\n ) # f\r\n"
                  "{ # g\r\n Button # h\r\n [ # i\r\n 5 # j\r\n , # k\r\n 6 # l\r\n ] # m\r\n"
                  "( # n\r\n Go # o\r\n ) # p\r\n \"go\" # q\r\n ; # r\r\n } # s\r\n ; # t\r\n");
    ASSERT_NE(r.ctl, nullptr) << r.out;
    ExpectRect(r.ctl, 0, 50, 0, 60);
    auto children = ChildrenOf(r.ctl);
    ASSERT_EQ(children.size(), 1u);
    ExpectRect(children[0], 5, 5, 6, 6);
    EXPECT_STREQ(children[0]->pszID, "go");
    EXPECT_STREQ(reinterpret_cast<GUIButton *>(children[0])->szCaption, "Go");
}

TEST_F(ScriptLoader, ErrorLinesCountCarriageReturnsOnly) {
    const std::string lines[] = {"Desktop(10,10)", "{", "  Button[1 2](x);", "};"};
    std::string crlf, lf;
    for (const auto &line : lines) {
        crlf += line + "\r\n";
        lf += line + "\n";
    }
    EXPECT_NE(Load(crlf).out.find("Script error in line 3\nScript error in line 3\n"),
              std::string::npos);
    EXPECT_EQ(pGUIControlRoot, nullptr);
    EXPECT_NE(Load(lf).out.find("Script error in line 1\nScript error in line 1\n"),
              std::string::npos);
}

TEST_F(ScriptLoader, MalformedRectanglesFail) {
    for (const char *script :
         {"Button[-5,6](x);", "Button[5,-6](x);", "Button[5,6,-1,2](x);", "Button[5,6,1,-2](x);",
          "Button[5;6](x);", "Button[5,6,7](x);", "Button[5,6,7,8;(x);", "Button[5,6"}) {
        auto r = Load(script);
        EXPECT_EQ(r.ctl, nullptr) << script;
        EXPECT_NE(r.out.find("Script error in line 1\n"), std::string::npos) << script;
        EXPECT_EQ(pGUIControlRoot, nullptr) << script;
    }
}

TEST_F(ScriptLoader, UnknownOrOverlongKeywordsFailBeforeTracing) {
    for (const std::string &keyword :
         {std::string(200, 'B'), std::string("button"), std::string("Buttons"), std::string("")}) {
        auto r = Load(keyword + "[1,2](x);");
        EXPECT_EQ(r.ctl, nullptr);
        EXPECT_EQ(r.out, "Script load: " + Path() + "\nScript error in line 1\n");
    }
}

TEST_F(ScriptLoader, TypeErrorsAreReportedByTheTypeAndTheStatement) {
    for (const char *script : {"Button[1,2] x);", "Button[1,2](x;", "Bitmap(a b);", "Desktop(1;2);",
                               "Desktop 1,2);", "Desktop(1,2;"}) {
        auto r = Load(script);
        EXPECT_EQ(r.ctl, nullptr) << script;
        const auto first = r.out.find("Script error in line 1\n");
        ASSERT_NE(first, std::string::npos) << script;
        EXPECT_NE(r.out.find("Script error in line 1\n", first + 1), std::string::npos) << script;
    }
}

TEST_F(ScriptLoader, QuotedIdentifiersKeepUnderscores) {
    auto r = Load("Button[1,2](\"Close window\") \"__window_close\";");
    ASSERT_NE(r.ctl, nullptr);
    EXPECT_STREQ(r.ctl->pszID, "__window_close");
    EXPECT_STREQ(reinterpret_cast<GUIButton *>(r.ctl)->szCaption, "Close window");
    EXPECT_EQ(GUIControlGetByID(nullptr, "__window_close"), r.ctl);
}

TEST_F(ScriptLoader, StatementsInABlockNeedNoSemicolon) {
    auto r = Load("Desktop(100,100){Button[1,1](a)Button[2,2](b)\"bee\"Button[3,3](c)};");
    ASSERT_NE(r.ctl, nullptr) << r.out;
    auto children = ChildrenOf(r.ctl);
    ASSERT_EQ(children.size(), 3u);
    EXPECT_EQ(children[0]->iLeft, 1);
    EXPECT_STREQ(children[1]->pszID, "bee");
    EXPECT_EQ(children[2]->iLeft, 3);
}

TEST_F(ScriptLoader, OnlyTheFirstStatementIsRead) {
    auto r = Load("Button[1,2](a) Button[3,4](b); garbage");
    ASSERT_NE(r.ctl, nullptr);
    EXPECT_EQ(r.ctl->iLeft, 1);
    EXPECT_EQ(r.ctl->pNext, nullptr);
    EXPECT_EQ(r.out.find("Control: Button", r.out.find("Control: Button") + 1), std::string::npos);
}

// Counts the buttons the loader takes away again.
int removedButtons = 0;
void CountingRemove(GUIControl *self) {
    ++removedButtons;
    GUIControlRemove(self);
}
void CountRemovals(GUIControl *ctl) {
    ctl->Remove = CountingRemove;
}

TEST_F(ScriptLoader, ErrorInTheThirdChildRemovesEverythingBuilt) {
    removedButtons = 0;
    pGUIButtonSkinInit = CountRemovals;
    auto r = Load("Desktop(100,100)\r\n{\r\n"
                  " Bitmap[0,0,50,50](a) {\r\n"
                  "  Button[1,1](one) \"one\";\r\n"
                  "  Button[2,2](two) \"two\";\r\n"
                  "  Button[3,3](three;\r\n"
                  " };\r\n"
                  "};\r\n");
    EXPECT_EQ(r.ctl, nullptr);
    EXPECT_EQ(pGUIControlRoot, nullptr);
    EXPECT_EQ(removedButtons, 2) << "the failing button's constructor built nothing";
    const std::string expectedEnd = "Control: Button\n pos: 3, 3\n"
                                    "Script error in line 6\n"  // the button's constructor
                                    "Script error in line 6\n"  // the button's statement
                                    "Script error in line 6\n"  // the bitmap's statement
                                    "Script error in line 6\n"; // the desktop's statement
    ASSERT_GE(r.out.size(), expectedEnd.size());
    EXPECT_EQ(r.out.substr(r.out.size() - expectedEnd.size()), expectedEnd) << r.out;
}

TEST_F(ScriptLoader, EachErrorInAStatementEndFailsIt) {
    removedButtons = 0;
    pGUIButtonSkinInit = CountRemovals;
    for (const char *script :
         {"Button[1,2](x) { };", "Desktop(9,9){ Button(x); }", "Desktop(9,9){ Button(x);",
          "Desktop(9,9){ Button(x); } Button(y);", "Desktop(9,9){ Bitmap(a){ Button(x) ; }"}) {
        auto r = Load(script);
        EXPECT_EQ(r.ctl, nullptr) << script;
        EXPECT_EQ(pGUIControlRoot, nullptr) << script;
        EXPECT_NE(r.out.find("Script error"), std::string::npos) << script;
    }
    EXPECT_EQ(removedButtons, 5);
}

TEST_F(ScriptLoader, ADesktopCannotStandInsideABlock) {
    auto r = Load("Desktop(9,9){ Desktop(5,5); };");
    EXPECT_EQ(r.ctl, nullptr);
    EXPECT_EQ(pGUIControlRoot, nullptr);
    EXPECT_NE(r.out.find("Script error in line 1\nScript error in line 1\n"), std::string::npos);
}

TEST_F(ScriptLoader, NestingIsBounded) {
    std::string deep;
    for (int i = 0; i < 64; ++i)
        deep += "Bitmap(a){";
    deep += "Button(x);";
    for (int i = 0; i < 64; ++i)
        deep += "};";
    auto ok = Load(deep);
    ASSERT_NE(ok.ctl, nullptr);
    testsupport::RemoveAndFree(ok.ctl);

    auto tooDeep = Load("Bitmap(a){" + deep + "};");
    EXPECT_EQ(tooDeep.ctl, nullptr);
    EXPECT_EQ(pGUIControlRoot, nullptr);
}

TEST_F(ScriptLoader, LoadsUnderAGivenParent) {
    GUIControl *desktop = GUIDesktopNew(200, 100);
    auto r = Load("Button[4,5](x) \"b\";", desktop);
    ASSERT_NE(r.ctl, nullptr);
    EXPECT_EQ(r.ctl->pParent, desktop);
    EXPECT_EQ(desktop->pFirstChild, r.ctl);
    EXPECT_EQ(pGUIControlRoot, desktop);
}

TEST_F(ScriptLoader, MissingFileSaysSo) {
    ::testing::internal::CaptureStdout();
    GUIControl *ctl = GUIControlCreateFromFile(nullptr, dir.Path("absent.scr").c_str());
    EXPECT_EQ(ctl, nullptr);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Script load: " + dir.Path("absent.scr") + "\nsuxx\n");
}

TEST_F(ScriptLoader, EmptyFileAndFolderFailCleanly) {
    auto empty = Load("");
    EXPECT_EQ(empty.ctl, nullptr);
    EXPECT_EQ(empty.out, "Script load: " + Path() + "\nScript error in line 1\n");

    auto folder = LoadScriptFile(dir.Path(""));
    EXPECT_EQ(folder.ctl, nullptr);
    EXPECT_NE(folder.out.find("suxx\n"), std::string::npos);
}

} // namespace
