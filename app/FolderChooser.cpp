#include "FolderChooser.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "FileServices.h"
#include "FolderBrowser.h"
#include "GUIButton.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUISkin.h"
#include "GUIView.h"
#include "GameCatalog.h"
#include "GameDiscDlg.h"
#include "HostWindow.h"
#include "VirtualKeys.h"

namespace {

namespace fb = folderbrowser;

// How long one wait for the window's events lasts while the browser is open.
constexpr std::chrono::milliseconds kServeWait{50};

// Colours as the back buffer holds them (0x00RRGGBB) and as text takes them (0x00BBGGRR).
constexpr uint32_t kPanelTopColour = 0x27373E;
constexpr uint32_t kPanelBottomColour = 0x202E35;
constexpr uint32_t kTitleTopColour = 0x356267;
constexpr uint32_t kTitleBottomColour = 0x204248;
constexpr uint32_t kOutlineColour = 0x070C0F;
constexpr uint32_t kRimColour = 0x5C7880;
constexpr uint32_t kWellColour = 0x111A1F;
constexpr uint32_t kTitleTextColour = 0xFFFFFF;
constexpr int32_t kTitleIndent = 14;
constexpr const char *kEllipsis = "...";

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
        const int32_t iRows = std::max(rect.iBottom - rect.iTop - 1, 1);
        for (int32_t y = rect.iTop; y < rect.iBottom; ++y)
            Fill({rect.iLeft, rect.iRight, y, y + 1}, Mix(top, bottom, y - rect.iTop, iRows));
    }
    int32_t Width() const { return m_surface.iBmpWidth; }
    int32_t Height() const { return m_surface.iBmpHeight; }

  private:
    static uint32_t Mix(uint32_t first, uint32_t second, int32_t iStep, int32_t iSteps) {
        uint32_t mixed = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const int32_t a = static_cast<int32_t>((first >> shift) & 0xFF);
            const int32_t b = static_cast<int32_t>((second >> shift) & 0xFF);
            mixed |= static_cast<uint32_t>(a + (b - a) * iStep / iSteps) << shift;
        }
        return mixed;
    }

    std::vector<uint32_t> m_pixels;
    GfxSurface m_surface{};
};

int32_t WidthOf(const GUIRect &rect) {
    return rect.iRight - rect.iLeft;
}

int32_t HeightOf(const GUIRect &rect) {
    return rect.iBottom - rect.iTop;
}

std::string JoinPath(const std::string &strFolder, const std::string &strName) {
    return strFolder == "/" ? "/" + strName : strFolder + "/" + strName;
}

std::vector<std::string> SubFolders(const std::string &strFolder) {
    std::vector<std::string> names;
    if (const auto listing = FileServices::ListDirectory(strFolder)) {
        for (const CListedEntry &entry : *listing) {
            if (entry.m_bIsDirectory && !entry.m_strName.starts_with('.'))
                names.push_back(entry.m_strName);
        }
    }
    return names;
}

bool IsFolder(const std::string &strPath) {
    std::error_code error;
    return std::filesystem::is_directory(strPath, error);
}

// The end of a path that fits the width and an edit's text, "..." in front when cut.
std::string TailThatFits(const std::string &strPath, int32_t iWidth) {
    const auto fits = [iWidth](const std::string &strText) {
        return strText.size() < GUI_EDIT_TEXT_SIZE &&
               GfxAPITextGetWidth(strText.c_str(), pGUISkinFont) < iWidth;
    };
    if (fits(strPath))
        return strPath;
    for (std::size_t nCut = 1; nCut < strPath.size(); ++nCut) {
        if ((static_cast<unsigned char>(strPath[nCut]) & 0xC0) == 0x80)
            continue;
        const std::string strTail = kEllipsis + strPath.substr(nCut);
        if (fits(strTail))
            return strTail;
    }
    return kEllipsis;
}

class CToolkitFolderBrowser;

// The browser's own controls: the record the toolkit sees, and who owns it.
struct BrowserControl {
    GUIControl oControl;
    CToolkitFolderBrowser *pOwner;
};

class CToolkitFolderBrowser final : public CKeyGrab {
  public:
    CToolkitFolderBrowser(CGameDiscDlg &dialog, std::string strTitle)
        : m_dialog(dialog), m_strTitle(std::move(strTitle)),
          m_panelLook(fb::kPanelWidth, fb::kPanelHeight) {}
    ~CToolkitFolderBrowser() override { Close(); }
    CToolkitFolderBrowser(const CToolkitFolderBrowser &) = delete;
    CToolkitFolderBrowser &operator=(const CToolkitFolderBrowser &) = delete;

