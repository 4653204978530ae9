// The layout editor's properties window: one control's identifier, position,
// size and caption in edit fields, set on the control with "Apply".
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <span>

#include "GUIButton.h"
#include "GUICheck.h"
#include "GUIEdit.h"
#include "GUIEditor.h"
#include "GUIInputCodes.h"
#include "GUIModule.h"
#include "GUIText.h"
#include "GUIWindow.h"

namespace {

constexpr const char *kSourceName = "gui\\core\\source\\GUIEditorProperties";

enum Field { kIdentifier, kLeft, kTop, kWidth, kHeight, kCaption, kFieldCount };
constexpr const char *kLabels[kFieldCount] = {"Identifier", "Left",   "Top",
                                              "Width",      "Height", "Caption"};
constexpr const char *kFieldIDs[kFieldCount] = {"__editor_id",     "__editor_left",
                                                "__editor_top",    "__editor_width",
                                                "__editor_height", "__editor_caption"};

constexpr int32_t kWindowWidth = 260;
constexpr int32_t kMargin = 8;
constexpr int32_t kLabelWidth = 80;
constexpr int32_t kRowHeight = 26;
constexpr int32_t kFieldHeight = 22;
constexpr int32_t kButtonWidth = 100;
constexpr int32_t kButtonHeight = 28;

GUIControl *pWindow = nullptr; // the open properties window
GUIControl *pEdited = nullptr; // the control it shows

// The caption buffer of the types that show one; empty for the others.
std::span<char> captionOf(GUIControl *ctl) {
    if (ctl->pType == &sGUIButtonType)
        return reinterpret_cast<GUIButton *>(ctl)->szCaption;
    if (ctl->pType == &sGUICheckType)
        return reinterpret_cast<GUICheck *>(ctl)->szCaption;
    if (ctl->pType == &sGUIEditType)
        return reinterpret_cast<GUIEdit *>(ctl)->szText;
    if (ctl->pType == &sGUIWindowType)
        return reinterpret_cast<GUIWindow *>(ctl)->szTitle;
    return {};
}

// Replaces the identifier with a checked-allocator copy of text; an empty
// text leaves the control without one.
void setIdentifier(GUIControl *ctl, const char *text) {
    if (ctl->pszID) {
        __dfree(ctl->pszID);
        ctl->pszID = nullptr;
    }
    const size_t size = std::strlen(text) + 1;
    if (size == 1)
        return;
    auto *copy = static_cast<char *>(__dalloc(static_cast<uint32_t>(size), kSourceName, __LINE__));
    if (copy)
        std::memcpy(copy, text, size);
    ctl->pszID = copy;
}

// Only one field takes keys at a time: a press on a field ends input on the others.
void fieldMouse(GUIControl *self, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                uint8_t inside) {
    if (inside && GUIMousePressed(buttons, changed, GUI_MOUSE_LEFT))
        for (GUIControl *c = self->pParent->pFirstChild; c; c = c->pNext)
            if (c != self && c->pType == &sGUIEditType)
                GUIEditDisableInput(c);
    GUIEditMouse(self, x, y, buttons, changed, inside);
}

GUIEdit *addText(GUIControl *window, GUIRect rect, const char *text) {
    auto *edit = reinterpret_cast<GUIEdit *>(GUIEditNew(window, &rect, text));
    if (edit)
        edit->bCentre = 0;
    return edit;
}

void addField(GUIControl *window, Field field, int32_t top, const char *value) {
    addText(window, {kMargin, kMargin + kLabelWidth, top, top + kFieldHeight}, kLabels[field]);
    GUIEdit *edit = addText(
        window, {kMargin + kLabelWidth, kWindowWidth - kMargin, top, top + kFieldHeight}, value);
    if (!edit)
        return;
    edit->bEditable = 1;
    edit->bFrame = 1;
    edit->oControl.Mouse = fieldMouse;
    setIdentifier(&edit->oControl, kFieldIDs[field]);
}

// The skin may give buttons a size of its own; a right-aligned one is placed
// by the size it has.
void addButton(GUIControl *window, bool rightAligned, int32_t top, const char *caption,
               const char *id) {
    GUIRect rect{kMargin, kMargin + kButtonWidth, top, top + kButtonHeight};
    GUIControl *button = GUIButtonNew(window, &rect, caption);
    if (!button)
        return;
    setIdentifier(button, id);
    if (rightAligned)
        GUIControlSetPos(button, kWindowWidth - kMargin - button->iWidth, top);
}

// Builds the rows below the heading and returns the height the window needs.
int32_t fillWindow(GUIWindow *window, GUIControl *ctl) {
    GUIControl *frame = &window->oControl;
    const int32_t clientTop = window->iBorder + window->iTitleHeight;
    char heading[GUI_EDIT_TEXT_SIZE];
    std::snprintf(heading, sizeof heading, "Properties of %s",
                  ctl->pType ? ctl->pType->pszName : "a control");
    addText(frame, {0, 0, 0, 0}, heading); // the first child fills the client area
    const std::span<char> caption = captionOf(ctl);
    const int32_t values[] = {ctl->iLeft, ctl->iTop, ctl->iWidth, ctl->iHeight};
    int32_t top = clientTop + kMargin + kRowHeight;
    addField(frame, kIdentifier, top, ctl->pszID ? ctl->pszID : "");
    for (int field = kLeft; field <= kHeight; ++field) {
        top += kRowHeight;
        char number[16];
        std::snprintf(number, sizeof number, "%d", values[field - kLeft]);
        addField(frame, static_cast<Field>(field), top, number);
    }
    if (!caption.empty()) {
        top += kRowHeight;
        addField(frame, kCaption, top, caption.data());
    }
    top += kRowHeight + kMargin;
    addButton(frame, false, top, "   Apply", "__editor_apply");
    addButton(frame, true, top, "   Close", "__window_close");
    return top + kButtonHeight + kMargin + window->iBorder;
}

void fieldText(GUIControl *window, Field field, char (&text)[GUI_EDIT_TEXT_SIZE]) {
    text[0] = 0;
    GUIControl *edit = GUIControlGetByID(window, kFieldIDs[field]);
    if (edit && edit->pType == &sGUIEditType)
        GUIEditGet(edit, text);
}

// A whole number of the field, or the current value with a message on
// anything else; sizes must not be negative.
int32_t fieldNumber(GUIControl *window, Field field, int32_t current) {
    char text[GUI_EDIT_TEXT_SIZE];
    fieldText(window, field, text);
    const char *end = text + std::strlen(text);
    int32_t value = 0;
    const auto result = std::from_chars(text, end, value);
    const bool isSize = field == kWidth || field == kHeight;
    if (result.ec != std::errc{} || result.ptr != end || (isSize && value < 0)) {
        std::fprintf(stderr, "Properties: \"%s\" is not a valid %s; kept %d\n", text,
                     kLabels[field], current);
        return current;
    }
    return value;
}

void apply(GUIControl *window) {
    if (!pEdited) {
        std::fprintf(stderr, "Properties: the control was deleted; nothing applied\n");
        return;
    }
    GUIControl *ctl = pEdited;
    const int32_t left = fieldNumber(window, kLeft, ctl->iLeft);
    const int32_t top = fieldNumber(window, kTop, ctl->iTop);
    const int32_t width = fieldNumber(window, kWidth, ctl->iWidth);
    const int32_t height = fieldNumber(window, kHeight, ctl->iHeight);
    GUIControlSetPos(ctl, left, top);
    GUIControlSetSize(ctl, width, height);
    char text[GUI_EDIT_TEXT_SIZE];
    fieldText(window, kIdentifier, text);
    setIdentifier(ctl, text);
    const std::span<char> caption = captionOf(ctl);
    if (!caption.empty()) {
        fieldText(window, kCaption, text);
        GUITextCopyString(caption.data(), caption.size(), text);
    }
    GUIControlRedrawThis(ctl);
}

} // namespace

