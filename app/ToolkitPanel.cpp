#include "ToolkitPanel.h"

#include <chrono>
#include <sstream>
#include <utility>

#include "GUIButton.h"
#include "GUIEdit.h"
#include "GUIScript.h"
#include "GUIWindow.h"
#include "HostWindow.h"
#include "PanelLayouts.h"
#include "VirtualKeys.h"

namespace {

// How long one wait for the window's events lasts while a panel is open.
constexpr std::chrono::milliseconds kServeWait{50};

CKeyGrab *pActiveKeyGrab = nullptr;

// Builds the controls of a layout script held in memory inside parent.
GUIControl *CreateFromText(GUIControl *pParent, std::string strScript) {
    GUIScriptReader reader{nullptr, strScript.data(), strScript.data() + strScript.size(), 1};
    return GUIControlCreateFromScript(pParent, &reader);
}

class CToolkitMessageBox final : public CToolkitPanel {
  public:
    explicit CToolkitMessageBox(std::string strText)
        : CToolkitPanel(kMessageBoxLayout), m_strText(std::move(strText)) {}

    void OnGrabbedKey(int32_t key) override {
        if (key == host::vk::kReturn || key == host::vk::kEscape)
            Finish();
    }

  private:
    bool SetUpParts() override {
        GUIControl *pText = Part("text", sGUIEditType);
        m_pOk = Part("ok", sGUIButtonType);
        if (!pText || !m_pOk)
            return false;
        GUIEditSet(pText, m_strText.c_str());
        return true;
    }

    void OnPartEvent(GUIControl *pSender, int32_t iEvent) override {
        if (pSender == m_pOk && iEvent == GUI_EVENT_BUTTON_CLICKED)
            Finish();
    }

    std::string m_strText;
    GUIControl *m_pOk = nullptr;
};

} // namespace

bool GiveToKeyGrab(int32_t key) {
    if (!pActiveKeyGrab)
        return false;
    pActiveKeyGrab->OnGrabbedKey(key);
    return true;
}

std::optional<int32_t> TranslateKey(uint32_t virtualKey) {
    if (virtualKey == host::vk::kShift)
        return std::nullopt;
    if (virtualKey >= host::vk::kLetterA && virtualKey < host::vk::kLetterA + 26)
        return static_cast<int32_t>(virtualKey + ('a' - 'A'));
    return static_cast<int32_t>(virtualKey);
}

void RouteKeyDown(uint32_t virtualKey, GUIControl *pRoot) {
    const std::optional<int32_t> key = TranslateKey(virtualKey);
    if (!key)
        return;
    if (!GiveToKeyGrab(*key) && pRoot)
        GUIControlShareKey(pRoot, *key, 0);
}

ServeWindow ServeActiveHost() {
    return [] {
        host::CHostWindow *pWindow = host::CHostWindow::Active();
        if (!pWindow)
            return false;
        pWindow->WaitAndPumpEvents(kServeWait);
        return !pWindow->IsModalEnded();
    };
}

CToolkitPanel::CToolkitPanel(const char *pszLayout) : m_pszLayout(pszLayout) {}

CToolkitPanel::~CToolkitPanel() {
    Close();
}

bool CToolkitPanel::Run(const ServeWindow &serveWindow) {
    if (!pGUIControlRoot || !Open())
        return false;
    m_pPreviousGrab = std::exchange(pActiveKeyGrab, this);
    while (!m_bDone && serveWindow()) {
    }
    pActiveKeyGrab = m_pPreviousGrab;
    Close();
    return true;
}

GUIControl *CToolkitPanel::Part(const char *pszID, const GUIControlType &type) const {
    GUIControl *pPart = GUIControlGetByID(m_pWindow, pszID);
    return pPart && pPart->pType == &type ? pPart : nullptr;
}

// The cover spans the whole root and draws nothing: the screen stays visible
// and every click outside the window ends on it.
bool CToolkitPanel::Open() {
    GUIControl *pRoot = pGUIControlRoot;
    GUIRect screen{0, pRoot->iWidth, 0, pRoot->iHeight};
    m_cover.pOwner = this;
    GUIControlInit(&m_cover.oControl, pRoot, &screen);
    m_cover.oControl.OnPublicEvent = OnCoverEvent;
    m_bOpen = true;
    m_pWindow = CreateFromText(&m_cover.oControl, m_pszLayout);
    if (!m_pWindow || m_pWindow->pType != &sGUIWindowType || !SetUpParts()) {
        Close();
        return false;
    }
    m_bReady = true;
    GUIControlRedrawThis(&m_cover.oControl);
    return true;
}

void CToolkitPanel::Close() {
    if (!m_bOpen)
        return;
    m_bOpen = false;
    m_bReady = false;
    m_cover.oControl.Remove(&m_cover.oControl);
    m_pWindow = nullptr;
}

// The panel keeps its parts' events: nothing of it reaches the screen's handler.
int32_t CToolkitPanel::OnCoverEvent(GUIControl *pSelf, GUIControl *pSender, int32_t iEvent) {
    CToolkitPanel &owner = *reinterpret_cast<CoverControl *>(pSelf)->pOwner;
    if (owner.m_bReady)
        owner.OnPartEvent(pSender, iEvent);
    return 0;
}

bool ShowToolkitMessageBox(const std::string &strText, const ServeWindow &serveWindow) {
    // The box's text field holds one line: a longer message comes a box a line.
    std::istringstream lines(strText);
    for (std::string strLine; std::getline(lines, strLine);) {
        CToolkitMessageBox box(strLine);
        if (!box.Run(serveWindow))
            return false;
    }
    return true;
}
