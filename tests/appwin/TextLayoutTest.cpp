// The description's word wrap and the line-by-line texts of the info and
// author edits.
#include "ScreenFixture.h"

#include <algorithm>

using namespace screentest;

namespace {

int32_t Width(const std::string &text) {
    return GfxAPITextGetWidth(text.c_str(), pGUISkinFont);
}

class WordWrapTest : public ScreenTest {
  protected:
    // A list of the given width as the only control, measured in the skin's font.
    std::vector<std::string> Wrap(const std::string &text, int32_t width) {
        GfxAPIInit(nullptr, 800, 620);
        if (pGUIControlRoot)
            testsupport::RemoveAndFree(pGUIControlRoot);
        GUIRect rect{0, width, 0, 0};
        GUIControl *list = GUIListNew(nullptr, &rect);
        Width("");
        WordWrapIntoList(list, text.c_str());
        return Rows(list);
    }

    static std::string WithoutBreaks(std::string text) {
        std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\r'; });
        return text;
    }

    static std::string Joined(const std::vector<std::string> &rows) {
        std::string all;
        for (const std::string &row : rows)
            all += row;
        return all;
    }
};

TEST_F(WordWrapTest, ShortTextsStayOnOneRow) {
    EXPECT_TRUE(Wrap("", 100).empty());
    EXPECT_EQ(Wrap("one two six", Width("one two six") + 1),
              std::vector<std::string>{"one two six"});
    // Two paragraphs narrower than the list run together: the line ends are blanks.
    const int32_t both = Width("First part.  Second part.") + 1;
    EXPECT_EQ(Wrap("First part.\n\nSecond part.", both),
              std::vector<std::string>{"First part.  Second part."});
}

TEST_F(WordWrapTest, RowsBreakBeforeTheWordThatReachesTheWidth) {
    EXPECT_EQ(Wrap("one two six", Width("one two six")),
              (std::vector<std::string>{"one two", "six"}));
    // At a paragraph break the next row starts with the next paragraph's first
    // word; the row keeps the first line end, before the second, as a blank.
    EXPECT_EQ(Wrap("First part.\n\nSecond part.", Width("Second part.") + 1),
              (std::vector<std::string>{"First part. ", "Second part."}));
}

TEST_F(WordWrapTest, AWordWiderThanTheListIsCutAcrossRows) {
    const std::string text = "tiny " + std::string(60, 'w') + " tiny";
    const int32_t width = Width("wwwwwwww");
    const std::vector<std::string> rows = Wrap(text, width);
    EXPECT_EQ(rows.front(), "tiny");
    EXPECT_EQ(WithoutBreaks(Joined(rows)), WithoutBreaks(text));
    for (const std::string &row : rows)
        EXPECT_LT(Width(row), width) << row;

    // Cut between characters, never inside one.
    std::string accents;
    for (int i = 0; i < 30; ++i)
        accents += "\xC3\xA9";
    for (const std::string &row : Wrap(accents, Width("\xC3\xA9\xC3\xA9\xC3\xA9") + 1))
        EXPECT_EQ(row, "\xC3\xA9\xC3\xA9\xC3\xA9");
    // Narrower than any character: one on each row, and wrapping ends.
    EXPECT_EQ(Wrap("abc", 1), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(WordWrapTest, RunsLongerThanTheRowBufferAreCut) {
    const std::string run(700, 'x');
    const std::vector<std::string> rows = Wrap(run + " end", 1000000);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], std::string(255, 'x'));
    EXPECT_EQ(rows[1], std::string(255, 'x'));
    EXPECT_EQ(rows[2], std::string(190, 'x') + " end");

    // Words fit, but not all of them in one buffer: the row ends at the last word that did.
    std::string words = "word";
    for (int i = 0; i < 60; ++i)
        words += " word";
    for (const std::string &row : Wrap(words, 1000000)) {
        EXPECT_LE(row.size(), 255u);
        EXPECT_FALSE(row.ends_with(' '));
        EXPECT_FALSE(row.starts_with(' '));
    }
}

TEST_F(ScreenTest, ShowTextLineFillsOneEditAndMovesToTheNextLine) {
    StartWithSettings();
    const char *text = "first\n\rsecond\rline\nthird";
    const char *rest = ShowTextLine("info0", text);
    EXPECT_EQ(Text("info0"), "first");
    EXPECT_STREQ(rest, "second\rline\nthird");
    rest = ShowTextLine("info1", rest);
    EXPECT_EQ(Text("info1"), "second\rline");
    // No edit of that name: only the position moves on.
    rest = ShowTextLine("nowhere", rest);
    EXPECT_STREQ(rest, "");
    GUIEditSet(Find("info2"), "old");
    EXPECT_EQ(ShowTextLine("info2", rest), rest);
    EXPECT_EQ(Text("info2"), "");

    // A line longer than the buffers is cut, and the next one still follows it.
    const std::string longLine = std::string(400, 'L') + "\nnext";
    EXPECT_STREQ(ShowTextLine("info3", longLine.c_str()), "next");
    EXPECT_EQ(Text("info3"), std::string(GUI_EDIT_TEXT_SIZE - 1, 'L'));
}

} // namespace
