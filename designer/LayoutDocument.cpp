#include "LayoutDocument.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "GUIEditor.h"
#include "GUIScript.h"

namespace {

// A desktop larger than this is no screen; the editor would not fit the
// toolkit's coordinates either.
constexpr int32_t kMaxDesktopSide = 32767;

bool Expect(GUIScriptReader &reader, char wanted) {
    return GUIScriptGetChar(&reader) == wanted;
}

// The desktop ignores its rectangle part; it is read over and dropped.
bool SkipRectangle(GUIScriptReader &reader) {
    if (GUIScriptPeek(&reader) != '[')
        return true;
    for (char c = GUIScriptGetChar(&reader); c != ']'; c = GUIScriptGetChar(&reader))
        if (c == '\0')
            return false;
    return true;
}

// The reason and line the loader reported first, else the reader's line.
std::string LoadError(const std::filesystem::path &path, const GUIScriptReader &reader) {
    const bool bHasReason = szGUIScriptFirstError[0] != '\0';
    const int32_t iLine = bHasReason ? iGUIScriptFirstErrorLine : reader.iLine;
    std::string strError =
        path.filename().string() + " does not load.\nLine " + std::to_string(iLine);
    if (bHasReason)
        strError += std::string(": ") + szGUIScriptFirstError;
    return strError;
}

} // namespace

bool CLayoutDocument::Load(const std::filesystem::path &path, GUIControl *pHost,
                           int32_t iDefaultWidth, int32_t iDefaultHeight, std::string &error) {
    m_path = path;
    m_desktop.reset();
    szGUIScriptFirstError[0] = '\0';
    GUIScriptReader reader;
    if (!GUIScriptOpen(&reader, path.c_str())) {
        error = path.filename().string() + " cannot be read.\n" + path.parent_path().string();
        return false;
    }
    const size_t size = static_cast<size_t>(reader.pEnd - reader.pBuffer);
    m_strLineEnd = std::memchr(reader.pBuffer, '\r', size) ? "\r\n" : "\n";
    const bool bLoaded = LoadStatements(reader, pHost, iDefaultWidth, iDefaultHeight, error);
    if (!bLoaded) {
        if (error.empty())
            error = LoadError(path, reader);
        if (m_pEditor)
            GUIControlDestroy(m_pEditor);
        m_pEditor = nullptr;
    }
    GUIScriptClose(&reader);
    return bLoaded;
}

bool CLayoutDocument::LoadStatements(GUIScriptReader &reader, GUIControl *pHost,
                                     int32_t iDefaultWidth, int32_t iDefaultHeight,
                                     std::string &error) {
    char szKeyword[GUI_SCRIPT_WORD_SIZE];
    GUIScriptGetWord(&reader, szKeyword, sizeof szKeyword);
    if (std::strcmp(szKeyword, "Desktop") != 0) {
        reader.pPos = reader.pBuffer;
        reader.iLine = 1;
        GUIRect rect{0, iDefaultWidth, 0, iDefaultHeight};
        m_pEditor = GUIEditorNew(pHost, &rect);
        return m_pEditor && GUIControlCreateFromScript(m_pEditor, &reader);
    }
    DesktopHead head;
    const bool bSized = SkipRectangle(reader) && Expect(reader, '(') &&
                        (head.iWidth = GUIScriptGetNumber(&reader), Expect(reader, ',')) &&
                        (head.iHeight = GUIScriptGetNumber(&reader), Expect(reader, ')'));
    if (!bSized || head.iWidth <= 0 || head.iHeight <= 0 || head.iWidth > kMaxDesktopSide ||
        head.iHeight > kMaxDesktopSide) {
        GUIScriptErrorWhy(&reader, "a desktop needs (width, height) of 1 to 32767 pixels");
        return false;
    }
    if (GUIScriptPeek(&reader) == '"') {
        char szID[GUI_SCRIPT_WORD_SIZE];
        GUIScriptGetWord(&reader, szID, sizeof szID);
        head.strID = szID;
    }
    m_desktop = head;
    GUIRect rect{0, head.iWidth, 0, head.iHeight};
    m_pEditor = GUIEditorNew(pHost, &rect);
    if (!m_pEditor) {
        error = "There is no memory left for the layout.";
        return false;
    }
    return ReadDesktopBlock(reader);
}

bool CLayoutDocument::ReadDesktopBlock(GUIScriptReader &reader) {
    if (GUIScriptPeek(&reader) != '{') {
        if (GUIScriptPeek(&reader) == ';')
            GUIScriptGetChar(&reader);
        return true;
    }
    GUIScriptGetChar(&reader);
    while (GUIScriptPeek(&reader) != '}')
        if (!GUIControlCreateFromScript(m_pEditor, &reader))
            return false;
    GUIScriptGetChar(&reader);
    if (Expect(reader, ';'))
        return true;
    GUIScriptErrorWhy(&reader, "missing \";\" after \"}\"");
    return false;
}

CLayoutText CLayoutDocument::Write() const {
    CLayoutWriter writer(m_strLineEnd);
    const GUIControl *pFirst = m_pEditor ? ScriptChildren(m_pEditor) : nullptr;
    if (m_desktop) {
        writer.WriteDesktop(m_desktop->iWidth, m_desktop->iHeight,
                            m_desktop->strID.empty() ? nullptr : m_desktop->strID.c_str(), pFirst);
        return writer.Take();
    }
    for (const GUIControl *pControl = pFirst; pControl; pControl = NextScriptSibling(pControl))
        writer.WriteStatement(pControl, 0);
    CLayoutText text = writer.Take();
    if (pFirst && NextScriptSibling(pFirst))
        text.m_warnings.push_back("Without a desktop only the first control loads");
    return text;
}

bool CLayoutDocument::Save(CLayoutText &text, std::string &error) const {
    text = Write();
    std::filesystem::path temporary = m_path;
    temporary += ".saving";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (file)
            file << text.m_strText;
        if (!file || !file.flush()) {
            error = m_path.filename().string() + " cannot be written:\n" + std::strerror(errno);
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code failure;
    std::filesystem::rename(temporary, m_path, failure);
    if (failure) {
        error = m_path.filename().string() + " cannot be written:\n" + failure.message();
        std::filesystem::remove(temporary, failure);
        return false;
    }
    return true;
}
