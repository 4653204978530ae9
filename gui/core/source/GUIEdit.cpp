// One-line text field: a fixed text buffer, editing with an in-text caret
// marker, and the script constructor of "Edit".
#include "GUIEdit.h"

#include <cstring>
#include <utility>

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIInputCodes.h"
#include "GUIScript.h"
#include "GUIText.h"

namespace {

constexpr char kMarker = '_';
constexpr int32_t kMaxLength = GUI_EDIT_TEXT_SIZE - 1;

enum EditKey : int32_t {
    KEY_FIRST_CHARACTER = 48,
    KEY_LAST_CHARACTER = 122,
};

GUIEdit *asEdit(GUIControl *ctl) {
    return GUIControlCast<GUIEdit>(ctl, sGUIEditType);
}

int32_t textLength(const GUIEdit *edit) {
    return static_cast<int32_t>(strnlen(edit->szText, kMaxLength));
}

void copyText(GUIEdit *edit, const char *text) {
    GUITextCopyString(edit->szText, sizeof edit->szText, text);
}

// Removes the character at index; the rest, terminator included, moves left.
void removeAt(GUIEdit *edit, int32_t index) {
    const int32_t length = textLength(edit);
    std::memmove(edit->szText + index, edit->szText + index + 1, length - index);
}

// Inserts a character before index; the caller checks that there is room.
void insertAt(GUIEdit *edit, int32_t index, char c) {
    const int32_t length = textLength(edit);
    std::memmove(edit->szText + index + 1, edit->szText + index, length - index + 1);
    edit->szText[index] = c;
}

// Puts the marker back into a text that was replaced while input was active,
// at the old caret or the text's end, whichever comes first. A full text has
// no room for it and ends input instead.
void restoreMarker(GUIEdit *edit) {
    const int32_t length = textLength(edit);
    if (length >= kMaxLength) {
        edit->bInputActive = 0;
        edit->iCaret = length;
        return;
    }
    if (edit->iCaret < 0 || edit->iCaret > length)
        edit->iCaret = length;
    insertAt(edit, edit->iCaret, kMarker);
}

bool hasCharacterAfterMarker(GUIEdit *edit) {
    return edit->iCaret < textLength(edit) - 1;
}

void backspace(GUIEdit *edit) {
    if (edit->iCaret == 0)
        return;
    removeAt(edit, edit->iCaret - 1);
    --edit->iCaret;
    GUIControlRedrawThis(&edit->oControl);
}

void moveLeft(GUIEdit *edit) {
    if (edit->iCaret <= 0)
        return;
    std::swap(edit->szText[edit->iCaret - 1], edit->szText[edit->iCaret]);
    --edit->iCaret;
    GUIControlRedrawThis(&edit->oControl);
}

void moveRight(GUIEdit *edit) {
    if (!hasCharacterAfterMarker(edit))
        return;
    std::swap(edit->szText[edit->iCaret], edit->szText[edit->iCaret + 1]);
    ++edit->iCaret;
    GUIControlRedrawThis(&edit->oControl);
}

void deleteAfterMarker(GUIEdit *edit) {
    if (!hasCharacterAfterMarker(edit))
        return;
    removeAt(edit, edit->iCaret + 1);
    GUIControlRedrawThis(&edit->oControl);
}

void typeCharacter(GUIEdit *edit, char c) {
    if (textLength(edit) >= kMaxLength)
        return;
    insertAt(edit, edit->iCaret, c);
    ++edit->iCaret;
    GUIControlRedrawThis(&edit->oControl);
}

} // namespace

