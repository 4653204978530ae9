// Writing trees as scripts.
#include <cstdio>
#include <string>

#include "ControlTestSupport.h"

namespace {

using ScriptWriter = testsupport::ToolkitTest;

std::string Save(GUIControl *ctl) {
    FILE *out = std::tmpfile();
    GUIControlSaveTree(ctl, out, 0);
    std::string text(static_cast<size_t>(std::ftell(out)), '\0');
    std::rewind(out);
    EXPECT_EQ(std::fread(text.data(), 1, text.size(), out), text.size());
    std::fclose(out);
    return text;
}

// A view's children are written as its own, not as its pane's.
TEST_F(ScriptWriter, WritesRectanglesIdentifiersAndIndentedBlocks) {
    testsupport::ScratchDir dir;
    auto r = testsupport::LoadScriptFile(
        dir.Write("tree.scr", "Desktop(640,480){"
                              " Bitmap[10,20,100,50](pic) \"backdrop\" {"
                              "  Button[1,2,30,10](OK) \"ok\";"
                              "  Button[5,25,30,10](Cancel);"
                              " };"
                              " View[200,0,100,100] { Button[0,0,50,150](Row) \"row\"; };"
                              "};"));
    ASSERT_NE(r.ctl, nullptr) << r.out;
    EXPECT_EQ(Save(r.ctl), "Desktop[0,0,640,480]\n"
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

} // namespace
