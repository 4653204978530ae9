// Writing trees as scripts, reading them back, and the diagnostic dump.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "ControlTestSupport.h"
#include "GUIButton.h"
#include "GUIDesktop.h"

using testsupport::LoadScriptFile;
using testsupport::ScratchDir;

namespace {

// Collects what a function writes to a FILE*.
class MemoryStream {
  public:
    MemoryStream() : stream_(open_memstream(&data_, &size_)) {}
    ~MemoryStream() {
        if (stream_)
            std::fclose(stream_);
        std::free(data_);
    }
    MemoryStream(const MemoryStream &) = delete;
    MemoryStream &operator=(const MemoryStream &) = delete;
    FILE *get() { return stream_; }
    std::string Text() {
        std::fflush(stream_);
        return std::string(data_, size_);
    }

  private:
    char *data_ = nullptr;
    size_t size_ = 0;
    FILE *stream_;
};

class ScriptWriter : public testsupport::ToolkitTest {
  protected:
    std::string Save(GUIControl *ctl, int32_t depth = 0) {
        MemoryStream out;
        GUIControlSaveTree(ctl, out.get(), depth);
        return out.Text();
    }
    GUIControl *Load(const std::string &script) {
        auto r = LoadScriptFile(dir.Write("tree.scr", script));
        EXPECT_NE(r.ctl, nullptr) << r.out;
        return r.ctl;
    }
    ScratchDir dir;
};

TEST_F(ScriptWriter, WritesRectanglesIdentifiersAndIndentedBlocks) {
    GUIControl *desktop = Load("Desktop(640,480){"
                               " Bitmap[10,20,100,50](pic) \"backdrop\" {"
                               "  Button[1,2,30,10](OK) \"ok\";"
                               "  Button[5,25,30,10](Cancel);"
                               " };"
                               "};");
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(Save(desktop), "Desktop[0,0,640,480]\n"
                             "{\n"
                             "\tBitmap[10,20,100,50] \"backdrop\"\n"
                             "\t{\n"
                             "\t\tButton[1,2,30,10] \"ok\";\n"
                             "\t\tButton[5,25,30,10];\n"
                             "\t};\n"
                             "};\n");
    EXPECT_EQ(Save(desktop->pFirstChild->pFirstChild, 2), "\t\tButton[1,2,30,10] \"ok\";\n");
}

TEST_F(ScriptWriter, ControlsWithoutTypeAreWrittenAsUnknown) {
    GUIControl plain;
    GUIRect rect{3, 10, 4, 6};
    GUIControlInit(&plain, nullptr, &rect);
    GUIControl child;
    GUIRect inner{0, 1, 0, 1};
    GUIControlInit(&child, &plain, &inner);
    EXPECT_EQ(Save(&plain), "<unknown>[3,4,7,2]\n{\n\t<unknown>[0,0,1,1];\n};\n");
    child.bHidden = 1;
    EXPECT_EQ(Save(&plain), "<unknown>[3,4,7,2]\n{\n\t<unknown>[0,0,1,1];\n};\n");
    GUIControlRemove(&plain);
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
        EXPECT_EQ(a->iLeft, b->iLeft);
        EXPECT_EQ(a->iRight, b->iRight);
        EXPECT_EQ(a->iTop, b->iTop);
        EXPECT_EQ(a->iBottom, b->iBottom);
        EXPECT_EQ(std::string(a->pszID ? a->pszID : "-"), std::string(b->pszID ? b->pszID : "-"));
        ExpectSameTree(a->pFirstChild, b->pFirstChild);
    }
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(b, nullptr);
}

// Puts the panel type in front of the registry for one test.
struct PanelRegistered {
    GUIControlType *registry = pGUIControlTypeHead;
    PanelRegistered() {
        panelType.pNext = registry;
        pGUIControlTypeHead = &panelType;
    }
    ~PanelRegistered() { pGUIControlTypeHead = registry; }
};

TEST_F(ScriptWriter, WrittenTreesReadBackTheSame) {
    PanelRegistered registered;
    const std::string script = "Panel[0,0,640,480] \"desk\" {"
                               " Panel[10,20,300,200] \"backdrop\" {"
                               "  Panel[1,2,114,28] \"ok\"; Panel[130,2,114,28]; Panel[7,8]; };"
                               " Panel[400,0,10,10] { Panel[0,0,1,1] \"x_y\"; };"
                               "};";
    GUIControl *original = Load(script);
    const std::string written = Save(original);
    GUIControl *copy = Load(written);
    ASSERT_NE(copy, nullptr);
    ExpectSameTree(original, copy);
    EXPECT_EQ(Save(copy), written);
    testsupport::RemoveAndFree(original);
}

TEST_F(ScriptWriter, DumpListsEachControlIndentedByDepth) {
    GUIControl *desktop = Load("Desktop(64,48){ Button[1,2,3,4](a) \"first\"; Button[5,6](b); };");
    MemoryStream log;
    FILE *previous = pGUILogFile;
    pGUILogFile = log.get();
    GUIControlDumpToLog(nullptr, 0);
    pGUILogFile = previous;

    const std::string hex = "0x *[0-9a-f]{8,}";
    const std::regex expected("Desktop--" + hex + "\\( 0, 0, 64, 48, " + hex + " \\)\n" +
                              " Button-first-" + hex + "\\( 1, 2, 3, 4, " + hex + " \\)\n" +
                              " Button--" + hex + "\\( 5, 6, 0, 0, " + hex + " \\)\n");
    const std::string text = log.Text();
    EXPECT_TRUE(std::regex_match(text, expected)) << text;
    char address[32];
    std::snprintf(address, sizeof address, "%8" PRIxPTR, reinterpret_cast<uintptr_t>(desktop));
    EXPECT_NE(text.find(address), std::string::npos);
}

} // namespace
