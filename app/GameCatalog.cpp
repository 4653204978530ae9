#include "GameCatalog.h"

#include <optional>

#include "FileServices.h"
#include "Settings.h"

CGameCatalog *g_pCatalog = nullptr;

namespace {

constexpr std::size_t kNameLineLength = 254;
constexpr std::size_t kTextLineLength = 2047;
// Far beyond any real description; only keeps a broken disc from exhausting memory.
constexpr std::size_t kTextFileLimit = 64u * 1024 * 1024;

// The filesystem root is kept as "" so that its children join as "/name".
std::string FolderOnDisc(const std::string &strPath) {
    return strPath.empty() ? "/" : strPath;
}

void AppendTextFile(const char *pszFile, std::string &strText) {
    if (std::optional<std::string> text = FileServices::ReadTextFile(pszFile, kTextFileLimit))
        strText += *text;
}

} // namespace

CCatalogEntry::~CCatalogEntry() {
    // The later siblings are released one after another instead of each
    // destroying the next, so that a long list does not exhaust the stack.
    std::unique_ptr<CCatalogEntry> pNext = std::move(m_pNext);
    while (pNext)
        pNext = std::move(pNext->m_pNext);
}

void CCatalogEntry::SetPath(const std::string &strPath) {
    m_strPath = strPath;
}

void CCatalogEntry::SetNameFromFile(const std::string &strDefaultName) {
    std::optional<std::string> name;
    if (FileServices::ChangeDirectory(FolderOnDisc(m_strPath)))
        name = FileServices::ReadTextLine("_name", kNameLineLength);
    m_strName = name.value_or(strDefaultName);
}

CCatalogEntry *CCatalogEntry::AddChild(int iKind) {
    std::unique_ptr<CCatalogEntry> pChild;
    if (iKind == 0)
        pChild = std::make_unique<CCatalogGame>();
    else
        pChild = std::make_unique<CCatalogFolder>();
    CCatalogEntry *pAdded = pChild.get();
    AppendChild(std::move(pChild));
    return pAdded;
}

void CCatalogEntry::AppendChild(std::unique_ptr<CCatalogEntry> pEntry) {
    CCatalogEntry *pAdded = pEntry.get();
    pAdded->m_pParent = this;
    (m_pLastChild ? m_pLastChild->m_pNext : m_pFirstChild) = std::move(pEntry);
    m_pLastChild = pAdded;
}

void CCatalogEntry::RemoveChild(CCatalogEntry *pEntry) {
    CCatalogEntry *pBefore = nullptr;
    std::unique_ptr<CCatalogEntry> *pLink = &m_pFirstChild;
    while (*pLink && pLink->get() != pEntry) {
        pBefore = pLink->get();
        pLink = &pBefore->m_pNext;
    }
    if (!*pLink)
        return;
    const std::unique_ptr<CCatalogEntry> pRemoved = std::move(*pLink);
    *pLink = std::move(pRemoved->m_pNext);
    if (m_pLastChild == pEntry)
        m_pLastChild = pBefore;
}

void CCatalogEntry::GatherGamesInto(CCatalogEntry &others) {
    CCatalogEntry *pLastKept = nullptr;
    std::unique_ptr<CCatalogEntry> *pLink = &m_pFirstChild;
    while (*pLink) {
        if ((*pLink)->IsGame()) {
            std::unique_ptr<CCatalogEntry> pGame = std::move(*pLink);
            *pLink = std::move(pGame->m_pNext);
            others.AppendChild(std::move(pGame));
        } else {
            pLastKept = pLink->get();
            pLink = &pLastKept->m_pNext;
        }
    }
    m_pLastChild = pLastKept;
}

bool CCatalogEntry::HasDetailsFile(const std::string &strPath) {
    return FileServices::ChangeDirectory(FolderOnDisc(strPath)) &&
           FileServices::IsRegularFile("_details");
}

bool CCatalogEntry::IsSubFolderName(const std::string &strName) {
    return strName != "." && strName != "..";
}

bool CCatalogFolder::Load() {
    const std::string strFolder = FolderOnDisc(m_strPath);
    if (!FileServices::ChangeDirectory(strFolder))
        return false;
    // Taken whole: the children's walks change the working directory meanwhile.
    const std::optional<std::vector<CListedEntry>> listing = FileServices::ListDirectory(strFolder);
    if (!listing)
        return false;

    int iGames = 0;
    int iFolders = 0;
    for (const CListedEntry &entry : *listing) {
        if (!entry.m_bIsDirectory || !IsSubFolderName(entry.m_strName))
            continue;
        const std::string strFull = m_strPath + "/" + entry.m_strName;
        const bool bGame = HasDetailsFile(strFull);
        CCatalogEntry *pChild = AddChild(bGame ? 0 : 1);
        pChild->SetPath(strFull);
        pChild->SetNameFromFile(entry.m_strName);
        if (!pChild->Load())
            RemoveChild(pChild);
        else
            ++(bGame ? iGames : iFolders);
    }

    if (iFolders == 0 && iGames == 0)
        return false;
    if (iFolders == 0) {
        m_bHoldsGames = 1;
        return true;
    }
    m_bHoldsGames = 0;
    if (iGames > 0) {
        // Loose games beside category folders are listed after them, together
        // under one entry named like this folder's own "_name", or "Others".
        CCatalogEntry *pOthers = AddChild(1);
        pOthers->SetPath(m_strPath);
        pOthers->SetNameFromFile("Others");
        pOthers->m_bHoldsGames = 1;
        GatherGamesInto(*pOthers);
    }
    return true;
}

bool CCatalogGame::Load() {
    if (!FileServices::ChangeDirectory(FolderOnDisc(m_strPath)))
        return false;
    AppendTextFile("_details", m_strDetails);
    AppendTextFile("_info", m_strInfo);
    AppendTextFile("_author", m_strAuthor);
    if (std::optional<std::string> web = FileServices::ReadTextLine("_authorweb", kTextLineLength))
        m_strAuthorWeb += *web;
    m_strPicFolder = m_strPath + "/pic";
    return true;
}

CGameCatalog::CGameCatalog() : m_strHotSyncFolder(DefaultHotSyncFolder()) {
    g_pCatalog = this;
}

CGameCatalog::~CGameCatalog() {
    if (g_pCatalog == this)
        g_pCatalog = nullptr;
}

bool CGameCatalog::LoadCatalog() {
    m_pRoot.reset();
    const std::optional<std::string> top = FileServices::CurrentDirectory();
    if (!top)
        return false;
    m_pRoot = std::make_unique<CCatalogFolder>();
    m_pRoot->SetPath(*top == "/" ? "" : *top);
    m_pRoot->SetNameFromFile("Games");
    if (!m_pRoot->Load())
        m_pRoot.reset();
    return m_pRoot != nullptr;
}

bool CGameCatalog::LoadSettings() {
    const std::optional<std::string> folder = ReadSettingsFolder();
    if (folder)
        m_strHotSyncFolder = *folder;
    return folder.has_value();
}

void CGameCatalog::SaveHotSyncFolder(const std::string &strPath) {
    WriteSettingsFolder(strPath);
    m_strHotSyncFolder = strPath;
}
