// Edit field: input with the in-text marker, the keys it takes and refuses,
// read-only fields, full fields and bounded texts.
#include <string>

#include "GUIEdit.h"
#include "GUIList.h"
#include "ScrollViewFixture.h"

using controltest::eventsOf;

namespace {

class EditField : public controltest::RootFixture {
  protected:
    GUIControl *field = nullptr;

    GUIControl *makeField(const char *text, bool editable) {
        GUIRect rect{10, 210, 20, 48};
        GUIControl *ctl = GUIEditNew(&root, &rect, text);
        edit(ctl)->bEditable = editable ? 1 : 0;
        return ctl;
    }
    void SetUp() override {
        RootFixture::SetUp();
        field = makeField("abc", true);
    }

    static GUIEdit *edit(GUIControl *ctl) { return reinterpret_cast<GUIEdit *>(ctl); }
    std::string text() const { return reinterpret_cast<GUIEdit *>(field)->szText; }
    int32_t caret() const { return reinterpret_cast<GUIEdit *>(field)->iCaret; }
    bool pressKey(int32_t key) { return field->Key(field, key, 0); }
    std::string got() const {
        char buffer[GUI_EDIT_TEXT_SIZE];
        GUIEditGet(field, buffer);
        return buffer;
    }
};

TEST_F(EditField, TypingSequenceEditsAroundTheMarker) {
    EXPECT_EQ(eventsOf(field), std::vector<int32_t>{GUI_EVENT_CREATED});
    GUIEditEnableInput(field);
    EXPECT_EQ(text(), "abc_");
    EXPECT_EQ(caret(), 3);
    EXPECT_TRUE(pressKey('d'));
    EXPECT_EQ(text(), "abcd_");
    EXPECT_TRUE(pressKey(37));
    EXPECT_EQ(text(), "abc_d");
    EXPECT_TRUE(pressKey(8));
    EXPECT_EQ(text(), "ab_d");
    EXPECT_EQ(caret(), 2);
    EXPECT_EQ(got(), "abd");
    EXPECT_TRUE(pressKey(46));
    EXPECT_EQ(text(), "ab_");
    EXPECT_TRUE(eventsOf(field).size() == 1) << "no event while typing";
    EXPECT_TRUE(pressKey(13));
    EXPECT_EQ(text(), "ab");
    EXPECT_EQ(edit(field)->bInputActive, 0);
    EXPECT_EQ(eventsOf(field).back(), GUI_EVENT_EDIT_CHANGED);
    EXPECT_EQ(got(), "ab");
}

TEST_F(EditField, KeysAtTheEndsAreSwallowedWithoutChange) {
    GUIEditEnableInput(field);
    EXPECT_TRUE(pressKey(39));
    EXPECT_TRUE(pressKey(46));
    EXPECT_EQ(text(), "abc_");
    for (int i = 0; i < 3; ++i)
        pressKey(37);
    EXPECT_EQ(text(), "_abc");
    EXPECT_TRUE(pressKey(37));
    EXPECT_TRUE(pressKey(8));
    EXPECT_EQ(text(), "_abc");
    EXPECT_TRUE(pressKey(39));
    EXPECT_EQ(text(), "a_bc");
}

TEST_F(EditField, AnyKeyActivatesAnEditableFieldButOnlyItsKeysAreTaken) {
    EXPECT_FALSE(pressKey(32));
    EXPECT_EQ(edit(field)->bInputActive, 1);
    EXPECT_EQ(text(), "abc_");
    for (int32_t key = 0; key < 48; ++key) {
        if (key == 8 || key == 13 || key == 37 || key == 39 || key == 46)
            continue;
        EXPECT_FALSE(pressKey(key)) << key;
    }
    EXPECT_FALSE(pressKey(123));
    EXPECT_FALSE(pressKey(255));
    EXPECT_EQ(text(), "abc_");
    EXPECT_TRUE(pressKey('0'));
    EXPECT_TRUE(pressKey('z'));
    EXPECT_TRUE(pressKey('A'));
    EXPECT_EQ(text(), "abc0zA_");
}

TEST_F(EditField, ClickActivatesOnlyWhenTheLeftButtonGoesDownOverIt) {
    field->Mouse(field, 5, 5, 1, 1, 0);
    field->Mouse(field, 5, 5, 1, 0, 1);
    field->Mouse(field, 5, 5, 2, 2, 1);
    EXPECT_EQ(edit(field)->bInputActive, 0);
    field->Mouse(field, 5, 5, 1, 1, 1);
    EXPECT_EQ(edit(field)->bInputActive, 1);
    EXPECT_EQ(text(), "abc_");
    field->Mouse(field, 5, 5, 1, 1, 1);
    EXPECT_EQ(text(), "abc_") << "a second click adds no second marker";
}

TEST_F(EditField, ReadOnlyFieldIgnoresKeysAndClicks) {
    GUIControl *label = makeField("label", false);
    field = label;
    for (int32_t key : {8, 13, 37, 39, 46, 120, 32})
        EXPECT_FALSE(pressKey(key)) << key;
    label->Mouse(label, 5, 5, 1, 1, 1);
    GUIEditEnableInput(label);
    EXPECT_EQ(edit(label)->bInputActive, 0);
    EXPECT_EQ(text(), "label");
    EXPECT_EQ(eventsOf(label), std::vector<int32_t>{GUI_EVENT_CREATED});

    GUIEditSet(label, "new");
    EXPECT_EQ(text(), "new");
    EXPECT_EQ(eventsOf(label).back(), GUI_EVENT_EDIT_CHANGED);
}

TEST_F(EditField, KeysOfferedThroughTheTreePassFieldsThatDoNotTakeThem) {
    GUIRect listRect{10, 210, 60, 60};
    GUIControl *list = GUIListNew(&root, &listRect);
    GUIListAdd(list, "one");
    GUIControl *label = makeField("label", false); // front-most: offered keys first
    EXPECT_TRUE(GUIControlShareKey(&root, 40, 0));
    EXPECT_EQ(reinterpret_cast<GUIList *>(list)->iSelected, 0);
    EXPECT_EQ(std::string(edit(label)->szText), "label");
    EXPECT_TRUE(GUIControlShareKey(&root, 'x', 0));
    EXPECT_EQ(text(), "abcx_") << "the editable field at the back took it";
    press(15, 25);
    EXPECT_EQ(edit(label)->bInputActive, 0) << "a click on the label activates nothing";
}

TEST_F(EditField, FullFieldRefusesCharactersButStillEdits) {
    GUIEditSet(field, std::string(126, 'q').c_str());
    GUIEditEnableInput(field);
    ASSERT_EQ(text().size(), 127u);
    EXPECT_TRUE(pressKey('x'));
    EXPECT_EQ(text(), std::string(126, 'q') + "_");
    EXPECT_TRUE(pressKey(37));
    EXPECT_EQ(caret(), 125);
    EXPECT_TRUE(pressKey(8));
    EXPECT_EQ(text().size(), 126u);
    EXPECT_TRUE(pressKey(39));
    EXPECT_EQ(caret(), 125);
    EXPECT_EQ(text(), std::string(125, 'q') + "_");
    EXPECT_TRUE(pressKey('x'));
    EXPECT_EQ(text(), std::string(125, 'q') + "x_");
}

TEST_F(EditField, TooLongTextsAreCutToTheBuffer) {
    const std::string longText(300, 'w');
    GUIRect rect{0, 100, 0, 28};
    GUIControl *ctl = GUIEditNew(&root, &rect, longText.c_str());
    EXPECT_EQ(std::string(edit(ctl)->szText), longText.substr(0, 127));
    GUIEditSet(field, longText.c_str());
    EXPECT_EQ(text(), longText.substr(0, 127));
    // A full text leaves no byte for the marker: input stays off.
    GUIEditEnableInput(field);
    EXPECT_EQ(edit(field)->bInputActive, 0);
    EXPECT_FALSE(pressKey('a'));
    EXPECT_EQ(got(), longText.substr(0, 127));
}

TEST_F(EditField, SetWhileEditingKeepsTheMarkerInTheNewText) {
    GUIEditEnableInput(field);
    pressKey(37);
    pressKey(37);
    GUIEditSet(field, "xy");
    EXPECT_EQ(edit(field)->bInputActive, 1);
    EXPECT_EQ(caret(), 1);
    EXPECT_EQ(text(), "x_y");
    EXPECT_EQ(got(), "xy");
    GUIEditSet(field, "");
    EXPECT_EQ(text(), "_");
    EXPECT_EQ(caret(), 0);
    GUIEditDisableInput(field);
    EXPECT_EQ(text(), "");
    GUIEditDisableInput(field);
    EXPECT_EQ(text(), "");
}

} // namespace
