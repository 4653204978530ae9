// Writing trees as scripts and reading them back.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ControlTestSupport.h"

namespace {

class ScriptWriter : public testsupport::ToolkitTest {
  protected:
    std::string Save(GUIControl *ctl) {
        FILE *out = std::tmpfile();
        GUIControlSaveTree(ctl, out, 0);
        std::string text(static_cast<size_t>(std::ftell(out)), '\0');
        std::rewind(out);
        EXPECT_EQ(std::fread(text.data(), 1, text.size(), out), text.size());
        std::fclose(out);
        return text;
    }
    GUIControl *Load(const std::string &script) {
        auto r = testsupport::LoadScriptFile(dir.Write("tree.scr", script));
        EXPECT_NE(r.ctl, nullptr) << r.out;
        return r.ctl;
    }
    testsupport::ScratchDir dir;
};

// A view's children are written as its own, not as its pane's.
TEST_F(ScriptWriter, WritesRectanglesIdentifiersAndIndentedBlocks) {
    GUIControl *desktop = Load("Desktop(640,480){"
                               " Bitmap[10,20,100,50](pic) \"backdrop\" {"
                               "  Button[1,2,30,10](OK) \"ok\";"
                               "  Button[5,25,30,10](Cancel);"
                               " };"
                               " View[200,0,100,100] { Button[0,0,50,150](Row) \"row\"; };"
                               "};");
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(Save(desktop), "Desktop[0,0,640,480]\n"
                             "{\n"
                             "\tBitmap[10,20,100,50] \"backdrop\"\n"
                             "\t{\n"
                             "\t\tButton[1,2,30,10] \"ok\";\n"
                             "\t\tButton[5,25,30,10];\n"
                             "\t};\n"
                             "\tView[200,0,100,100]\n"
                             "\t{\n"
                             "\t\tButton[0,0,50,150] \"row\";\n"
                             "\t};\n"
                             "};\n");
}

// A type for the round trip that reads no attributes of its own and takes
// children, so that everything it has is what the writer writes.
GUIControl *PanelFromScript(GUIControl *parent, GUIScriptReader *, GUIControlScriptArgs *args);
GUIControlType panelType = {"Panel", PanelFromScript, nullptr};

GUIControl *PanelFromScript(GUIControl *parent, GUIScriptReader *, GUIControlScriptArgs *args) {
    auto *panel = static_cast<GUIControl *>(__dalloc(sizeof(GUIControl), "panel", __LINE__));
    GUIControlInit(panel, parent, &args->oRect);
    panel->pType = &panelType;
    panel->pChildHost = panel;
    panel->bAllocated = 1;
    return panel;
}

void ExpectSameTree(const GUIControl *a, const GUIControl *b) {
    for (; a && b; a = a->pNext, b = b->pNext) {
        EXPECT_EQ(a->pType, b->pType);
        EXPECT_EQ(testsupport::rectOf(*a), testsupport::rectOf(*b));
        EXPECT_EQ(std::string(a->pszID ? a->pszID : "-"), std::string(b->pszID ? b->pszID : "-"));
        ExpectSameTree(a->pFirstChild, b->pFirstChild);
    }
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(b, nullptr);
}

// A desktop holding a picture holding two buttons, made of panels.
TEST_F(ScriptWriter, WrittenTreesReadBackTheSame) {
    GUIControlType *registry = pGUIControlTypeHead;
    panelType.pNext = registry;
    pGUIControlTypeHead = &panelType;
    GUIControl *original = Load("Panel[0,0,640,480] \"desk\" {"
                                " Panel[10,20,300,200] \"backdrop\" {"
                                "  Panel[1,2,114,28] \"o_k\"; Panel[130,2,114,28]; }; };");
    const std::string written = Save(original);
    GUIControl *copy = Load(written);
    pGUIControlTypeHead = registry;
    ASSERT_NE(copy, nullptr);
    ExpectSameTree(original, copy);
    EXPECT_EQ(Save(copy), written);
    GUIControlDestroy(original);
}

} // namespace
