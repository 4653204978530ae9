#include "ToolkitPanel.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "GUIButton.h"
#include "GUIEdit.h"
#include "GUISkin.h"
#include "HostWindow.h"
#include "ScreenMetrics.h"
#include "VirtualKeys.h"

namespace {

// How long one wait for the window's events lasts while a panel is open.
constexpr std::chrono::milliseconds kServeWait{50};

constexpr int32_t kTitleHeight = 32;
constexpr int32_t kTitleIndent = 14;

// Colours as the back buffer holds them (0x00RRGGBB); text takes 0x00BBGGRR.
constexpr uint32_t kPanelTopColour = 0x27373E;
constexpr uint32_t kPanelBottomColour = 0x202E35;
constexpr uint32_t kTitleTopColour = 0x356267;
constexpr uint32_t kTitleBottomColour = 0x204248;
constexpr uint32_t kOutlineColour = 0x070C0F;
constexpr uint32_t kRimColour = 0x5C7880;
constexpr uint32_t kWellColour = 0x111A1F;
constexpr uint32_t kTextColour = 0xFFFFFF;

// The message box: its size, centred on the 800 × 620 screen, and its parts.
constexpr int32_t kMessageWidth = 360;
constexpr int32_t kMessageHeight = 140;
constexpr GUIRect kMessageRect{
    (kMainWindowWidth - kMessageWidth) / 2, (kMainWindowWidth + kMessageWidth) / 2,
    (kMainWindowHeight - kMessageHeight) / 2, (kMainWindowHeight + kMessageHeight) / 2};
constexpr GUIRect kMessageText{16, kMessageWidth - 16, 50, 78};
constexpr GUIRect kMessageOk{(kMessageWidth - GUI_SKIN_BUTTON_WIDTH) / 2,
                             (kMessageWidth + GUI_SKIN_BUTTON_WIDTH) / 2, 94, 122};
constexpr const char *kMessageTitle = "Quelmara";

int32_t WidthOf(const GUIRect &rect) {
    return rect.iRight - rect.iLeft;
}

int32_t HeightOf(const GUIRect &rect) {
    return rect.iBottom - rect.iTop;
}

// A surface whose pixels this module owns, made in memory rather than loaded.
class COwnedSurface {
  public:
    COwnedSurface(int32_t iWidth, int32_t iHeight)
        : m_pixels(static_cast<std::size_t>(std::max(iWidth, 0)) * std::max(iHeight, 0)) {
        m_surface.pPixels = m_pixels.data();
        m_surface.iBmpWidth = std::max(iWidth, 0);
        m_surface.iBmpHeight = std::max(iHeight, 0);
    }
    COwnedSurface(const COwnedSurface &) = delete;
    COwnedSurface &operator=(const COwnedSurface &) = delete;

    GfxSurface *Get() { return &m_surface; }
    int32_t Width() const { return m_surface.iBmpWidth; }
    int32_t Height() const { return m_surface.iBmpHeight; }
    uint32_t &At(int32_t x, int32_t y) {
        return m_pixels[static_cast<std::size_t>(y) * m_surface.iBmpWidth + x];
    }

    void Fill(const GUIRect &rect, uint32_t colour) {
        for (int32_t y = std::max(rect.iTop, 0); y < std::min(rect.iBottom, Height()); ++y)
            for (int32_t x = std::max(rect.iLeft, 0); x < std::min(rect.iRight, Width()); ++x)
                At(x, y) = colour;
    }
    void Frame(const GUIRect &rect, uint32_t colour) {
        Fill({rect.iLeft, rect.iRight, rect.iTop, rect.iTop + 1}, colour);
        Fill({rect.iLeft, rect.iRight, rect.iBottom - 1, rect.iBottom}, colour);
        Fill({rect.iLeft, rect.iLeft + 1, rect.iTop, rect.iBottom}, colour);
        Fill({rect.iRight - 1, rect.iRight, rect.iTop, rect.iBottom}, colour);
    }
    void VerticalGradient(const GUIRect &rect, uint32_t top, uint32_t bottom) {
        const int32_t iSteps = std::max(HeightOf(rect) - 1, 1);
        for (int32_t y = rect.iTop; y < rect.iBottom; ++y)
            Fill({rect.iLeft, rect.iRight, y, y + 1}, Mix(top, bottom, y - rect.iTop, iSteps));
    }