extern "C" {

GUIControl *GUIEditFromScript(GUIControl *parent, GUIScriptReader *reader,
                              GUIControlScriptArgs *args) {
    char text[GUI_EDIT_TEXT_SIZE];
    if (!GUIScriptGetWordInParentheses(reader, text, sizeof text))
        return nullptr;
    return GUIEditNew(parent, &args->oRect, text);
}

GUIControl *GUIEditNew(GUIControl *parent, GUIRect *rect, const char *text) {
    return GUINewControl<GUIEdit>("gui\\core\\source\\GUIEdit", __LINE__, GUIEditInit, parent, rect,
                                  text);
}

void GUIEditInit(GUIControl *ctl, GUIControl *parent, GUIRect *rect, const char *text) {
    GUIControlInit(ctl, parent, rect);
    GUIEdit *edit = asEdit(ctl);
    copyText(edit, text);
    edit->iCaret = textLength(edit);
    edit->bFrame = 0;
    edit->bCentre = 1;
    edit->bEditable = 0;
    edit->bInputActive = 0;
    edit->bShowEnd = 0;
    ctl->Key = GUIEditKey;
    ctl->Mouse = GUIEditMouse;
    ctl->pType = &sGUIEditType;
    GUIControlApplySkin(pGUIEditSkinInit, ctl);
}

// A text of 127 characters leaves no room for the marker, so input stays off.
void GUIEditEnableInput(GUIControl *ctl) {
    GUIEdit *edit = asEdit(ctl);
    if (edit->bInputActive || !edit->bEditable)
        return;
    const int32_t length = textLength(edit);
    if (length >= kMaxLength)
        return;
    edit->bInputActive = 1;
    edit->iCaret = length;
    edit->szText[length] = kMarker;
    edit->szText[length + 1] = 0;
    GUIControlRedrawThis(ctl);
}

void GUIEditDisableInput(GUIControl *ctl) {
    GUIEdit *edit = asEdit(ctl);
    if (!edit->bInputActive)
        return;
    edit->bInputActive = 0;
    if (edit->iCaret >= 0 && edit->iCaret < textLength(edit))
        removeAt(edit, edit->iCaret);
    GUIControlRedrawThis(ctl);
}

// The caret and the input state stay as they were; while input is active the
// marker goes back into the new text so that editing can go on safely.
void GUIEditSet(GUIControl *ctl, const char *text) {
    GUIEdit *edit = asEdit(ctl);
    copyText(edit, text);
    if (edit->bInputActive)
        restoreMarker(edit);
    GUIControlSetEvent(ctl, GUI_EVENT_EDIT_CHANGED);
    GUIControlRedrawThis(ctl);
}

void GUIEditGet(GUIControl *ctl, char *buffer) {
    GUIEdit *edit = asEdit(ctl);
    const int32_t length = textLength(edit);
    if (!edit->bInputActive || edit->iCaret < 0 || edit->iCaret >= length) {
        std::memcpy(buffer, edit->szText, length + 1);
        return;
    }
    std::memcpy(buffer, edit->szText, edit->iCaret);
    std::memcpy(buffer + edit->iCaret, edit->szText + edit->iCaret + 1, length - edit->iCaret);
}

bool GUIEditKey(GUIControl *ctl, int32_t key, int32_t) {
    GUIEdit *edit = asEdit(ctl);
    if (!edit->bInputActive)
        GUIEditEnableInput(ctl);
    if (!edit->bInputActive)
        return false;
    switch (key) {
    case GUI_KEY_BACKSPACE:
        backspace(edit);
        return true;
    case GUI_KEY_RETURN:
        GUIEditDisableInput(ctl);
        GUIControlSetEvent(ctl, GUI_EVENT_EDIT_CHANGED);
        return true;
    case GUI_KEY_LEFT:
        moveLeft(edit);
        return true;
    case GUI_KEY_RIGHT:
        moveRight(edit);
        return true;
    case GUI_KEY_DELETE:
        deleteAfterMarker(edit);
        return true;
    default:
        break;
    }
    if (key < KEY_FIRST_CHARACTER || key > KEY_LAST_CHARACTER)
        return false;
    typeCharacter(edit, static_cast<char>(key));
    return true;
}

void GUIEditMouse(GUIControl *ctl, int32_t, int32_t, uint8_t buttons, uint8_t changed,
                  uint8_t inside) {
    if (inside && GUIMousePressed(buttons, changed, GUI_MOUSE_LEFT))
        GUIEditEnableInput(ctl);
}

} // extern "C"
