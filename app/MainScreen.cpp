#include "MainScreen.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <string_view>

#include "DrawingHold.h"
#include "FolderChooser.h"
#include "GUIEdit.h"
#include "GUIInputCodes.h"
#include "GUIList.h"
#include "GUIProgress.h"
#include "GUIText.h"
#include "GameCatalog.h"
#include "GameList.h"
#include "HostWindow.h"
#include "PlatformServices.h"
#include "ToolkitPanel.h"

char g_szSearchText[kSearchTextSize] = "";

namespace {

// Each working buffer holds at most this many characters and a terminating zero.
constexpr std::size_t kBufferSize = 256;
constexpr std::size_t kMaxBufferText = kBufferSize - 1;

// The desktop's message box, else one drawn with the toolkit, else the text
// on standard error.
void ShowMessage(const std::string &strText) {
    if (host::ShowMessageBox(strText))
        return;
    if (host::CHostWindow::Active() && ShowToolkitMessageBox(strText, ServeActiveHost()))
        return;
    std::cerr << "quelmara: " << strText << '\n';
}

// Lets the host repaint the window and tick the timer while the screen is
// busy; input waits in the queue. False once the window has been closed.
bool KeepHostPainted() {
    host::CHostWindow *pWindow = host::CHostWindow::Active();
    if (!pWindow)
        return true;
    pWindow->PumpWindowEvents();
    return !pWindow->IsModalEnded();
}

CScreenServices HostServices() {
    return {ShowMessage, host::ShellOpen, [](int iStatus) { std::exit(iStatus); }, KeepHostPainted};
}

// Copies at most kMaxBufferText characters and terminates the copy.
void CopyBounded(char (&szBuffer)[kBufferSize], std::string_view text) {
    GUITextCopy(szBuffer, kBufferSize, text.data(), text.size());
}

GUIControl *FindOfType(const char *pszID, const GUIControlType &type) {
    GUIControl *pControl = GUIControlGetByID(nullptr, pszID);
    return pControl && pControl->pType == &type ? pControl : nullptr;
}

GUIControl *FindEdit(const char *pszID) {
    return FindOfType(pszID, sGUIEditType);
}

GUIControl *FindList(const char *pszID) {
    return FindOfType(pszID, sGUIListType);
}

const char *TextOrEmpty(const char *pszText) {
    return pszText ? pszText : "";
}

// A field that already shows the text is left alone: selecting a game would
// otherwise repaint every empty or unchanged line of the screen.
void ReplaceEditText(GUIControl *pEdit, const char *pszText) {
    if (std::strcmp(reinterpret_cast<GUIEdit *>(pEdit)->szText, pszText) != 0)
        GUIEditSet(pEdit, pszText);
}

void SetEditText(const char *pszID, const char *pszText) {
    if (GUIControl *pEdit = FindEdit(pszID))
        ReplaceEditText(pEdit, TextOrEmpty(pszText));
}

GUIList *AsList(GUIControl *pControl) {
    return reinterpret_cast<GUIList *>(pControl);
}

int32_t RowCount(GUIControl *pList) {
    return AsList(pList)->aszText.iCount;
}

CCatalogEntry *EntryAt(GUIControl *pList, int32_t iRow) {
    return reinterpret_cast<CCatalogEntry *>(GUIListGetData(pList, iRow));
}

// Rows break before these characters, which are dropped at the break.
bool IsBreak(char c) {
    return c == '\n' || c == '\r' || c == ' ';
}

bool IsWordBoundary(char next) {
    return next == '\0' || IsBreak(next);
}

// Measured in the font last selected into the back buffer: the skin's text font.
bool FitsIn(const char *pszRow, int32_t iWidth) {
    return GfxAPITextGetWidth(pszRow, nullptr) < iWidth;
}

bool PrefixFits(char *pszRow, std::size_t nLength, int32_t iWidth) {
    const char saved = pszRow[nLength];
    pszRow[nLength] = '\0';
    const bool bFits = FitsIn(pszRow, iWidth);
    pszRow[nLength] = saved;
    return bFits;
}

// A word too wide for the list, or a run too long for the buffer, is cut
// where it stops fitting, never inside a UTF-8 character; at least one
// character goes on the row so that wrapping always moves on.
std::size_t CutToFit(char *pszRow, std::size_t nLength, int32_t iWidth) {
    std::size_t nFit = 0;
    for (std::size_t n = 1; n <= nLength; ++n) {
        if (n < nLength && GUITextIsContinuationByte(pszRow[n]))
            continue;
        if (!PrefixFits(pszRow, n, iWidth))
            break;
        nFit = n;
    }
    if (nFit > 0)
        return nFit;
    nFit = 1;
    while (nFit < nLength && GUITextIsContinuationByte(pszRow[nFit]))
        ++nFit;
    return nFit;
}

// Builds the longest row that starts at text and ends before a word boundary
// while staying narrower than width. It is left in szRow; its length is returned.
std::size_t BuildRow(const char *pszText, int32_t iWidth, char (&szRow)[kBufferSize]) {
    std::size_t nAccepted = 0;
    std::size_t nLength = 0;
    while (pszText[nLength] && nLength < kMaxBufferText) {
        const char c = pszText[nLength];
        szRow[nLength++] = c == '\n' ? ' ' : c;
        szRow[nLength] = '\0';
        if (!IsWordBoundary(pszText[nLength]))
            continue;
        if (!FitsIn(szRow, iWidth))
            break;
        nAccepted = nLength;
    }
    if (nAccepted == 0)
        nAccepted = CutToFit(szRow, nLength, iWidth);
    szRow[nAccepted] = '\0';
    return nAccepted;
}

// Without a picture folder the control is left showing nothing.
void ShowScreenshot(const char *pszPicFolder) {
    GUIControl *pScreenshot = GUIControlGetByID(nullptr, "ss");
    if (!pScreenshot)
        return;
    const std::string strPath = std::string(TextOrEmpty(pszPicFolder)) + "/ss.bmp";
    // A path that does not fit the buffer would name another file: none is shown.
    GfxSurface *pSurface = pszPicFolder && strPath.size() <= kMaxBufferText
                               ? GfxAPILoadNewSurface(strPath.c_str(), nullptr)
                               : nullptr;
    // Nothing else refers to the screenshot shown before.
    GfxAPIDeleteSurface(pScreenshot->pBackground);
    pScreenshot->pBackground = pSurface;
    GUIControlRedrawThis(pScreenshot);
}

// Empties the description list and puts its view back at the top.
void ClearDescription(GUIControl *pDetails) {
    GUIListClear(pDetails);
    // Set directly, without a scroll call: the new text starts at the top.
    if (pDetails->pParent)
        pDetails->pParent->iScrollY = 0;
}

void ShowDescription(const char *pszDetails) {
    GUIControl *pDetails = FindList("details");
    if (!pDetails)
        return;
    const CDrawingHold hold(pDetails);
    ClearDescription(pDetails);
    WordWrapIntoList(pDetails, TextOrEmpty(pszDetails));
}

// A category: its name, how many games it holds in the first information
// line, their names in the description area and the first one's screenshot.
void ShowCategory(CCatalogEntry &category) {
    const std::vector<CCatalogEntry *> games = GamesIn(category);
    SetEditText("name", category.GetName());
    SetEditText("msg0", "");
    SetEditText("msg1", "");
    const std::string strCount = GameCountText(games.size());
    const char *pszInfo = strCount.c_str();
    for (const char *pszID : {"info0", "info1", "info2", "info3", "info4"})
        pszInfo = ShowTextLine(pszID, pszInfo);
    if (GUIControl *pDetails = FindList("details")) {
        const CDrawingHold hold(pDetails);
        ClearDescription(pDetails);
        char szRow[kBufferSize];
        for (const CCatalogEntry *pGame : games) {
            CopyBounded(szRow, pGame->GetName());
            GUIListAdd(pDetails, szRow);
        }
    }
    ShowScreenshot(games.empty() ? nullptr : games.front()->GetPicFolder());
    for (const char *pszID : {"au0", "au1", "au2"})
        ShowTextLine(pszID, "");
}

// A progress bar over the second message line while a category is installed,
// counting games; it goes when the install ends.
class CInstallBar {
  public:
    explicit CInstallBar(std::size_t nGames) {
        GUIControl *pLine = FindEdit("msg1");
        if (!pLine || !pLine->pParent)
            return;
        GUIRect rect{pLine->iLeft, pLine->iRight, pLine->iTop, pLine->iBottom};
        m_pBar = GUIProgressNew(pLine->pParent, &rect);
        reinterpret_cast<GUIProgress *>(m_pBar)->iMax = static_cast<int32_t>(
            std::min<std::size_t>(nGames, std::numeric_limits<int32_t>::max()));
        GUIControlRedrawThis(m_pBar);
    }
    ~CInstallBar() {
        if (m_pBar)
            GUIControlDestroy(m_pBar);
    }
    CInstallBar(const CInstallBar &) = delete;
    CInstallBar &operator=(const CInstallBar &) = delete;