  private:
    static uint32_t Mix(uint32_t first, uint32_t second, int32_t iStep, int32_t iSteps) {
        uint32_t mixed = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const auto a = static_cast<int32_t>((first >> shift) & 0xFF);
            const auto b = static_cast<int32_t>((second >> shift) & 0xFF);
            mixed |= static_cast<uint32_t>(a + (b - a) * iStep / iSteps) << shift;
        }
        return mixed;
    }

    std::vector<uint32_t> m_pixels;
    GfxSurface m_surface{};
};

// The skin's button images with the caption centred, one pixel lower and to
// the right while pushed.
void DrawButton(GUIControl *pSelf, GUIRect *) {
    const auto *pButton = reinterpret_cast<GUIButton *>(pSelf);
    GUIRect whole{0, pSelf->iWidth, 0, pSelf->iHeight};
    GUIControlBlit(pSelf, pButton->bPushed ? pButton->pPushedImage : pButton->pReleasedImage,
                   &whole, 0, 0);
    const int32_t iShift = pButton->bPushed ? 1 : 0;
    const int32_t iTextWidth = GfxAPITextGetWidth(pButton->szCaption, pGUISkinFont);
    const int32_t iTextHeight = GfxAPITextGetHeight(pButton->szCaption, pGUISkinFont);
    GUIRect caption{(pSelf->iWidth - iTextWidth) / 2 + iShift, pSelf->iWidth,
                    (pSelf->iHeight - iTextHeight) / 2 + iShift, pSelf->iHeight};
    GUIControlText(pSelf, pButton->szCaption, &caption, 0, 0, pGUISkinFont, kTextColour);
}

class CToolkitMessageBox final : public CToolkitPanel {
  public:
    explicit CToolkitMessageBox(std::string strText)
        : CToolkitPanel(kMessageTitle, kMessageRect), m_strText(std::move(strText)) {}

    void OnGrabbedKey(int32_t key) override {
        if (key == host::vk::kReturn || key == host::vk::kEscape)
            Finish();
    }

  private:
    void MakeParts(GUIControl *pPanel) override {
        GUIRect text = kMessageText;
        GUIControl *pText = GUIEditNew(pPanel, &text, m_strText.c_str());
        GUIControlSetSize(pText, WidthOf(text), HeightOf(text));
        m_pOk = MakeButton(pPanel, kMessageOk, "OK");
    }

    void OnPartEvent(GUIControl *pSender, int32_t iEvent) override {
        if (pSender == m_pOk && iEvent == GUI_EVENT_BUTTON_CLICKED)
            Finish();
    }

    std::string m_strText;
    GUIControl *m_pOk = nullptr;
};

CKeyGrab *pActiveKeyGrab = nullptr;

} // namespace

void SetKeyGrab(CKeyGrab *pGrab) {
    pActiveKeyGrab = pGrab;
}

CKeyGrab *KeyGrab() {
    return pActiveKeyGrab;
}

struct CToolkitPanel::CLook {
    CLook(int32_t iScreenWidth, int32_t iScreenHeight, int32_t iPanelWidth, int32_t iPanelHeight)
        : dimmedScreen(iScreenWidth, iScreenHeight), panel(iPanelWidth, iPanelHeight) {}
    COwnedSurface dimmedScreen;
    COwnedSurface panel;
};

ServeWindow ServeActiveHost() {
    return [] {
        host::CHostWindow *pWindow = host::CHostWindow::Active();
        if (!pWindow)
            return false;
        pWindow->WaitAndPumpEvents(kServeWait);
        return !pWindow->IsModalEnded();
    };
}

CToolkitPanel::CToolkitPanel(std::string strTitle, const GUIRect &rect)
    : m_strTitle(std::move(strTitle)), m_rect(rect) {}

CToolkitPanel::~CToolkitPanel() {
    Close();
}

bool CToolkitPanel::Run(const ServeWindow &serveWindow) {
    if (!pGUIControlRoot)
        return false;
    Open();
    m_pPreviousGrab = KeyGrab();
    SetKeyGrab(this);
    while (!m_bDone && serveWindow()) {
    }
    SetKeyGrab(m_pPreviousGrab);
    Close();
    return true;
}

