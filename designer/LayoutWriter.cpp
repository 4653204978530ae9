#include "LayoutWriter.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "GUIBitmap.h"
#include "GUIButton.h"
#include "GUICheck.h"
#include "GUICombo.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIScrollBar.h"
#include "GUISeparator.h"
#include "GUISheet.h"
#include "GUIWindow.h"

namespace {

bool IsWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '"';
}

// A text that the loader reads back whole as a bare word: word characters
// only, and not starting with the quote that would open a quoted string.
bool IsBareWord(const char *pszText) {
    return pszText[0] != '\0' && pszText[0] != '"' &&
           std::all_of(pszText, pszText + std::strlen(pszText), IsWordChar);
}

bool IsWritten(const GUIControl *pChild) {
    return pChild->bAllocated && !pChild->bPartOfParent;
}

const GUIControl *FirstWritten(const GUIControl *pControl) {
    while (pControl && !IsWritten(pControl))
        pControl = pControl->pNext;
    return pControl;
}

std::string EditText(const GUIControl *pEdit) {
    char szText[GUI_EDIT_TEXT_SIZE];
    GUIEditGet(const_cast<GUIControl *>(pEdit), szText);
    return szText;
}

std::string Describe(const GUIControl *pControl) {
    std::string strName = pControl->pType ? pControl->pType->pszName : "control of no type";
    if (pControl->pszID)
        strName += std::string(" \"") + pControl->pszID + "\"";
    return strName;
}

const char *Orientation(uint8_t bVertical) {
    return bVertical ? "Vertical" : "Horizontal";
}

// The one word or quoted string a type reads in parentheses, if it reads one.
std::optional<std::string> WordArgument(const GUIControl *pControl) {
    const GUIControlType *pType = pControl->pType;
    if (pType == &sGUIBitmapType)
        return reinterpret_cast<const GUIBitmap *>(pControl)->szFile;
    if (pType == &sGUIButtonType)
        return reinterpret_cast<const GUIButton *>(pControl)->szCaption;
    if (pType == &sGUICheckType)
        return reinterpret_cast<const GUICheck *>(pControl)->szCaption;
    if (pType == &sGUIEditType)
        return EditText(pControl);
    if (pType == &sGUIScrollBarType)
        return Orientation(reinterpret_cast<const GUIScrollBar *>(pControl)->bVertical);
    if (pType == &sGUISeparatorType)
        return Orientation(reinterpret_cast<const GUISeparator *>(pControl)->bVertical);
    if (pType == &sGUISheetType)
        return reinterpret_cast<const GUISheet *>(pControl)->szName;
    if (pType == &sGUIWindowType)
        return reinterpret_cast<const GUIWindow *>(pControl)->szTitle;
    return std::nullopt;
}

} // namespace

const GUIControl *ScriptChildren(const GUIControl *pControl) {
    return pControl->pChildHost ? FirstWritten(pControl->pChildHost->pFirstChild) : nullptr;
}

const GUIControl *NextScriptSibling(const GUIControl *pChild) {
    return FirstWritten(pChild->pNext);
}

void CLayoutWriter::Warn(std::string strWarning) {
    m_result.m_warnings.push_back(std::move(strWarning));
}

void CLayoutWriter::Indent(int depth) {
    m_result.m_strText.append(static_cast<size_t>(depth), '\t');
}

// Texts are quoted; one holding a quote goes bare when it reads back whole.
void CLayoutWriter::WriteWord(const char *pszText) {
    if (std::strchr(pszText, '"') && IsBareWord(pszText))
        m_result.m_strText += pszText;
    else
        WriteQuoted(pszText, "text");
}

// A quoted string has no escapes, so a quote inside it cannot be kept.
void CLayoutWriter::WriteQuoted(const char *pszText, const char *pszWhat) {
    std::string strText = pszText;
    if (strText.find('"') != std::string::npos) {
        Warn(std::string("Quotes left out of the ") + pszWhat + " " + strText);
        std::erase(strText, '"');
    }
    m_result.m_strText += '"' + strText + '"';
}

void CLayoutWriter::WriteArguments(const GUIControl *pControl) {
    const GUIControlType *pType = pControl->pType;
    std::string &text = m_result.m_strText;
    if (const std::optional<std::string> word = WordArgument(pControl)) {
        text += '(';
        WriteWord(word->c_str());
        text += ')';
    } else if (pType == &sGUIComboType) {
        const auto *pCombo = reinterpret_cast<const GUICombo *>(pControl);
        auto *pList = const_cast<GUIControl *>(&pCombo->oDropList.oControl);
        text += '(';
        WriteWord(EditText(&pCombo->oEdit.oControl).c_str());
        for (int32_t i = 0; i < pCombo->oDropList.aszText.iCount; ++i) {
            text += ',';
            const char *pszItem = GUIListGet(pList, i);
            WriteWord(pszItem ? pszItem : "");
        }
        text += ')';
    }
}

void CLayoutWriter::WriteChildren(const GUIControl *pFirstChild, int depth) {
    if (!pFirstChild)
        return;
    m_result.m_strText += m_strLineEnd;
    Indent(depth);
    m_result.m_strText += '{' + m_strLineEnd;
    for (const GUIControl *pChild = pFirstChild; pChild; pChild = NextScriptSibling(pChild))
        WriteStatement(pChild, depth + 1);
    Indent(depth);
    m_result.m_strText += '}';
}

// What follows a statement's arguments: its identifier, if any, its block and the ';'.
void CLayoutWriter::FinishStatement(const char *pszID, const GUIControl *pFirstChild, int depth) {
    if (pszID) {
        m_result.m_strText += ' ';
        WriteQuoted(pszID, "identifier");
    }
    WriteChildren(pFirstChild, depth);
    m_result.m_strText += ';' + m_strLineEnd;
}

// Numbers are read without a sign, so a control dragged past its parent's
// left or top edge is written at the edge.
void CLayoutWriter::WriteStatement(const GUIControl *pControl, int depth) {
    if (!pControl->pType || !pControl->pType->FromScript) {
        Warn(Describe(pControl) + " left out: no layout statement makes it");
        return;
    }
    if (pControl->iLeft < 0 || pControl->iTop < 0)
        Warn("the " + Describe(pControl) +
             " was moved to its parent's edge: " + "a layout holds no negative positions");
    const auto clamp = [](int32_t value) { return std::to_string(std::max(value, 0)); };
    Indent(depth);
    m_result.m_strText += std::string(pControl->pType->pszName) + '[' + clamp(pControl->iLeft) +
                          ',' + clamp(pControl->iTop) + ',' + clamp(pControl->iWidth) + ',' +
                          clamp(pControl->iHeight) + ']';
    WriteArguments(pControl);
    FinishStatement(pControl->pszID, ScriptChildren(pControl), depth);
}

void CLayoutWriter::WriteDesktop(int32_t iWidth, int32_t iHeight, const char *pszID,
                                 const GUIControl *pFirstChild) {
    m_result.m_strText += "Desktop(" + std::to_string(iWidth) + ',' + std::to_string(iHeight) + ')';
    FinishStatement(pszID, pFirstChild, 0);
}
