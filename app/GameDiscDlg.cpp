#include "GameDiscDlg.h"

#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "DrawingHold.h"
#include "FileServices.h"
#include "FolderChooser.h"
#include "GUIButton.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIScript.h"
#include "GameList.h"
#include "HostWindow.h"
#include "MainScreen.h"
#include "ScreenMetrics.h"
#include "ToolkitPanel.h"
#include "VirtualKeys.h"

namespace {

// DoModal's result when the screen could not be built.
constexpr int kStartFailed = -1;

struct ButtonLook {
    const char *pszID;
    const char *pszPushedFile;
    const char *pszReleasedFile;
    int32_t iWidth;
    int32_t iHeight;
};

constexpr std::array kButtonLooks{
    ButtonLook{"exitb", "_data/ExitPushed.bmp", "_data/Exit.bmp", 33, 21},
    ButtonLook{"instb", "_data/SavePushed.bmp", "_data/Save.bmp", 147, 27},
    ButtonLook{"setupb", "_data/SetupButtonPushed.bmp", "_data/SetupButton.bmp", 142, 22},
    ButtonLook{"snext", "_data/NextButtonPushed.bmp", "_data/NextButton.bmp", 34, 17},
    ButtonLook{"sback", "_data/BackButtonPushed.bmp", "_data/BackButton.bmp", 36, 16},
    ButtonLook{"snew", "_data/SearchButtonPushed.bmp", "_data/SearchButton.bmp", 54, 17},
};

struct RequiredControl {
    const char *pszID;
    // Null: any type that draws through the default Draw.
    const GUIControlType *pType;
};

constexpr std::array kRequiredControls{
    RequiredControl{"exitb", &sGUIButtonType},  RequiredControl{"instb", &sGUIButtonType},
    RequiredControl{"setupb", &sGUIButtonType}, RequiredControl{"snext", &sGUIButtonType},
    RequiredControl{"sback", &sGUIButtonType},  RequiredControl{"snew", &sGUIButtonType},
    RequiredControl{"stext", &sGUIEditType},    RequiredControl{"sfolder", &sGUIEditType},
    RequiredControl{"gamelist", &sGUIListType}, RequiredControl{"details", &sGUIListType},
    RequiredControl{"name", &sGUIEditType},     RequiredControl{"msg0", &sGUIEditType},
    RequiredControl{"msg1", &sGUIEditType},     RequiredControl{"info0", &sGUIEditType},
    RequiredControl{"info1", &sGUIEditType},    RequiredControl{"info2", &sGUIEditType},
    RequiredControl{"info3", &sGUIEditType},    RequiredControl{"info4", &sGUIEditType},
    RequiredControl{"au0", &sGUIEditType},      RequiredControl{"au1", &sGUIEditType},
    RequiredControl{"au2", &sGUIEditType},      RequiredControl{"ss", nullptr},
};

GUIControl *Find(const char *pszID) {
    return GUIControlGetByID(nullptr, pszID);
}

// Adds a line for each control the screen needs and the layout lacks.
bool HasRequiredControls(std::vector<std::string> &problems) {
    bool bComplete = true;
    for (const RequiredControl &required : kRequiredControls) {
        const GUIControl *pControl = Find(required.pszID);
        if (pControl && (!required.pType || pControl->pType == required.pType))
            continue;
        problems.push_back(std::string(kLayoutFile) + " has no " +
                           (required.pType ? required.pType->pszName : "picture") + " control \"" +
                           required.pszID + "\"");
        bComplete = false;
    }
    return bComplete;
}

void ApplyButtonLooks() {
    for (const ButtonLook &look : kButtonLooks) {
        auto *pButton = reinterpret_cast<GUIButton *>(Find(look.pszID));
        pButton->pPushedImage = GfxAPILoadNewSurface(look.pszPushedFile, nullptr);
        pButton->pReleasedImage = GfxAPILoadNewSurface(look.pszReleasedFile, nullptr);
        GUIControlSetSize(&pButton->oControl, look.iWidth, look.iHeight);
    }
}

GUIList *FindList(const char *pszID) {
    return reinterpret_cast<GUIList *>(Find(pszID));
}

} // namespace

bool CGameDiscDlg::OnInitDialog() {
    host::CHostWindow *pHost = Host();
    host::ClientSize client{kMainWindowWidth, kMainWindowHeight};
    if (pHost) {
        pHost->SetOuterSize(kMainWindowWidth, kMainWindowHeight);
        client = pHost->GetClientSize();
    }
    GfxAPIInit(pHost ? pHost->NativeHandle() : nullptr, client.width, client.height);
    const bool bBuilt = BuildScreen();
    ExplainMissingParts();
    if (!bBuilt) {
        EndDialog(kStartFailed);
        return true;
    }
    m_pCatalog = std::make_unique<CGameCatalog>();
    LoadHotSyncFolder();
    FillGameList();
    GUIList *pDetails = FindList("details");
    pDetails->bRowBackground = 0;
    pDetails->bSelectable = 0;
    pDetails->iItemHeight = kListRowHeight;
    GUIEditSet(Find("msg0"), "");
    GUIEditSet(Find("msg1"), "");
    for (const char *pszID : {"au0", "au1", "au2"})
        Find(pszID)->Mouse = OpenLineMouse;
    if (pHost)
        pHost->SetTimer(kTickPeriod);
    return true;
}