GUIControl *CToolkitPanel::MakeButton(GUIControl *pPanel, GUIRect rect, const char *pszCaption) {
    GUIControl *pButton = GUIButtonNew(pPanel, &rect, pszCaption);
    GUIControlSetSize(pButton, WidthOf(rect), HeightOf(rect));
    pButton->Draw = DrawButton;
    return pButton;
}

void CToolkitPanel::AddWell(const GUIRect &rect) {
    m_pLook->panel.Fill(rect, kWellColour);
    m_pLook->panel.Frame(rect, kOutlineColour);
}

// The screen as it is now, at half brightness, covers the whole root and takes
// every click outside the panel; the panel sits on it.
void CToolkitPanel::Open() {
    GUIControl *pRoot = pGUIControlRoot;
    const int32_t iWidth = WidthOf(m_rect);
    const int32_t iHeight = HeightOf(m_rect);
    m_pLook = std::make_unique<CLook>(std::min(pRoot->iWidth, iGfxWidth),
                                      std::min(pRoot->iHeight, iGfxHeight), iWidth, iHeight);
    COwnedSurface &dimmed = m_pLook->dimmedScreen;
    for (int32_t y = 0; y < dimmed.Height(); ++y)
        for (int32_t x = 0; x < dimmed.Width(); ++x)
            dimmed.At(x, y) = (pGfxBackBuffer[y * iGfxWidth + x] >> 1) & 0x7F7F7F;
    COwnedSurface &panel = m_pLook->panel;
    const GUIRect whole{0, iWidth, 0, iHeight};
    panel.VerticalGradient(whole, kPanelTopColour, kPanelBottomColour);
    panel.VerticalGradient({0, iWidth, 0, kTitleHeight}, kTitleTopColour, kTitleBottomColour);
    panel.Fill({1, iWidth - 1, 1, 2}, kRimColour);
    panel.Fill({0, iWidth, kTitleHeight, kTitleHeight + 1}, kOutlineColour);
    panel.Frame(whole, kOutlineColour);

    GUIRect screen{0, pRoot->iWidth, 0, pRoot->iHeight};
    m_blocker.pOwner = this;
    GUIControlInit(&m_blocker.oControl, pRoot, &screen);
    m_blocker.oControl.pBackground = dimmed.Get();
    GUIRect place = m_rect;
    m_panel.pOwner = this;
    GUIControlInit(&m_panel.oControl, &m_blocker.oControl, &place);
    m_panel.oControl.pBackground = panel.Get();
    m_panel.oControl.Draw = DrawPanel;
    m_panel.oControl.OnPublicEvent = OnPanelEvent;
    m_bOpen = true;
    MakeParts(&m_panel.oControl);
    GUIControlRedrawThis(&m_blocker.oControl);
}

void CToolkitPanel::Close() {
    if (!m_bOpen)
        return;
    m_bOpen = false;
    m_blocker.oControl.Remove(&m_blocker.oControl);
}

CToolkitPanel &CToolkitPanel::OwnerOf(GUIControl *pControl) {
    return *reinterpret_cast<PanelControl *>(pControl)->pOwner;
}

void CToolkitPanel::DrawPanel(GUIControl *pSelf, GUIRect *pRect) {
    GUIControlDefaultDraw(pSelf, pRect);
    const std::string &strTitle = OwnerOf(pSelf).m_strTitle;
    const int32_t iTextHeight = GfxAPITextGetHeight(strTitle.c_str(), pGUISkinFont);
    GUIRect title{kTitleIndent, pSelf->iWidth - kTitleIndent,
                  std::max((kTitleHeight - iTextHeight) / 2, 0), kTitleHeight};
    GUIControlText(pSelf, strTitle.c_str(), &title, 0, 0, pGUISkinFont, kTextColour);
}

// The panel keeps its parts' events: nothing of it reaches the screen's handler.
int32_t CToolkitPanel::OnPanelEvent(GUIControl *pSelf, GUIControl *pSender, int32_t iEvent) {
    CToolkitPanel &owner = OwnerOf(pSelf);
    if (owner.m_bOpen && pSender != pSelf)
        owner.OnPartEvent(pSender, iEvent);
    return 0;
}

bool ShowToolkitMessageBox(const std::string &strText, const ServeWindow &serveWindow) {
    CToolkitMessageBox box(strText);
    return box.Run(serveWindow);
}
