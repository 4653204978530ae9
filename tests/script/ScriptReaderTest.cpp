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

} // namespace
