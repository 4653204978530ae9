// The layout script module: the token routines on texts held in memory (no
// terminator, as a file is read); loading scripts with their grammar, messages,
// line numbers and clean-up on error; writing trees back as scripts.
#include <cstdio>
#include <string>

#include "ControlTestSupport.h"
#include "GUIBitmap.h"
#include "GUIButton.h"

using testsupport::rectOf;

namespace {

class Reader {
  public:
    explicit Reader(std::string text, size_t cut = 0) : text_(std::move(text)) {
        r_ = {text_.data(), text_.data(), text_.data() + text_.size() - cut, 1};
    }
    GUIScriptReader *operator->() { return &r_; }
    operator GUIScriptReader *() { return &r_; }
    std::string Word(int32_t size = GUI_SCRIPT_WORD_SIZE) {
        std::string buffer(static_cast<size_t>(size), '?');
        GUIScriptGetWord(&r_, buffer.data(), size);
        return buffer.c_str();
    }

  private:
    std::string text_;
    GUIScriptReader r_{};
};

TEST(ScriptReader, WordsAreCutToTheirBufferButConsumedWhole) {
    Reader r(std::string(200, 'a') + " \"" + std::string(150, 'b') + "\";abc;  \"open");
    EXPECT_EQ(r.Word(), std::string(127, 'a'));
    EXPECT_EQ(r.Word(6), "bbbbb");
    EXPECT_EQ(GUIScriptGetChar(r), ';');
    char one = '?';
    GUIScriptGetWord(r, &one, 1);
    EXPECT_EQ(one, 0);
    EXPECT_EQ(GUIScriptGetChar(r), ';');
    EXPECT_EQ(r.Word(), "open");
    EXPECT_EQ(r->pPos, r->pEnd);
    EXPECT_EQ(r.Word(), "");
    EXPECT_EQ(GUIScriptGetChar(r), 0);
    EXPECT_EQ(r->pPos, r->pEnd);
    // A UTF-8 word keeps whole characters: 7 bytes end inside the fourth letter.
    EXPECT_EQ(Reader("\"\xd0\x96\xd0\x96\xd0\x96\xd0\x96\"").Word(8), "\xd0\x96\xd0\x96\xd0\x96");
}

TEST(ScriptReader, NumbersAreFull32BitValuesAndSkipOnlyTheirDigits) {
    Reader huge("2147483647 99999999999;");
    EXPECT_EQ(GUIScriptGetNumber(huge), INT32_MAX);
    EXPECT_EQ(GUIScriptGetNumber(huge), INT32_MAX) << "held at the end of the range";
    EXPECT_EQ(GUIScriptGetChar(huge), ';');

    Reader end("12345", 2);
    EXPECT_EQ(GUIScriptGetNumber(end), 123) << "nothing is read past the end";
    EXPECT_EQ(end->pPos, end->pEnd);
    EXPECT_EQ(GUIScriptGetNumber(end), 0);
}

class ScriptLoader : public testsupport::ToolkitTest {
  protected:
    testsupport::LoadResult Load(const std::string &bytes) {
        return testsupport::LoadScriptFile(dir.Write("layout.scr", bytes));
    }
    std::string Path() const { return dir.Path("layout.scr"); }
    testsupport::ScratchDir dir;
};

const char *Caption(const GUIControl *button) {
    return reinterpret_cast<const GUIButton *>(button)->szCaption;
}

// A statement ending in its arguments or identifier needs no semicolon, and a
// quoted identifier keeps its underscores.
TEST_F(ScriptLoader, BuildsTheTreeAndTracesEachStatement) {
    auto r = Load("Desktop(640,480)\r\n{\r\n"
                  "  Bitmap[10,20,30,40](\"pic.bmp\") \"backdrop\" {\r\n"
                  "    Button[1,2](\"Close window\")\"__window_close\"Button[3,4](OK)\r\n"
                  "  };\r\n"
                  "};\r\n");
    ASSERT_NE(r.ctl, nullptr);
    EXPECT_EQ(r.out, "Script load: " + Path() +
                         "\nControl: Desktop\nControl: Bitmap\n pos: 10, 20\n size: 30, 40\n"
                         "Control: Button\n pos: 1, 2\nControl: Button\n pos: 3, 4\n");
    EXPECT_EQ(r.ctl, pGUIControlRoot);
    GUIControl *bitmap = r.ctl->pFirstChild;
    EXPECT_EQ(bitmap->pType, &sGUIBitmapType);
    EXPECT_STREQ(reinterpret_cast<GUIBitmap *>(bitmap)->szFile, "pic.bmp");
    EXPECT_STREQ(bitmap->pFirstChild->pszID, "__window_close");
    EXPECT_STREQ(Caption(bitmap->pFirstChild), "Close window");
    EXPECT_STREQ(Caption(bitmap->pFirstChild->pNext), "OK");
}

TEST_F(ScriptLoader, BlanksAndCommentsMayStandBetweenEveryToken) {
    auto r = Load(" # lead\r\n Desktop # a\r\n ( # b\r\n 50 # c\r\n , # d\r\n 60 # e\r\n ) # f\r\n"
                  "{ # g\r\n Button # h\r\n [ # i\r\n 5 # j\r\n , # k\r\n 6 # l\r\n ] # m\r\n"
                  "( # n\r\n Go # o\r\n ) # p\r\n \"go\" # q\r\n ; # r\r\n } # s\r\n ; # t\r\n");
    ASSERT_NE(r.ctl, nullptr) << r.out;
    EXPECT_EQ(rectOf(*r.ctl), (GUIRect{0, 50, 0, 60}));
    ASSERT_NE(r.ctl->pFirstChild, nullptr);
    EXPECT_EQ(rectOf(*r.ctl->pFirstChild), (GUIRect{5, 5, 6, 6}));
    EXPECT_STREQ(r.ctl->pFirstChild->pszID, "go");
}

// Every failing statement prints its error once and takes away what it built.
TEST_F(ScriptLoader, FailingStatementsReportOncePerEnclosingStatementAndSayWhy) {
    const std::string overlong(200, 'B');
    struct Case {
        std::string script;
        int errors;
        const char *reason; // the first line on standard error names it
    };
    const Case cases[] = {
        {"Button[-5,6](x);", 1, "missing \",\" in the position"},
        {overlong + "[1,2](x);", 1, "unknown type \"BBB"},
        {"", 1, "a type name is missing"},
        {"Button[1,2](x;", 2, "missing \")\""},
        {"Bitmap(a b);", 2, "missing \")\""},
        {"Button[1,2](x) { };", 1, "takes no child block"},
        {"Button[1,2;", 1, "missing \"]\" after the position"},
        {"Button(x;", 2, "missing \")\""},
        {"Button x);", 2, "missing \"(\""},
        {"Desktop(9,9){ Button(x); }", 1, "missing \";\" after \"}\""},
        {"Desktop(9,9){ Bitmap(a){ Button(x) ; }", 2, "missing \";\" after \"}\""},
        {"Desktop(9,9){ Desktop(1,1); };", 2, "a root control cannot stand inside a block"},
    };
    for (const auto &[script, errors, reason] : cases) {
        testing::internal::CaptureStderr();
        auto r = Load(script);
        const std::string why = testing::internal::GetCapturedStderr();
        EXPECT_EQ(r.ctl, nullptr) << script;
        EXPECT_EQ(pGUIControlRoot, nullptr) << script;
        size_t found = 0;
        for (size_t at = 0; (at = r.out.find("Script error in line 1\n", at)) != std::string::npos;
             ++at)
            ++found;
        EXPECT_EQ(found, static_cast<size_t>(errors)) << script << "\n" << r.out;
        EXPECT_EQ(why.rfind("Layout script error in line 1: ", 0), 0u) << script << "\n" << why;
        EXPECT_NE(why.substr(0, why.find('\n')).find(reason), std::string::npos) << script << "\n"
                                                                                 << why;
    }
    EXPECT_EQ(Load(overlong + ";").out, "Script load: " + Path() + "\nScript error in line 1\n");
}

// What the failing statement's ancestors built is taken away (the sanitizer
// build sees a leak or a double free); each ancestor reports the error again.
// Lines are counted by carriage returns only.
TEST_F(ScriptLoader, ErrorInTheThirdChildIsReportedByEveryEnclosingStatement) {
    std::string script = "Desktop(100,100)\r\n{\r\n"
                         " Bitmap[0,0,50,50](a) {\r\n"
                         "  Button[1,1](one) \"one\";\r\n"
                         "  Button[2,2](two) \"two\";\r\n"
                         "  Button[3,3](three;\r\n"
                         " };\r\n"
                         "};\r\n";
    auto r = Load(script);
    EXPECT_EQ(r.ctl, nullptr);
    EXPECT_EQ(pGUIControlRoot, nullptr);
    const std::string expectedEnd = "Control: Button\n pos: 3, 3\n"
                                    "Script error in line 6\n"  // the button's constructor
                                    "Script error in line 6\n"  // the button's statement
                                    "Script error in line 6\n"  // the bitmap's statement
                                    "Script error in line 6\n"; // the desktop's statement
    EXPECT_TRUE(r.out.ends_with(expectedEnd)) << r.out;
    std::erase(script, '\r');
    EXPECT_NE(Load(script).out.find("pos: 3, 3\nScript error in line 1\nScript error in line 1\n"),
              std::string::npos);
}

TEST_F(ScriptLoader, NestingIsBounded) {
    std::string open, close;
    for (int i = 0; i < 64; ++i) {
        open += "Bitmap(a){";
        close += "};";
    }
    auto ok = Load(open + "Button(x);" + close);
    ASSERT_NE(ok.ctl, nullptr);
    GUIControlDestroy(ok.ctl);

    EXPECT_EQ(Load("Bitmap(a){" + open + "Button(x);" + close + "};").ctl, nullptr);
    EXPECT_EQ(pGUIControlRoot, nullptr);
}

TEST_F(ScriptLoader, MissingFileSaysSoAndFoldersAreNoScripts) {
    auto missing = testsupport::LoadScriptFile(dir.Path("absent.scr"));
    EXPECT_EQ(missing.ctl, nullptr);
    EXPECT_EQ(missing.out, "Script load: " + dir.Path("absent.scr") + "\nsuxx\n");
    EXPECT_TRUE(testsupport::LoadScriptFile(dir.Path("")).out.ends_with("suxx\n"));
}

using ScriptWriter = ScriptLoader;

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
    auto r = Load("Desktop(640,480){"
                  " Bitmap[10,20,100,50](pic) \"backdrop\" {"
                  "  Button[1,2,30,10](OK) \"ok\";"
                  "  Button[5,25,30,10](Cancel);"
                  " };"
                  " View[200,0,100,100] { Button[0,0,50,150](Row) \"row\"; };"
                  "};");
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
