// The main window: builds the screen from the disc's layout, loads the
// settings and the catalogue, and hands every mouse, key, timer and paint
// message of the window to the toolkit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "GUIControl.h"
#include "GameCatalog.h"
#include "HostDialog.h"

inline constexpr const char *kLayoutFile = "_data/layout.scr";

class CGameDiscDlg : public host::CHostDialog {
  public:
    CGameDiscDlg() = default;

    // The start-up steps. Without a host (tests) the back buffer lives in
    // memory at the window's full size and no timer runs.
    bool OnInitDialog() override;
    void OnPaint() override;
    void OnMouseMove(uint32_t flags, int32_t x, int32_t y) override;
    void OnLButtonDown(uint32_t flags, int32_t x, int32_t y) override;
    void OnLButtonUp(uint32_t flags, int32_t x, int32_t y) override;
    void OnRButtonDown(uint32_t flags, int32_t x, int32_t y) override;
    void OnRButtonUp(uint32_t flags, int32_t x, int32_t y) override;
    void OnKeyDown(uint32_t virtualKey) override;
    void OnWindowTimer() override;
    void OnSearchCommand() override;
    void OnCancel() override;

    // False when the screen could not be built (no layout, a control missing).
    bool IsScreenReady() const { return m_bScreenReady; }

    GUIControl *m_pScreenRoot = nullptr;
    // Low byte of the previous mouse message's flag word.
    uint8_t m_nLastMouseFlags = 0;
    std::unique_ptr<CGameCatalog> m_pCatalog;

  private:
    bool BuildScreen();
    void ExplainMissingParts();
    // Remembers the flags and, when asked to, hands the message to the toolkit.
    void PassMouse(uint32_t flags, int32_t x, int32_t y, bool bForward);
    void LoadHotSyncFolder();
    void FillGameList();

    bool m_bScreenReady = false;
    // Failed file loads from this one on are the start-up's (the skin is
    // loaded after the dialog is made).
    int32_t m_iFirstFailedLoad = GfxAPIGetFailedLoadCount();
    // What the layout lacks, for the message that explains the screen.
    std::vector<std::string> m_problems;
};