    void Show(std::size_t nDone) {
        if (m_pBar)
            GUIProgressSet(m_pBar, static_cast<int32_t>(std::min<std::size_t>(
                                       nDone, std::numeric_limits<int32_t>::max())));
    }

  private:
    GUIControl *m_pBar = nullptr;
};

// Installs the games one after another, saying which one is being copied,
// advancing the bar and letting the window repaint between them; a closed
// window stops the rest.
void InstallCategory(CCatalogEntry &category) {
    const std::vector<CCatalogEntry *> games = GamesIn(category);
    std::size_t nCopied = 0;
    SetEditText("msg1", "");
    {
        CInstallBar bar(games.size());
        for (CCatalogEntry *pGame : games) {
            const std::string strCopying = "Copying " + std::to_string(nCopied + 1) + " of " +
                                           std::to_string(games.size()) + ": " + pGame->GetName();
            SetEditText("msg0", strCopying.c_str());
            if (!ScreenServices().m_keepPainted())
                break;
            pGame->Install();
            bar.Show(++nCopied);
        }
    }
    const std::string strDone =
        GameCountText(nCopied) + (nCopied == 1 ? " was" : " were") + " copied to the palm";
    SetEditText("msg0", strDone.c_str());
    SetEditText("msg1", kInstalledLine1);
}

// Selects the first row from first to last (either way round, both included)
// whose game's description holds the search text, or says that none does.
void SelectFirstMatch(GUIControl *pList, int32_t iFirst, int32_t iLast) {
    const int32_t iStep = iFirst <= iLast ? 1 : -1;
    if (iFirst >= 0 && iLast >= 0 && iFirst < RowCount(pList) && iLast < RowCount(pList)) {
        for (int32_t iRow = iFirst;; iRow += iStep) {
            const CCatalogEntry *pEntry = EntryAt(pList, iRow);
            const char *pszDetails = pEntry ? pEntry->GetDetails() : nullptr;
            if (pszDetails && std::strstr(pszDetails, g_szSearchText)) {
                GUIListSetSelection(pList, iRow);
                return;
            }
            if (iRow == iLast)
                break;
        }
    }
    ScreenServices().m_showMessage(kNoMatchMessage);
}

void RunButton(const char *pszID) {
    const std::string_view id = pszID;
    if (id == "snew")
        SearchFromFirstGame();
    else if (id == "snext")
        SearchForward();
    else if (id == "sback")
        SearchBackward();
    else if (id == "exitb")
        ScreenServices().m_exitProcess(0);
    else if (id == "setupb")
        ChooseHotSyncFolder();
    else if (id == "instb")
        InstallSelectedGame();
}

} // namespace

