#include "FolderChooser.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "FileServices.h"
#include "FolderBrowser.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUISkin.h"
#include "GUIView.h"
#include "GameCatalog.h"
#include "ScreenMetrics.h"
#include "VirtualKeys.h"

namespace {

namespace fb = folderbrowser;

int32_t WidthOf(const GUIRect &rect) {
    return rect.iRight - rect.iLeft;
}

int32_t HeightOf(const GUIRect &rect) {
    return rect.iBottom - rect.iTop;
}

std::string JoinPath(const std::string &strFolder, const std::string &strName) {
    return strFolder == "/" ? "/" + strName : strFolder + "/" + strName;
}

// The folders inside one, hidden ones left out, in the disc listing's order.
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

// A path too long for an edit's buffer keeps its end, "..." in front; the
// field shows the end of what it holds.
std::string EndForField(const std::string &strPath) {
    constexpr std::size_t nRoom = GUI_EDIT_TEXT_SIZE - 1 - sizeof "..." + 1;
    if (strPath.size() < GUI_EDIT_TEXT_SIZE)
        return strPath;
    std::size_t nCut = strPath.size() - nRoom;
    while (nCut < strPath.size() && (static_cast<unsigned char>(strPath[nCut]) & 0xC0) == 0x80)
        ++nCut;
    return "..." + strPath.substr(nCut);
}

bool IsFolder(const std::string &strPath) {
    std::error_code error;
    return std::filesystem::is_directory(strPath, error);
}

// The select bar's rounded ends, kept whole when the bar is stretched.
constexpr int32_t kSelectBarCap = 8;

// The skin's select bar over a row of any width: its two ends, and its middle
// repeated between them, so that no seam shows on a list wider than the bar.
void DrawSelectBar(GUIControl *pList, const GUIRect &row) {
    GfxSurface *pBar = selectbar;
    if (!pBar || pBar->iBmpWidth <= 2 * kSelectBarCap)
        return;
    const int32_t iCap = std::min(kSelectBarCap, WidthOf(row) / 2);
    const int32_t iMiddle = pBar->iBmpWidth - 2 * kSelectBarCap;
    GUIRect left{row.iLeft, row.iLeft + iCap, row.iTop, row.iBottom};
    GUIControlBlit(pList, pBar, &left, 0, 0);
    for (int32_t x = row.iLeft + iCap; x < row.iRight - iCap; x += iMiddle) {
        GUIRect middle{x, std::min(x + iMiddle, row.iRight - iCap), row.iTop, row.iBottom};
        GUIControlBlit(pList, pBar, &middle, kSelectBarCap, 0);
    }
    GUIRect right{row.iRight - iCap, row.iRight, row.iTop, row.iBottom};
    GUIControlBlit(pList, pBar, &right, static_cast<uint32_t>(pBar->iBmpWidth - iCap), 0);
}

// The folder list: the skin's list look on the panel's well, with a select
// bar as wide as the list.
void DrawFolderList(GUIControl *pSelf, GUIRect *pRect) {
    const auto *pList = reinterpret_cast<GUIList *>(pSelf);
    const int32_t iHeight = pList->iItemHeight;
    if (iHeight <= 0)
        return;
    for (int32_t iRow = pRect->iTop / iHeight; iRow <= (pRect->iBottom - 1) / iHeight; ++iRow) {
        GUIRect row{0, pSelf->iWidth, iRow * iHeight, (iRow + 1) * iHeight};
        const bool bSelected = iRow == pList->iSelected;
        if (bSelected)
            DrawSelectBar(pSelf, row);
        GUIControlText(pSelf, GUIListGet(pSelf, iRow), &row, 0, 0, pGUISkinFont,
                       bSelected ? GFX_BLACK : GFX_WHITE);
    }
}

constexpr GUIRect kPanelRect{fb::kPanelLeft, fb::kPanelLeft + fb::kPanelWidth, fb::kPanelTop,
                             fb::kPanelTop + fb::kPanelHeight};

// A path field showing what OK takes, the folders inside the one shown, and
// Up, OK and Cancel. A click on a folder enters it; keys only highlight one.
class CToolkitFolderBrowser final : public CToolkitPanel {
  public:
    CToolkitFolderBrowser(const std::string &strTitle, std::string strStart)
        : CToolkitPanel(strTitle, kPanelRect), m_strFolder(std::move(strStart)) {}

