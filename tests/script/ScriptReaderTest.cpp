// The token routines on texts held in memory (no terminator, as a file is read).
#include <gtest/gtest.h>

#include <string>

#include "GUIScript.h"

namespace {

class Reader {
  public:
    explicit Reader(std::string text) : text_(std::move(text)) {
        r_.pBuffer = text_.data();
        r_.pPos = text_.data();
        r_.pEnd = text_.data() + text_.size();
        r_.iLine = 1;
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

TEST(ScriptReader, BlanksAndCommentsAreSkippedAndOnlyCarriageReturnsCountLines) {
    Reader r(" \t\r\n# comment [ still comment\r\n  \n\t# last comment\r[");
    EXPECT_EQ(GUIScriptPeek(r), '[');
    EXPECT_EQ(r->iLine, 4);
    EXPECT_EQ(GUIScriptGetChar(r), '[');
    EXPECT_EQ(GUIScriptGetChar(r), 0);

    Reader lf("\n\n# comment\n\n;");
    EXPECT_EQ(GUIScriptGetChar(lf), 0) << "an LF-only comment runs to the end of the text";
    EXPECT_EQ(lf->iLine, 1);
}

TEST(ScriptReader, EndOfTextYieldsZeroWithoutMoving) {
    Reader r("  ");
    EXPECT_EQ(GUIScriptPeek(r), 0);
    EXPECT_EQ(GUIScriptGetChar(r), 0);
    EXPECT_EQ(r->pPos, r->pEnd);
    EXPECT_EQ(r.Word(), "");
    EXPECT_EQ(GUIScriptGetNumber(r), 0);
    EXPECT_EQ(r->pPos, r->pEnd);
}

TEST(ScriptReader, WordsAreLettersDigitsAndQuotes) {
    Reader r("Ab9\"x_y -z");
    EXPECT_EQ(r.Word(), "Ab9\"x");
    EXPECT_EQ(r.Rest(), "_y -z");
    EXPECT_EQ(r.Word(), "") << "an underscore ends a word before it starts";
    EXPECT_EQ(GUIScriptGetChar(r), '_');
    EXPECT_EQ(r.Word(), "y");
    EXPECT_EQ(r.Word(), "");
    EXPECT_EQ(GUIScriptGetChar(r), '-');
}

TEST(ScriptReader, QuotedStringsKeepEverythingUpToTheClosingQuote) {
    Reader r("\"__window_close # not a comment\r\n\" ;");
    EXPECT_EQ(r.Word(), "__window_close # not a comment\r\n");
    EXPECT_EQ(r->iLine, 1) << "a CR inside a string is not a line end";
    EXPECT_EQ(GUIScriptGetChar(r), ';');

    Reader open("  \"runs to the end");
    EXPECT_EQ(open.Word(), "runs to the end");
    EXPECT_EQ(open->pPos, open->pEnd);
}

TEST(ScriptReader, LongWordsAndStringsAreCutButConsumedWhole) {
    Reader r(std::string(200, 'a') + " \"" + std::string(150, 'b') + "\";");
    EXPECT_EQ(r.Word(), std::string(127, 'a'));
    EXPECT_EQ(r.Word(6), "bbbbb");
    EXPECT_EQ(GUIScriptGetChar(r), ';');

    Reader tiny("abc;");
    char one = '?';
    GUIScriptGetWord(tiny, &one, 1);
    EXPECT_EQ(one, 0);
    EXPECT_EQ(GUIScriptGetChar(tiny), ';');
}

TEST(ScriptReader, NumbersSkipOnlyTheirDigits) {
    Reader r("  42,007x");
    EXPECT_EQ(GUIScriptGetNumber(r), 42);
    EXPECT_EQ(GUIScriptGetChar(r), ',');
    EXPECT_EQ(GUIScriptGetNumber(r), 7);
    EXPECT_EQ(r.Rest(), "x");
    EXPECT_EQ(GUIScriptGetNumber(r), 0) << "no number: nothing consumed";
    EXPECT_EQ(r.Rest(), "x");

    Reader sign("-5]");
    EXPECT_EQ(GUIScriptGetNumber(sign), -5);
    EXPECT_EQ(sign.Rest(), "-5]") << "the sign stays, so the statement fails on it";

    Reader huge("99999999999;");
    EXPECT_EQ(GUIScriptGetNumber(huge), 1 << 20) << "cut to a million pixels";
    EXPECT_EQ(GUIScriptGetChar(huge), ';');
}

TEST(ScriptReader, NumberAtTheVeryEndReadsNoFurther) {
    std::string text = "12345";
    GUIScriptReader r{text.data(), text.data(), text.data() + 3, 1};
    EXPECT_EQ(GUIScriptGetNumber(&r), 123);
    EXPECT_EQ(r.pPos, r.pEnd);
}

} // namespace
