// Edit field: input with the in-text marker, the keys it takes and refuses,
// read-only fields, full fields and bounded texts.
#include <string>

#include "ControlTestSupport.h"
#include "GUIEdit.h"

using testsupport::eventsOf;

namespace {

enum Key : int32_t { kBackspace = 8, kEnter = 13, kArrowLeft = 37, kArrowRight = 39, kDelete = 46 };

// An editable field holding "abc" at (10, 20) of the recording root.
class EditField : public testsupport::RootTest {
  protected:
    GUIControl *field = nullptr;

    GUIControl *makeField(const char *text, bool editable) {
        GUIRect rect{10, 210, 20, 48};
        GUIControl *ctl = GUIEditNew(&root, &rect, text);
        edit(ctl)->bEditable = editable ? 1 : 0;
        return ctl;
    }
    void SetUp() override {
        RootTest::SetUp();
        field = makeField("abc", true);
    }

    static GUIEdit *edit(GUIControl *ctl) { return reinterpret_cast<GUIEdit *>(ctl); }
    std::string text() const { return edit(field)->szText; }
    bool pressKey(int32_t key) { return field->Key(field, key, 0); }
};

TEST_F(EditField, TypingSequenceEditsAroundTheMarker) {
    press(15, 25);
    EXPECT_EQ(text(), "abc_");
    EXPECT_EQ(edit(field)->iCaret, 3);
    const std::pair<int32_t, const char *> steps[] = {{'d', "abcd_"},
                                                      {kArrowLeft, "abc_d"},
                                                      {kBackspace, "ab_d"},
                                                      {kDelete, "ab_"},
                                                      {kArrowRight, "ab_"}};
    for (const auto &[key, after] : steps) {
        EXPECT_TRUE(pressKey(key)) << key;
        EXPECT_EQ(text(), after);
    }
    EXPECT_EQ(edit(field)->iCaret, 2) << "the marker stays before the end";
    EXPECT_EQ(eventsOf(field), std::vector<int32_t>{GUI_EVENT_CREATED}) << "no event while typing";
    EXPECT_TRUE(pressKey(kEnter));
    EXPECT_EQ(text(), "ab");
    EXPECT_EQ(edit(field)->bInputActive, 0);
    EXPECT_EQ(eventsOf(field).back(), GUI_EVENT_EDIT_CHANGED);
}

// A read-only field takes no key and no click.
TEST_F(EditField, OnlyItsOwnKeysAndCharactersAreTaken) {
    EXPECT_FALSE(pressKey(32)) << "any key starts input, but a space is not taken";
    EXPECT_EQ(edit(field)->bInputActive, 1);
    for (int32_t key = 0; key < 48; ++key) {
        if (key != kBackspace && key != kEnter && key != kArrowLeft && key != kArrowRight &&
            key != kDelete) {
            EXPECT_FALSE(pressKey(key)) << key;
        }
    }
    EXPECT_TRUE(pressKey(48));
    EXPECT_EQ(text(), "abc0_");

    field = makeField("label", false);
    for (int32_t key : {8, 13, 37, 39, 46, 120})
        EXPECT_FALSE(pressKey(key)) << key;
    press(15, 25);
    EXPECT_EQ(text(), "label");
}

// A too long text leaves no room for the marker. A long UTF-8 name keeps whole
// characters; a Windows-1252 text, whose bytes are characters, is cut at the byte.
TEST_F(EditField, FullFieldRefusesCharactersButStillEditsAndLongTextsAreCutBetweenCharacters) {
    GUIEditSet(field, std::string(126, 'q').c_str());
    GUIEditEnableInput(field);
    EXPECT_TRUE(pressKey('x'));
    EXPECT_EQ(text(), std::string(126, 'q') + "_");
    EXPECT_TRUE(pressKey(kArrowLeft));
    EXPECT_TRUE(pressKey(kBackspace));
    EXPECT_TRUE(pressKey(kArrowRight));
    EXPECT_EQ(text(), std::string(125, 'q') + "_");

    EXPECT_TRUE(pressKey(kEnter));
    const std::string latin1 = "x" + std::string(70, '\xd0') + std::string(70, '\x96');
    GUIEditSet(field, latin1.c_str());
    GUIEditEnableInput(field);
    EXPECT_EQ(edit(field)->bInputActive, 0);
    EXPECT_FALSE(pressKey('a'));
    EXPECT_EQ(text(), latin1.substr(0, 127));
    std::string cyrillic;
    for (int i = 0; i < 70; ++i)
        cyrillic += "\xd0\x96"; // a two-byte letter; 127 bytes end inside the 64th
    GUIEditSet(field, ("x" + cyrillic).c_str());
    EXPECT_EQ(text(), "x" + cyrillic.substr(0, 63 * 2));
}

} // namespace