    const std::optional<std::string> &Chosen() const { return m_chosen; }

    void OnGrabbedKey(int32_t key) override {
        switch (key) {
        case host::vk::kReturn:
            Choose();
            break;
        case host::vk::kEscape:
            Finish();
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
    void MakeParts(GUIControl *pPanel) override {
        GUIRect path = fb::kPathField;
        m_pPath = GUIEditNew(pPanel, &path, "");
        auto *pPathEdit = reinterpret_cast<GUIEdit *>(m_pPath);
        pPathEdit->bFrame = 1;
        pPathEdit->bCentre = 0;
        pPathEdit->bShowEnd = 1;
        GUIControlSetSize(m_pPath, WidthOf(path), HeightOf(path));
        AddWell(fb::kFolderWell);
        GUIRect view = fb::kFolderView;
        m_pView = reinterpret_cast<GUIView *>(GUIViewNew(pPanel, &view));
        m_pView->bAllowH = 0;
        GUIRect list{0, WidthOf(view) - m_pView->iBarSize, 0, 0};
        m_pList = GUIListNew(&m_pView->oPane, &list);
        auto *pList = reinterpret_cast<GUIList *>(m_pList);
        pList->iItemHeight = kListRowHeight;
        pList->bRowBackground = 0;
        m_pList->Draw = DrawFolderList;
        m_pUp = MakeButton(pPanel, fb::kUpButton, "Up");
        m_pOk = MakeButton(pPanel, fb::kOkButton, "OK");
        m_pCancel = MakeButton(pPanel, fb::kCancelButton, "Cancel");
        ShowFolder(m_strFolder);
    }

    void OnPartEvent(GUIControl *pSender, int32_t iEvent) override {
        if (iEvent == GUI_EVENT_BUTTON_CLICKED) {
            if (pSender == m_pUp)
                GoUp();
            else if (pSender == m_pOk)
                Choose();
            else if (pSender == m_pCancel)
                Finish();
        } else if (pSender == m_pList && iEvent == GUI_EVENT_LIST_SELECTED) {
            ShowPath();
        } else if (pSender == m_pList && iEvent == GUI_EVENT_LIST_CHOSEN) {
            EnterHighlighted();
        }
    }

    // What OK takes: the highlighted folder, or the one shown.
    std::string ShownPath() const {
        const int32_t iRow = reinterpret_cast<const GUIList *>(m_pList)->iSelected;
        if (iRow < 0 || iRow >= static_cast<int32_t>(m_subFolders.size()))
            return m_strFolder;
        return JoinPath(m_strFolder, m_subFolders[static_cast<std::size_t>(iRow)]);
    }

    void ShowPath() { GUIEditSet(m_pPath, EndForField(ShownPath()).c_str()); }

    void ShowFolder(const std::string &strFolder) {
        m_strFolder = strFolder;
        m_subFolders = SubFolders(strFolder);
        GUIListClear(m_pList);
        GUIControlSetWindowPos(&m_pView->oPane, 0, 0);
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
        Finish();
    }

    std::string m_strFolder;
    std::vector<std::string> m_subFolders;
    std::optional<std::string> m_chosen;
    GUIControl *m_pPath = nullptr;
    GUIView *m_pView = nullptr;
    GUIControl *m_pList = nullptr;
    GUIControl *m_pUp = nullptr;
    GUIControl *m_pOk = nullptr;
    GUIControl *m_pCancel = nullptr;
};

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

std::optional<std::string> RunToolkitFolderBrowser(const std::string &strTitle,
                                                   const std::string &strStart,
                                                   const ServeWindow &serveWindow) {
    CToolkitFolderBrowser browser(strTitle, strStart);
    browser.Run(serveWindow);
    return browser.Chosen();
}

std::optional<std::string> ToolkitFolderBrowser(const std::string &strTitle) {
    const std::string strHotSync = g_pCatalog ? g_pCatalog->m_strHotSyncFolder : "";
    return RunToolkitFolderBrowser(strTitle, FolderBrowserStart(strHotSync), ServeActiveHost());
}
