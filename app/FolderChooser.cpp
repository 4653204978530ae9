#include "FolderChooser.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

#include "FileServices.h"
#include "FolderBrowser.h"
#include "GUIButton.h"
#include "GUIControlCast.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIText.h"
#include "GUIWindow.h"
#include "GameCatalog.h"
#include "PanelLayouts.h"
#include "ScreenMetrics.h"
#include "VirtualKeys.h"

namespace {

constexpr std::string_view kEllipsis = "...";

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

// A path too long for an edit's buffer keeps its end, "..." in front.
std::string EndForField(const std::string &strPath) {
    constexpr std::size_t nRoom = GUI_EDIT_TEXT_SIZE - 1 - kEllipsis.size();
    if (strPath.size() < GUI_EDIT_TEXT_SIZE)
        return strPath;
    std::size_t nCut = strPath.size() - nRoom;
    while (nCut < strPath.size() && GUITextIsContinuationByte(strPath[nCut]))
        ++nCut;
    return std::string(kEllipsis) + strPath.substr(nCut);
}

bool IsFolder(const std::string &strPath) {
    std::error_code error;
    return std::filesystem::is_directory(strPath, error);
}

// A path field showing what OK takes, the folders inside the one shown, and
// Up, OK and Cancel. A click on a folder enters it; keys only highlight one.
class CToolkitFolderBrowser final : public CToolkitPanel {
  public:
    CToolkitFolderBrowser(std::string strTitle, std::string strStart)
        : CToolkitPanel(kFolderBrowserLayout), m_strTitle(std::move(strTitle)),
          m_strFolder(std::move(strStart)) {}

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
    bool SetUpParts() override {
        m_pPath = Part("path", sGUIEditType);
        m_pList = Part("list", sGUIListType);
        m_pUp = Part("up", sGUIButtonType);
        m_pOk = Part("ok", sGUIButtonType);
        m_pCancel = Part("cancel", sGUIButtonType);
        if (!m_pPath || !m_pList || !m_pUp || !m_pOk || !m_pCancel)
            return false;
        GUIWindow *pWindow = GUIControlCast<GUIWindow>(Window(), sGUIWindowType);
        GUITextCopy(pWindow->szTitle, sizeof pWindow->szTitle, m_strTitle.data(),
                    m_strTitle.size());
        auto *pPath = GUIControlCast<GUIEdit>(m_pPath, sGUIEditType);
        pPath->bFrame = 1;
        pPath->bCentre = 0;
        pPath->bShowEnd = 1;
        GUIControlCast<GUIList>(m_pList, sGUIListType)->iItemHeight = kListRowHeight;
        ShowFolder(m_strFolder);
        return true;
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
        const int32_t iRow = GUIControlCast<GUIList>(m_pList, sGUIListType)->iSelected;
        if (iRow < 0 || iRow >= static_cast<int32_t>(m_subFolders.size()))
            return m_strFolder;
        return JoinPath(m_strFolder, m_subFolders[static_cast<std::size_t>(iRow)]);
    }

    void ShowPath() { GUIEditSet(m_pPath, EndForField(ShownPath()).c_str()); }

    void ShowFolder(const std::string &strFolder) {
        m_strFolder = strFolder;
        m_subFolders = SubFolders(strFolder);
        GUIListClear(m_pList);
        GUIControlSetWindowPos(m_pList->pParent, 0, 0);
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

    std::string m_strTitle;
    std::string m_strFolder;
    std::vector<std::string> m_subFolders;
    std::optional<std::string> m_chosen;
    GUIControl *m_pPath = nullptr;
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
    ShowHotSyncFolder(strFolder);
    return true;
}

void ShowHotSyncFolder(const std::string &strFolder) {
    GUIControl *pField = GUIControlGetByID(nullptr, "sfolder");
    if (pField && pField->pType == &sGUIEditType)
        GUIEditSet(pField, EndForField(strFolder).c_str());
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
