// The token routines on texts held in memory (no terminator, as a file is read).
#include <gtest/gtest.h>

#include <string>

#include "GUIScript.h"

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
    std::string Rest() const { return std::string(r_.pPos, r_.pEnd); }

  private:
    std::string text_;
    GUIScriptReader r_{};
};

TEST(ScriptReader, WordsAreCutToTheirBufferButConsumedWhole) {
    Reader r("Ab9\"x_y \"__a # b\r\n\" " + std::string(200, 'a') + " \"" + std::string(150, 'b') +
             "\";abc;  \"open");
    EXPECT_EQ(r.Word(), "Ab9\"x");
    EXPECT_EQ(r.Word(), "") << "an underscore ends a word before it starts";
    EXPECT_EQ(r.Rest().substr(0, 3), "_y ");
    EXPECT_EQ(GUIScriptGetChar(r), '_');
    EXPECT_EQ(r.Word(), "y");
    EXPECT_EQ(r.Word(), "__a # b\r\n");
    EXPECT_EQ(r->iLine, 1) << "a CR inside a string is not a line end";
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
}

TEST(ScriptReader, NumbersSkipOnlyTheirDigitsAndAreBounded) {
    Reader r("  42,007x");
    EXPECT_EQ(GUIScriptGetNumber(r), 42);
    EXPECT_EQ(GUIScriptGetChar(r), ',');
    EXPECT_EQ(GUIScriptGetNumber(r), 7);
    EXPECT_EQ(GUIScriptGetNumber(r), 0) << "no number: nothing consumed";
    EXPECT_EQ(r.Rest(), "x");

    Reader sign("-5]");
    EXPECT_EQ(GUIScriptGetNumber(sign), -5);
    EXPECT_EQ(sign.Rest(), "-5]") << "the sign stays, so the statement fails on it";

    Reader huge("99999999999;");
    EXPECT_EQ(GUIScriptGetNumber(huge), 1 << 20) << "cut to a million pixels";
    EXPECT_EQ(GUIScriptGetChar(huge), ';');

    Reader end("12345", 2);
    EXPECT_EQ(GUIScriptGetNumber(end), 123) << "nothing is read past the end";
    EXPECT_EQ(end->pPos, end->pEnd);
    EXPECT_EQ(GUIScriptGetNumber(end), 0);
}

} // namespace