CScreenServices &ScreenServices() {
    static CScreenServices services = HostServices();
    return services;
}

void ResetScreenServices() {
    ScreenServices() = HostServices();
}

int32_t MainScreenOnEvent(GUIControl *, GUIControl *pSender, int32_t iEvent) {
    if (!pSender || !pSender->pszID)
        return 0;
    const std::string_view id = pSender->pszID;
    if (iEvent == GUI_EVENT_LIST_SELECTED) {
        if (id == "gamelist")
            ShowSelectedGame();
    } else if (iEvent == GUI_EVENT_EDIT_CHANGED && id == "stext") {
        SearchFromFirstGame();
    } else if (iEvent == GUI_EVENT_EDIT_CHANGED || iEvent == GUI_EVENT_BUTTON_CLICKED) {
        RunButton(pSender->pszID);
    }
    return 0;
}

void OpenLineMouse(GUIControl *pSelf, int32_t, int32_t, uint8_t buttons, uint8_t changed,
                   uint8_t inside) {
    if (!inside || !GUIMousePressed(buttons, changed, GUI_MOUSE_LEFT))
        return;
    ScreenServices().m_openText(reinterpret_cast<GUIEdit *>(pSelf)->szText);
}

const char *ShowTextLine(const char *pszID, const char *pszText) {
    GUIControl *pEdit = FindEdit(pszID);
    if (!pszText || !*pszText) {
        if (pEdit)
            ReplaceEditText(pEdit, "");
        return TextOrEmpty(pszText);
    }
    const std::size_t nLine = std::strcspn(pszText, "\n");
    char szLine[kBufferSize];
    CopyBounded(szLine, std::string_view(pszText, nLine));
    if (pEdit)
        ReplaceEditText(pEdit, szLine);
    const char *pszRest = pszText + nLine;
    if (*pszRest == '\n')
        ++pszRest;
    if (*pszRest == '\r')
        ++pszRest;
    return pszRest;
}

