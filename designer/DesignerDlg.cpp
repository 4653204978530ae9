#include "DesignerDlg.h"

#include <iostream>

#include "GUIButton.h"
#include "GUIDesktop.h"
#include "GUIEdit.h"
#include "GUISkin.h"
#include "GUIView.h"
#include "HostWindow.h"
#include "PlatformServices.h"
#include "ScreenMetrics.h"
#include "ToolkitPanel.h"
#include "VirtualKeys.h"

namespace {

constexpr int32_t kBarMargin = 4;
constexpr int32_t kButtonTop = 2;
constexpr int32_t kStatusTop = 5;
constexpr int32_t kStatusHeight = 22;

// The root's event handler has no room for a context; one designer runs at a time.
CDesignerDlg *pRunningDesigner = nullptr;

} // namespace

bool CDesignerDlg::OnInitDialog() {
    host::CHostWindow *pHost = Host();
    host::ClientSize client{kMainWindowWidth, kMainWindowHeight};
    if (pHost) {
        pHost->SetOuterSize(kMainWindowWidth, kMainWindowHeight);
        client = pHost->GetClientSize();
    }
    GfxAPIInit(pHost ? pHost->NativeHandle() : nullptr, client.width, client.height);
    m_pRoot = GUIDesktopNew(client.width, client.height);
    pRunningDesigner = this;
    m_pRoot->OnPublicEvent = OnRootEvent;
    BuildBar(client.width);
    GUIRect area{0, client.width, kDesignerBarHeight, client.height};
    auto *pView = reinterpret_cast<GUIView *>(GUIViewNew(m_pRoot, &area));
    std::string strError;
    if (!m_document.Load(m_layout, &pView->oPane, client.width - GUI_VIEW_BAR_SIZE,
                         client.height - kDesignerBarHeight - GUI_VIEW_BAR_SIZE, strError)) {
        m_iExitStatus = 1;
        GUIControlRedrawThis(m_pRoot);
        Tell(strError);
        EndDialog(m_iExitStatus);
        return true;
    }
    m_strSavedText = m_document.Write().m_strText;
    GUIControlRedrawThis(m_pRoot);
    if (pHost)
        pHost->SetTimer(kTickPeriod);
    return true;
}

void CDesignerDlg::BuildBar(int32_t iWidth) {
    GUIRect save{kBarMargin, kBarMargin + GUI_SKIN_BUTTON_WIDTH, kButtonTop, kDesignerBarHeight};
    m_pSaveButton = GUIButtonNew(m_pRoot, &save, "Save layout");
    const int32_t iQuitLeft = save.iRight + kBarMargin;
    GUIRect quit{iQuitLeft, iQuitLeft + GUI_SKIN_BUTTON_WIDTH, kButtonTop, kDesignerBarHeight};
    m_pQuitButton = GUIButtonNew(m_pRoot, &quit, "Quit");
    const int32_t iStatusLeft = quit.iRight + kBarMargin;
    GUIRect status{iStatusLeft, iWidth - kBarMargin, kStatusTop, kStatusTop + kStatusHeight};
    m_pStatus = GUIEditNew(m_pRoot, &status, m_layout.filename().c_str());
    reinterpret_cast<GUIEdit *>(m_pStatus)->bCentre = 0;
}

int32_t CDesignerDlg::OnRootEvent(GUIControl *, GUIControl *pSender, int32_t iEvent) {
    CDesignerDlg *pDesigner = pRunningDesigner;
    if (!pDesigner || iEvent != GUI_EVENT_BUTTON_CLICKED)
        return 0;
    if (pSender == pDesigner->m_pSaveButton)
        pDesigner->SaveLayout();
    else if (pSender == pDesigner->m_pQuitButton)
        pDesigner->Quit();
    return 0;
}

bool CDesignerDlg::SaveLayout() {
    CLayoutText text;
    std::string strError;
    if (!m_document.Save(text, strError)) {
        SetStatus("Not saved");
        Tell(strError);
        return false;
    }
    m_strSavedText = text.m_strText;
    m_bWarnedUnsaved = false;
    SetStatus("Saved " + m_document.Path().filename().string());
    if (!text.m_warnings.empty()) {
        std::string strMessage = "Saved with these changes:";
        for (const std::string &strWarning : text.m_warnings)
            strMessage += "\n" + strWarning;
        Tell(strMessage);
    }
    return true;
}

void CDesignerDlg::Quit() {
    if (!m_bWarnedUnsaved && m_document.Editor() &&
        m_document.Write().m_strText != m_strSavedText) {
        m_bWarnedUnsaved = true;
        SetStatus("Not saved: quit again to drop the changes");
        Tell("Not saved: quit again to drop the changes.");
        return;
    }
    EndDialog(m_iExitStatus);
}

void CDesignerDlg::SetStatus(const std::string &strText) {
    if (m_pStatus)
        GUIEditSet(m_pStatus, strText.c_str());
}

// The desktop's message box, else boxes drawn with the toolkit (an X server
// without core fonts has no other), which hold one line each; the text goes
// to standard error as well.
void CDesignerDlg::Tell(const std::string &strText) {
    std::cerr << "quelmara-designer: " << strText << '\n';
    if (Host() && !host::ShowMessageBox(strText))
        ShowToolkitMessageBox(strText, ServeActiveHost());
}

void CDesignerDlg::OnPaint() {
    if (m_pRoot)
        GUIControlRedrawThis(m_pRoot);
}

// Removals asked for by the editor (a deleted control, a chosen menu) happen
// after each mouse message, so a deleted control goes at once.
void CDesignerDlg::PassMouse(uint32_t flags, int32_t x, int32_t y) {
    const auto buttons = static_cast<uint8_t>(flags);
    const auto changed = static_cast<uint8_t>(buttons ^ m_nLastMouseFlags);
    m_nLastMouseFlags = buttons;
    if (m_pRoot)
        GUIControlMouse(m_pRoot, x, y, buttons, changed, 1);
    GUIControlUpdate();
}

void CDesignerDlg::OnMouseMove(uint32_t flags, int32_t x, int32_t y) {
    PassMouse(flags, x, y);
}

void CDesignerDlg::OnLButtonDown(uint32_t flags, int32_t x, int32_t y) {
    PassMouse(flags, x, y);
}

void CDesignerDlg::OnLButtonUp(uint32_t flags, int32_t x, int32_t y) {
    PassMouse(flags, x, y);
}

void CDesignerDlg::OnRButtonDown(uint32_t flags, int32_t x, int32_t y) {
    PassMouse(flags, x, y);
}

void CDesignerDlg::OnRButtonUp(uint32_t flags, int32_t x, int32_t y) {
    PassMouse(flags, x, y);
}

// Keys go to an open toolkit message box, else to the tree (the save
// dialog's file name field, the properties window).
void CDesignerDlg::OnKeyDown(uint32_t virtualKey) {
    RouteKeyDown(virtualKey, m_pRoot);
}

void CDesignerDlg::OnSearchCommand() {
    GiveToKeyGrab(host::vk::kReturn);
}

void CDesignerDlg::OnCancel() {
    if (!GiveToKeyGrab(host::vk::kEscape))
        Quit();
}

void CDesignerDlg::OnWindowTimer() {
    if (m_pRoot)
        GUIControlOnTimer(m_pRoot);
}