extern "C" {

void GUIEditorPropertiesOpen(GUIControl *ctl, int32_t x, int32_t y) {
    if (pWindow)
        GUIControlDestroy(pWindow);
    GUIControl *root = pGUIControlRoot;
    if (!root)
        return;
    GUIRect rect{0, kWindowWidth, 0, 0};
    auto *window = reinterpret_cast<GUIWindow *>(GUIWindowNew(root, &rect, "Properties"));
    if (!window)
        return;
    pWindow = &window->oControl;
    pEdited = ctl;
    const int32_t height = fillWindow(window, ctl);
    GUIControlSetSize(pWindow, kWindowWidth, height);
    // Where the menu was, moved in so that the whole window shows.
    GUIControlSetPos(pWindow, std::clamp(x, 0, std::max(0, root->iWidth - kWindowWidth)),
                     std::clamp(y, 0, std::max(0, root->iHeight - height)));
    pWindow->OnPublicEvent = GUIEditorPropertiesHandler;
}

int32_t GUIEditorPropertiesHandler(GUIControl *window, GUIControl *sender, int32_t event) {
    if (event == GUI_EVENT_BUTTON_CLICKED && sender->pszID &&
        std::strcmp(sender->pszID, "__editor_apply") == 0)
        apply(window);
    return 0;
}

void GUIEditorPropertiesForget(GUIControl *ctl) {
    if (pEdited == ctl)
        pEdited = nullptr;
    if (pWindow == ctl) {
        pWindow = nullptr;
        pEdited = nullptr;
    }
}

} // extern "C"