// Everything here reads from _data: it must come before the catalogue walk,
// which changes the working directory for good.
bool CGameDiscDlg::BuildScreen() {
    m_pScreenRoot = GUIControlCreateFromFile(nullptr, kLayoutFile);
    if (!m_pScreenRoot) {
        m_problems.push_back(std::string(kLayoutFile) +
                             (FileServices::IsRegularFile(kLayoutFile)
                                  ? " is not a layout the program can read"
                                  : " is missing or is not a file"));
        return false;
    }
    GUIControlRedrawThis(m_pScreenRoot);
    if (!HasRequiredControls(m_problems))
        return false;
    m_pScreenRoot->OnPublicEvent = MainScreenOnEvent;
    ApplyButtonLooks();
    reinterpret_cast<GUIEdit *>(Find("stext"))->bEditable = 1;
    reinterpret_cast<GUIEdit *>(Find("sfolder"))->bShowEnd = 1;
    m_bScreenReady = true;
    return true;
}

// Tells the user what the disc lacks (the skin's, the layout's and the
// buttons' files, the layout's controls) instead of leaving an empty or
// partial window unexplained.
void CGameDiscDlg::ExplainMissingParts() {
    const int32_t iFailed = GfxAPIGetFailedLoadCount();
    for (int32_t i = m_iFirstFailedLoad; i < iFailed; ++i) {
        if (const char *pszFile = GfxAPIGetFailedLoad(i))
            m_problems.push_back(std::string(pszFile) + " is missing or damaged");
    }
    if (m_problems.empty())
        return;
    std::string strMessage = "The disc is incomplete:";
    for (const std::string &strProblem : m_problems) {
        std::cerr << "quelmara: " << strProblem << '\n';
        strMessage += "\n" + strProblem;
    }
    strMessage += m_bScreenReady ? "\n\nThe screen is shown without them."
                                 : "\n\nThe screen cannot be shown; the program ends.";
    ScreenServices().m_showMessage(strMessage);
}

void CGameDiscDlg::LoadHotSyncFolder() {
    if (m_pCatalog->LoadSettings()) {
        ShowHotSyncFolder(m_pCatalog->m_strHotSyncFolder);
        return;
    }
    if (!ChooseHotSyncFolder())
        ScreenServices().m_exitProcess(-1);
}

void CGameDiscDlg::FillGameList() {
    GUIList *pGames = FindList("gamelist");
    pGames->bRowBackground = 0;
    pGames->iItemHeight = kListRowHeight;
    m_pCatalog->LoadCatalog();
    if (!m_pCatalog->m_pRoot)
        return;
    const CDrawingHold hold(&pGames->oControl);
    AddGameListRows(&pGames->oControl, *m_pCatalog->m_pRoot);
}

void CGameDiscDlg::OnPaint() {
    if (m_pScreenRoot)
        GUIControlRedrawThis(m_pScreenRoot);
}

// The flags are remembered before the toolkit sees the message, so that a
// nested loop started by it (the folder browser) compares with this message.
void CGameDiscDlg::PassMouse(uint32_t flags, int32_t x, int32_t y, bool bForward) {
    const auto buttons = static_cast<uint8_t>(flags);
    const auto changed = static_cast<uint8_t>(buttons ^ m_nLastMouseFlags);
    m_nLastMouseFlags = buttons;
    if (bForward && m_pScreenRoot)
        GUIControlMouse(m_pScreenRoot, x, y, buttons, changed, 1);
}

void CGameDiscDlg::OnMouseMove(uint32_t flags, int32_t x, int32_t y) {
    PassMouse(flags, x, y, pGUIControlRoot != nullptr);
    GUIControlUpdate();
}

void CGameDiscDlg::OnLButtonDown(uint32_t flags, int32_t x, int32_t y) {
    PassMouse(flags, x, y, pGUIControlRoot != nullptr);
}

void CGameDiscDlg::OnLButtonUp(uint32_t flags, int32_t x, int32_t y) {
    PassMouse(flags, x, y, m_pScreenRoot != nullptr);
}

void CGameDiscDlg::OnRButtonDown(uint32_t flags, int32_t x, int32_t y) {
    PassMouse(flags, x, y, pGUIControlRoot != nullptr);
}

void CGameDiscDlg::OnRButtonUp(uint32_t flags, int32_t x, int32_t y) {
    PassMouse(flags, x, y, pGUIControlRoot != nullptr);
}

void CGameDiscDlg::OnKeyDown(uint32_t virtualKey) {
    RouteKeyDown(virtualKey, m_pScreenRoot);
}

void CGameDiscDlg::OnWindowTimer() {
    if (pGUIControlRoot)
        GUIControlOnTimer(pGUIControlRoot);
}

void CGameDiscDlg::OnSearchCommand() {
    if (!GiveToKeyGrab(host::vk::kReturn) && m_bScreenReady)
        SearchFromFirstGame();
}

void CGameDiscDlg::OnCancel() {
    if (!GiveToKeyGrab(host::vk::kEscape))
        EndDialog(host::kDialogCancel);
}
