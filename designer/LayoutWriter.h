// Writes controls back as layout script with everything a type reads from its
// statement (captions, file names, texts, items, orientation, names, sizes),
// so that the text loads back to the same tree. Embedded parts of composite
// controls are left out: their owners make them again.
#pragma once

#include <string>
#include <vector>

#include "GUIControl.h"

struct CLayoutText {
    std::string m_strText;
    // What the script form cannot hold and was changed to fit (a negative
    // position, a quote inside a text, a control of no scriptable type).
    std::vector<std::string> m_warnings;
};

class CLayoutWriter {
  public:
    // strLineEnd: "\r\n" or "\n"; the loader counts lines by CR only, so CR LF
    // keeps its error lines right.
    explicit CLayoutWriter(std::string strLineEnd) : m_strLineEnd(std::move(strLineEnd)) {}

    // pControl and everything inside it as one statement at the given depth.
    void WriteStatement(const GUIControl *pControl, int depth);
    // A desktop root of the given size holding the list that starts at
    // pFirstChild, the first of the script's children as ScriptChildren gives it.
    void WriteDesktop(int32_t iWidth, int32_t iHeight, const char *pszID,
                      const GUIControl *pFirstChild);

    CLayoutText Take() { return std::move(m_result); }

  private:
    void WriteArguments(const GUIControl *pControl);
    void WriteChildren(const GUIControl *pFirstChild, int depth);
    void FinishStatement(const char *pszID, const GUIControl *pFirstChild, int depth);
    void WriteWord(const char *pszText);
    void WriteQuoted(const char *pszText, const char *pszWhat);
    void Indent(int depth);
    void Warn(std::string strWarning);

    std::string m_strLineEnd;
    CLayoutText m_result;
};

// The controls a statement lists inside its braces: those the script put in
// its child host, without the parts the control embeds. Null when none.
const GUIControl *ScriptChildren(const GUIControl *pControl);
// The next control of such a list after pChild.
const GUIControl *NextScriptSibling(const GUIControl *pChild);
