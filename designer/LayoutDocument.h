// A layout file opened for editing. The controls of a layout go inside an
// editor: a leading Desktop statement is read here (a desktop would make
// itself the toolkit's root), the editor takes its size, and the statements of
// its block are created into the editor. A layout without a desktop is one
// statement, created into an editor of the size it is given.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "GUIControl.h"
#include "LayoutWriter.h"

class CLayoutDocument {
  public:
    // Loads the file into a new editor, child of pHost at (0, 0); defaultSize
    // is the editor's size when the layout has no desktop. False with the
    // reason and its line in error when the file does not load; whatever was
    // built is removed again.
    bool Load(const std::filesystem::path &path, GUIControl *pHost, int32_t iDefaultWidth,
              int32_t iDefaultHeight, std::string &error);

    // The edited layout as script text, in the file's own line ends.
    CLayoutText Write() const;
    // Writes it back to the loaded file through a temporary file beside it, so
    // that a failed write leaves the old file as it was. False with the reason
    // in error.
    bool Save(CLayoutText &text, std::string &error) const;

    GUIControl *Editor() const { return m_pEditor; }
    const std::filesystem::path &Path() const { return m_path; }

  private:
    struct DesktopHead {
        int32_t iWidth = 0;
        int32_t iHeight = 0;
        std::string strID;
    };

    bool LoadStatements(GUIScriptReader &reader, GUIControl *pHost, int32_t iDefaultWidth,
                        int32_t iDefaultHeight, std::string &error);
    bool ReadDesktopBlock(GUIScriptReader &reader);

    std::filesystem::path m_path;
    std::optional<DesktopHead> m_desktop;
    std::string m_strLineEnd = "\r\n";
    GUIControl *m_pEditor = nullptr;
};