    std::optional<std::string> Run(const std::string &strStart, const ServeWindow &serveWindow) {
        if (!Open(strStart))
            return std::nullopt;
        m_dialog.SetKeyGrab(this);
        while (!m_bDone && serveWindow()) {
        }
        m_dialog.SetKeyGrab(nullptr);
        Close();
        return m_chosen;
    }

    void OnGrabbedKey(int32_t key) override {
        switch (key) {
        case host::vk::kReturn:
            Choose();
            break;
        case host::vk::kEscape:
            Cancel();
            break;
        case host::vk::kBack:
        case host::vk::kLeft:
            GoUp();
            break;
        case host::vk::kRight:
            EnterHighlighted();
            break;
        default:
            GUIListKey(m_pList, key, 0);
            break;
        }
    }

  private:
    bool Open(const std::string &strStart) {
        GUIControl *pRoot = pGUIControlRoot;
        if (!pRoot)
            return false;
        MakeDimmedScreen(pRoot->iWidth, pRoot->iHeight);
        GUIRect whole{0, pRoot->iWidth, 0, pRoot->iHeight};
        InitOwnControl(m_blocker, pRoot, whole);
        m_blocker.oControl.pBackground = m_dimmedScreen->Get();
        PaintPanelLook();
        GUIRect panel{fb::kPanelLeft, fb::kPanelLeft + fb::kPanelWidth, fb::kPanelTop,
                      fb::kPanelTop + fb::kPanelHeight};
        InitOwnControl(m_panel, &m_blocker.oControl, panel);
        m_panel.oControl.pBackground = m_panelLook.Get();
        m_panel.oControl.Draw = DrawPanel;
        m_panel.oControl.OnPublicEvent = OnPanelEvent;
        MakeParts();
        m_bOpen = true;
        ShowFolder(strStart);
        GUIControlRedrawThis(&m_blocker.oControl);
        return true;
    }

    void InitOwnControl(BrowserControl &control, GUIControl *pParent, GUIRect rect) {
        control.pOwner = this;
        GUIControlInit(&control.oControl, pParent, &rect);
    }

    void MakeParts() {
        GUIControl *pPanel = &m_panel.oControl;
        GUIRect path = fb::kPathField;
        m_pPath = GUIEditNew(pPanel, &path, "");
        auto *pPathEdit = reinterpret_cast<GUIEdit *>(m_pPath);
        pPathEdit->bFrame = 1;
        pPathEdit->bCentre = 0;
        GUIControlSetSize(m_pPath, WidthOf(path), HeightOf(path));
        GUIRect view = fb::kFolderView;
        m_pView = GUIViewNew(pPanel, &view);
        auto *pView = reinterpret_cast<GUIView *>(m_pView);
        pView->bAllowH = 0;
        GUIRect list{0, WidthOf(view) - pView->iBarSize, 0, 0};
        m_pList = GUIListNew(&pView->oPane, &list);
        auto *pList = reinterpret_cast<GUIList *>(m_pList);
        pList->iItemHeight = fb::kRowHeight;
        pList->bRowBackground = 0;
        m_pUp = MakeButton(fb::kUpButton, "Up");
        m_pOk = MakeButton(fb::kOkButton, "OK");
        m_pCancel = MakeButton(fb::kCancelButton, "Cancel");
    }

    GUIControl *MakeButton(GUIRect rect, const char *pszCaption) {
        GUIControl *pButton = GUIButtonNew(&m_panel.oControl, &rect, pszCaption);
        GUIControlSetSize(pButton, WidthOf(rect), HeightOf(rect));
        pButton->Draw = DrawButton;
        return pButton;
    }

    // The skin's button look with the caption centred, one pixel lower and
    // to the right while pushed.
    static void DrawButton(GUIControl *pSelf, GUIRect *) {
        const auto *pButton = reinterpret_cast<GUIButton *>(pSelf);
        GUIRect whole{0, pSelf->iWidth, 0, pSelf->iHeight};
        GUIControlBlit(pSelf, pButton->bPushed ? pButton->pPushedImage : pButton->pReleasedImage,
                       &whole, 0, 0);
        const int32_t iShift = pButton->bPushed ? 1 : 0;
        const int32_t iTextWidth = GfxAPITextGetWidth(pButton->szCaption, pGUISkinFont);
        const int32_t iTextHeight = GfxAPITextGetHeight(pButton->szCaption, pGUISkinFont);
        GUIRect caption{(pSelf->iWidth - iTextWidth) / 2 + iShift, pSelf->iWidth,
                        (pSelf->iHeight - iTextHeight) / 2 + iShift, pSelf->iHeight};
        GUIControlText(pSelf, pButton->szCaption, &caption, 0, 0, pGUISkinFont, GFX_WHITE);
    }

