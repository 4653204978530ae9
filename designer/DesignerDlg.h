// The designer's window: a bar with "Save layout", "Quit" and a status line
// above a scrolling view that holds the layout inside an editor.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "GUIControl.h"
#include "HostDialog.h"
#include "LayoutDocument.h"

inline constexpr int32_t kDesignerBarHeight = 32;

class CDesignerDlg : public host::CHostDialog {
  public:
    explicit CDesignerDlg(std::filesystem::path layout) : m_layout(std::move(layout)) {}

    // Without a host (tests) the back buffer lives in memory only.
    bool OnInitDialog() override;
    void OnPaint() override;
    void OnMouseMove(uint32_t flags, int32_t x, int32_t y) override;
    void OnLButtonDown(uint32_t flags, int32_t x, int32_t y) override;
    void OnLButtonUp(uint32_t flags, int32_t x, int32_t y) override;
    void OnRButtonDown(uint32_t flags, int32_t x, int32_t y) override;
    void OnRButtonUp(uint32_t flags, int32_t x, int32_t y) override;
    void OnKeyDown(uint32_t virtualKey) override;
    void OnWindowTimer() override;
    // Return: OK of an open toolkit message box.
    void OnSearchCommand() override;
    // Escape or the close box: closes an open toolkit message box, else as Quit.
    void OnCancel() override;

    // Writes the edited layout back to its file; false when it could not.
    bool SaveLayout();
    // Ends the designer, unless the layout has changes that are not saved
    // and this is the first try: then it says so and the next try ends it.
    void Quit();

    const CLayoutDocument &Document() const { return m_document; }
    // The process's exit status: 0 after an ordinary end, 1 when the layout
    // could not be opened.
    int ExitStatus() const { return m_iExitStatus; }

  private:
    void BuildBar(int32_t iWidth);
    void PassMouse(uint32_t flags, int32_t x, int32_t y);
    void SetStatus(const std::string &strText);
    void Tell(const std::string &strText);
    static int32_t OnRootEvent(GUIControl *pSelf, GUIControl *pSender, int32_t iEvent);

    std::filesystem::path m_layout;
    CLayoutDocument m_document;
    GUIControl *m_pRoot = nullptr;
    GUIControl *m_pSaveButton = nullptr;
    GUIControl *m_pQuitButton = nullptr;
    GUIControl *m_pStatus = nullptr;
    uint8_t m_nLastMouseFlags = 0;
    int m_iExitStatus = 0;
    // The layout as written when it was opened or last saved.
    std::string m_strSavedText;
    bool m_bWarnedUnsaved = false;
};