void WordWrapIntoList(GUIControl *pList, const char *pszText) {
    if (!pszText)
        return;
    const int32_t iWidth = pList->iWidth;
    const char *pszRest = pszText;
    for (int32_t iRows = 0; *pszRest; ++iRows) {
        if (iRows == kMaxWrappedRows) {
            GUIListAdd(pList, kTextContinuesRow);
            return;
        }
        char szRow[kBufferSize];
        pszRest += BuildRow(pszRest, iWidth, szRow);
        GUIListAdd(pList, szRow);
        while (IsBreak(*pszRest))
            ++pszRest;
    }
}

void ShowSelectedGame() {
    GUIControl *pList = FindList("gamelist");
    if (!pList)
        return;
    CCatalogEntry *pEntry = EntryAt(pList, AsList(pList)->iSelected);
    if (!pEntry)
        return;
    if (pEntry->IsFolder()) {
        ShowCategory(*pEntry);
        return;
    }
    SetEditText("name", pEntry->GetName());
    SetEditText("msg0", "");
    SetEditText("msg1", "");
    const char *pszInfo = TextOrEmpty(pEntry->GetInfo());
    for (const char *pszID : {"info0", "info1", "info2", "info3", "info4"})
        pszInfo = ShowTextLine(pszID, pszInfo);
    ShowDescription(pEntry->GetDetails());
    ShowScreenshot(pEntry->GetPicFolder());
    const char *pszAuthor = TextOrEmpty(pEntry->GetAuthor());
    for (const char *pszID : {"au0", "au1", "au2"})
        pszAuthor = ShowTextLine(pszID, pszAuthor);
}

void SearchFromFirstGame() {
    GUIControl *pList = FindList("gamelist");
    GUIControl *pField = FindEdit("stext");
    if (!pList || !pField)
        return;
    static_assert(kSearchTextSize >= GUI_EDIT_TEXT_SIZE);
    GUIEditGet(pField, g_szSearchText);
    GUIEditDisableInput(pField);
    SelectFirstMatch(pList, 0, RowCount(pList) - 1);
}

void SearchForward() {
    if (GUIControl *pList = FindList("gamelist"))
        SelectFirstMatch(pList, AsList(pList)->iSelected + 1, RowCount(pList) - 1);
}

void SearchBackward() {
    if (GUIControl *pList = FindList("gamelist"))
        SelectFirstMatch(pList, AsList(pList)->iSelected - 1, 0);
}

void InstallSelectedGame() {
    GUIControl *pList = FindList("gamelist");
    if (!pList || AsList(pList)->iSelected < 0)
        return;
    CCatalogEntry *pEntry = EntryAt(pList, AsList(pList)->iSelected);
    if (pEntry && pEntry->IsFolder()) {
        InstallCategory(*pEntry);
        return;
    }
    if (pEntry)
        pEntry->Install();
    SetEditText("msg0", kInstalledLine0);
    SetEditText("msg1", kInstalledLine1);
}