    // The screen as it was, at half brightness, behind the panel.
    void MakeDimmedScreen(int32_t iWidth, int32_t iHeight) {
        m_dimmedScreen = std::make_unique<COwnedSurface>(std::min(iWidth, iGfxWidth),
                                                         std::min(iHeight, iGfxHeight));
        for (int32_t y = 0; y < m_dimmedScreen->Height(); ++y)
            for (int32_t x = 0; x < m_dimmedScreen->Width(); ++x)
                m_dimmedScreen->At(x, y) = (pGfxBackBuffer[y * iGfxWidth + x] >> 1) & 0x7F7F7F;
    }

    void PaintPanelLook() {
        GUIRect whole{0, fb::kPanelWidth, 0, fb::kPanelHeight};
        m_panelLook.VerticalGradient(whole, kPanelTopColour, kPanelBottomColour);
        m_panelLook.VerticalGradient({0, fb::kPanelWidth, 0, fb::kTitleHeight}, kTitleTopColour,
                                     kTitleBottomColour);
        m_panelLook.Fill({1, fb::kPanelWidth - 1, 1, 2}, kRimColour);
        m_panelLook.Fill({0, fb::kPanelWidth, fb::kTitleHeight, fb::kTitleHeight + 1},
                         kOutlineColour);
        m_panelLook.Frame(whole, kOutlineColour);
        m_panelLook.Fill(fb::kFolderWell, kWellColour);
        m_panelLook.Frame(fb::kFolderWell, kOutlineColour);
    }

    static CToolkitFolderBrowser &OwnerOf(GUIControl *pControl) {
        return *reinterpret_cast<BrowserControl *>(pControl)->pOwner;
    }

    static void DrawPanel(GUIControl *pSelf, GUIRect *pRect) {
        GUIControlDefaultDraw(pSelf, pRect);
        const std::string &strTitle = OwnerOf(pSelf).m_strTitle;
        const int32_t iTextHeight = GfxAPITextGetHeight(strTitle.c_str(), pGUISkinFont);
        const int32_t iTop = std::max((fb::kTitleHeight - iTextHeight) / 2, 0);
        GUIRect title{kTitleIndent, pSelf->iWidth - kTitleIndent, iTop, fb::kTitleHeight};
        GUIControlText(pSelf, strTitle.c_str(), &title, 0, 0, pGUISkinFont, kTitleTextColour);
    }

    // The panel keeps its parts' events: nothing of the browser reaches the screen's handler.
    static int32_t OnPanelEvent(GUIControl *pSelf, GUIControl *pSender, int32_t iEvent) {
        CToolkitFolderBrowser &browser = OwnerOf(pSelf);
        if (iEvent == GUI_EVENT_BUTTON_CLICKED) {
            if (pSender == browser.m_pUp)
                browser.GoUp();
            else if (pSender == browser.m_pOk)
                browser.Choose();
            else if (pSender == browser.m_pCancel)
                browser.Cancel();
        } else if (pSender == browser.m_pList && iEvent == GUI_EVENT_LIST_SELECTED) {
            browser.ShowPath();
        } else if (pSender == browser.m_pList && iEvent == GUI_EVENT_LIST_CHOSEN) {
            browser.EnterHighlighted();
        }
        return 0;
    }

    int32_t Highlighted() const { return reinterpret_cast<GUIList *>(m_pList)->iSelected; }

    // What OK takes: the highlighted sub-folder, or the folder shown.
    std::string ShownPath() const {
        const int32_t iRow = Highlighted();
        if (iRow < 0 || iRow >= static_cast<int32_t>(m_subFolders.size()))
            return m_strFolder;
        return JoinPath(m_strFolder, m_subFolders[static_cast<std::size_t>(iRow)]);
    }

    void ShowPath() {
        const int32_t iRoom = m_pPath->iWidth - 2 * kTitleIndent;
        GUIEditSet(m_pPath, TailThatFits(ShownPath(), iRoom).c_str());
    }

