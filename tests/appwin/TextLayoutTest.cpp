// The description's word wrap.
#include "ScreenFixture.h"

using namespace screentest;

namespace {

int32_t Width(const std::string &text) {
    return GfxAPITextGetWidth(text.c_str(), pGUISkinFont);
}

using Rows_ = std::vector<std::string>;

class WordWrapTest : public ScreenTest {
  protected:
    // A list of the given width as the only control, measured in the skin's font.
    Rows_ Wrap(const std::string &text, int32_t width) {
        GfxAPIInit(nullptr, kMainWindowWidth, kMainWindowHeight);
        if (pGUIControlRoot)
            GUIControlDestroy(pGUIControlRoot);
        GUIRect rect{0, width, 0, 0};
        GUIControl *list = GUIListNew(nullptr, &rect);
        WordWrapIntoList(list, text.c_str());
        return Rows(list);
    }
};

TEST_F(WordWrapTest, RowsBreakBeforeTheWordThatReachesTheWidthAndLongTextsAreCut) {
    EXPECT_TRUE(Wrap("", 100).empty());
    EXPECT_EQ(Wrap("one two six", Width("one two six") + 1), Rows_{"one two six"});
    EXPECT_EQ(Wrap("one two six", Width("one two six")), (Rows_{"one two", "six"}));
    // Two paragraphs narrower than the list run together: the line ends are blanks.
    const std::string paragraphs = "First part.\n\nSecond part.";
    EXPECT_EQ(Wrap(paragraphs, Width("First part.  Second part.") + 1),
              Rows_{"First part.  Second part."});
    // At a paragraph break the next row starts with the next paragraph's first
    // word; the row keeps the first line end, before the second, as a blank.
    EXPECT_EQ(Wrap(paragraphs, Width("Second part.") + 1), (Rows_{"First part. ", "Second part."}));
    // Narrower than any character: one on each row, and wrapping ends.
    EXPECT_EQ(Wrap("abc", 1), (Rows_{"a", "b", "c"}));

    // Runs longer than the row buffer are cut.
    const Rows_ rows = Wrap(std::string(700, 'x') + " end", 1000000);
    EXPECT_EQ(rows, (Rows_{std::string(255, 'x'), std::string(255, 'x'),
                           std::string(190, 'x') + " end"}));

    // A huge text stops at the row limit with a row saying so.
    std::string text;
    for (int32_t i = 0; i < 2 * kMaxWrappedRows; ++i)
        text += "row\n";
    const Rows_ limited = Wrap(text, Width("row row") - 1);
    ASSERT_EQ(limited.size(), static_cast<size_t>(kMaxWrappedRows) + 1);
    EXPECT_EQ(limited[kMaxWrappedRows - 1], "row");
    EXPECT_EQ(limited.back(), kTextContinuesRow);
}

} // namespace