    void ShowFolder(const std::string &strFolder) {
        m_strFolder = strFolder;
        m_subFolders = SubFolders(strFolder);
        GUIListClear(m_pList);
        GUIControlSetWindowPos(&reinterpret_cast<GUIView *>(m_pView)->oPane, 0, 0);
        for (const std::string &strName : m_subFolders)
            GUIListAdd(m_pList, strName.c_str());
        ShowPath();
    }

    void GoUp() {
        if (m_strFolder == "/")
            return;
        const std::string strParent = std::filesystem::path(m_strFolder).parent_path().string();
        ShowFolder(strParent.empty() ? "/" : strParent);
    }

    void EnterHighlighted() {
        const std::string strPath = ShownPath();
        if (strPath != m_strFolder && IsFolder(strPath))
            ShowFolder(strPath);
    }

    void Choose() {
        m_chosen = ShownPath();
        m_bDone = true;
    }

    void Cancel() { m_bDone = true; }

    void Close() {
        if (!m_bOpen)
            return;
        m_bOpen = false;
        m_blocker.oControl.Remove(&m_blocker.oControl);
    }

    CGameDiscDlg &m_dialog;
    std::string m_strTitle;
    std::string m_strFolder;
    std::vector<std::string> m_subFolders;
    std::optional<std::string> m_chosen;
    bool m_bDone = false;
    bool m_bOpen = false;
    BrowserControl m_blocker{};
    BrowserControl m_panel{};
    GUIControl *m_pPath = nullptr;
    GUIControl *m_pView = nullptr;
    GUIControl *m_pList = nullptr;
    GUIControl *m_pUp = nullptr;
    GUIControl *m_pOk = nullptr;
    GUIControl *m_pCancel = nullptr;
    std::unique_ptr<COwnedSurface> m_dimmedScreen;
    COwnedSurface m_panelLook;
};

ServeWindow ServeHost(host::CHostWindow &window) {
    return [&window] {
        window.WaitAndPumpEvents(kServeWait);
        return !window.IsModalEnded();
    };
}

} // namespace

bool ChooseHotSyncFolder() {
    const std::optional<std::string> chosen = host::BrowseForFolder(kFolderBrowserTitle);
    if (!chosen)
        return false;
    const std::string strFolder = *chosen + "/";
    if (g_pCatalog)
        g_pCatalog->SaveHotSyncFolder(strFolder);
    GUIControl *pField = GUIControlGetByID(nullptr, "sfolder");
    if (pField && pField->pType == &sGUIEditType)
        GUIEditSet(pField, strFolder.c_str());
    return true;
}

std::string FolderBrowserStart(const std::string &strHotSyncFolder) {
    std::filesystem::path folder(strHotSyncFolder);
    if (folder.is_absolute()) {
        for (folder = folder.lexically_normal();; folder = folder.parent_path()) {
            std::string strFolder = folder.string();
            while (strFolder.size() > 1 && strFolder.ends_with('/'))
                strFolder.pop_back();
            if (IsFolder(strFolder) || !folder.has_relative_path())
                return strFolder;
        }
    }
    const char *pszHome = std::getenv("HOME");
    if (pszHome && *pszHome == '/' && IsFolder(pszHome))
        return pszHome;
    return "/";
}

std::optional<std::string> RunToolkitFolderBrowser(CGameDiscDlg &dialog,
                                                   const std::string &strTitle,
                                                   const std::string &strStart,
                                                   const ServeWindow &serveWindow) {
    CToolkitFolderBrowser browser(dialog, strTitle);
    return browser.Run(strStart, serveWindow);
}

CToolkitFolderBrowserInstaller::CToolkitFolderBrowserInstaller(CGameDiscDlg &dialog) {
    host::SetFolderBrowserFallback(
        [&dialog](const std::string &strTitle) -> std::optional<std::string> {
            host::CHostWindow *pWindow = host::CHostWindow::Active();
            if (!pWindow)
                return std::nullopt;
            const std::string strHotSync = g_pCatalog ? g_pCatalog->m_strHotSyncFolder : "";
            return RunToolkitFolderBrowser(dialog, strTitle, FolderBrowserStart(strHotSync),
                                           ServeHost(*pWindow));
        });
}

CToolkitFolderBrowserInstaller::~CToolkitFolderBrowserInstaller() {
    host::SetFolderBrowserFallback({});
}
