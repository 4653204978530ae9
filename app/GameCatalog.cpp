#include "GameCatalog.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "FileServices.h"
#include "Settings.h"

CGameCatalog *g_pCatalog = nullptr;

namespace {

constexpr std::size_t kNameLineLength = 254;
constexpr std::size_t kTextLineLength = 2047;
// Far beyond any real description; only keeps a broken disc from exhausting memory.
constexpr std::size_t kTextFileLimit = 64u * 1024 * 1024;
constexpr std::size_t kMebibyte = 1024 * 1024;

// How many bytes of text the running walk may still read, over all games.
struct CTextAllowance {
    std::size_t m_nTotal = SIZE_MAX;
    std::size_t m_nLeft = SIZE_MAX;
    bool m_bReported = false;
};

CTextAllowance &Allowance() {
    static CTextAllowance allowance;
    return allowance;
}

void StartAllowance(std::size_t nTotal) {
    Allowance() = {nTotal, nTotal, false};
}

void ReadAllowedText(const FileServices::COpenedFile &file, std::string &strText) {
    CTextAllowance &allowance = Allowance();
    const std::size_t nLimit = std::min(kTextFileLimit, allowance.m_nLeft);
    if (file.m_nSize > nLimit && nLimit < kTextFileLimit && !allowance.m_bReported) {
        std::cerr << "quelmara: the disc's texts hold more than " << allowance.m_nTotal / kMebibyte
                  << " MiB; the rest of them is not read\n";
        allowance.m_bReported = true;
    }
    FileServices::ReadText(file, nLimit, strText);
    allowance.m_nLeft -= std::min(allowance.m_nLeft, strText.size());
}

// The end of the piece that starts at nStart: a text file is read in lines of
// at most kTextLineLength characters, each up to and including its LF.
std::size_t PieceEnd(const std::string &strText, std::size_t nStart) {
    const std::size_t nWindow = std::min(kTextLineLength, strText.size() - nStart);
    const void *pLineEnd = std::memchr(strText.data() + nStart, '\n', nWindow);
    if (!pLineEnd)
        return nStart + nWindow;
    return static_cast<std::size_t>(static_cast<const char *>(pLineEnd) - strText.data()) + 1;
}

// "folder/file", built on the stack when it fits, as it does for any name a
// folder listing gives: a walk opens five files per game this way.
class CRelativePath {
  public:
    CRelativePath(std::string_view folder, std::string_view file) {
        if (folder.size() + 1 + file.size() < sizeof m_szShort) {
            char *pEnd = std::copy(folder.begin(), folder.end(), m_szShort);
            *pEnd++ = '/';
            *std::copy(file.begin(), file.end(), pEnd) = '\0';
        } else {
            m_strLong.append(folder).append(1, '/').append(file);
        }
    }
    const char *Get() const { return m_strLong.empty() ? m_szShort : m_strLong.c_str(); }

  private:
    char m_szShort[NAME_MAX + 32];
    std::string m_strLong;
};

// Each piece is appended as a zero-terminated text, so a zero byte loses the
// rest of its own piece and nothing after it.
void DropAfterZeroBytes(std::string &strText) {
    if (strText.find('\0') == std::string::npos)
        return;
    std::string strKept;
    for (std::size_t nStart = 0; nStart < strText.size();) {
        const std::size_t nEnd = PieceEnd(strText, nStart);
        const void *pZero = std::memchr(strText.data() + nStart, '\0', nEnd - nStart);
        const std::size_t nKeep =
            pZero ? static_cast<std::size_t>(static_cast<const char *>(pZero) - strText.data()) -
                        nStart
                  : nEnd - nStart;
        strKept.append(strText, nStart, nKeep);
        nStart = nEnd;
    }
    strText = std::move(strKept);
}

void AppendText(const FileServices::COpenedFile &file, std::pmr::string &strText) {
    if (!file.m_file.IsOpen())
        return;
    // One buffer serves every file of a walk, 50,000 of them at 10,000 games;
    // the buffer of a huge text is not kept.
    thread_local std::string strRead;
    ReadAllowedText(file, strRead);
    DropAfterZeroBytes(strRead);
    strText += strRead;
    if (strRead.capacity() > kMebibyte)
        std::string().swap(strRead);
}

} // namespace

CCatalogEntry::~CCatalogEntry() {
    // The later siblings are released one after another instead of each
    // destroying the next, so that a long list does not exhaust the stack.
    std::unique_ptr<CCatalogEntry> pNext = std::move(m_pNext);
    while (pNext)
        pNext = std::move(pNext->m_pNext);
}

void CCatalogEntry::SetNameFromFile(const std::string &strDefaultName) {
    const FileServices::COpenedFile nameFile = OpenOwnFile("_name");
    m_strName = nameFile.m_file.IsOpen() ? FileServices::ReadTextLine(nameFile, kNameLineLength)
                                         : strDefaultName;
}

CCatalogEntry *CCatalogEntry::AddChild(int iKind) {
    std::unique_ptr<CCatalogEntry> pChild;
    if (iKind == 0)
        pChild = std::make_unique<CCatalogGame>(m_pTexts);
    else
        pChild = std::make_unique<CCatalogFolder>(m_pTexts);
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

bool CCatalogEntry::OpenOwnFolder() {
    if (!m_folder.IsOpen())
        m_folder = FileServices::OpenFolder(FileServices::FolderPath(m_strPath));
    return m_folder.IsOpen();
}

bool CCatalogEntry::IsOnWalkPath(const FileServices::CFileDescriptor &folder) const {
    for (const CCatalogEntry *pEntry = this; pEntry; pEntry = pEntry->m_pParent) {
        if (FileServices::IsSameFolder(pEntry->m_folder, folder))
            return true;
    }
    return false;
}

std::pmr::memory_resource *CCatalogEntry::TextMemory() const {
    return m_pTexts ? m_pTexts.get() : std::pmr::get_default_resource();
}

FileServices::COpenedFile CCatalogEntry::OpenOwnFile(const char *pszName) const {
    if (m_folder.IsOpen())
        return FileServices::OpenFileAt(m_folder, m_strPath, pszName);
    // A game is read through its parent's open folder: one open per file.
    if (m_pParent && m_pParent->m_folder.IsOpen()) {
        const std::string &strParent = m_pParent->m_strPath;
        if (m_strPath.size() > strParent.size() + 1 && m_strPath.starts_with(strParent) &&
            m_strPath[strParent.size()] == '/') {
            const CRelativePath relative(std::string_view(m_strPath).substr(strParent.size() + 1),
                                         pszName);
            return FileServices::OpenFileAt(m_pParent->m_folder, strParent, relative.Get());
        }
    }
    const FileServices::CFileDescriptor folder =
        FileServices::OpenFolder(FileServices::FolderPath(m_strPath));
    return FileServices::OpenFileAt(folder, m_strPath, pszName);
}

CCatalogEntry *CCatalogEntry::AddWalkedChild(const std::string &strName) {
    FileServices::COpenedFile details =
        FileServices::OpenFileAt(m_folder, m_strPath, CRelativePath(strName, "_details").Get());
    const bool bGame = details.m_file.IsOpen();
    FileServices::CFileDescriptor folder;
    if (!bGame) {
        folder = FileServices::OpenFolderAt(m_folder, strName);
        // A folder reached again through a link would be walked without end.
        if (!folder.IsOpen() || IsOnWalkPath(folder))
            return nullptr;
    }
    CCatalogEntry *pChild = AddChild(bGame ? 0 : 1);
    std::string strPath;
    strPath.reserve(m_strPath.size() + 1 + strName.size());
    pChild->SetPath(std::move(strPath.append(m_strPath).append(1, '/').append(strName)));
    pChild->m_folder = std::move(folder);
    if (bGame)
        static_cast<CCatalogGame *>(pChild)->m_detailsFile = std::move(details);
    pChild->SetNameFromFile(strName);
    if (pChild->Load())
        return pChild;
    RemoveChild(pChild);
    return nullptr;
}

bool CCatalogEntry::IsSubFolderName(const std::string &strName) {
    return strName != "." && strName != "..";
}

bool CCatalogFolder::Load() {
    if (!OpenOwnFolder())
        return false;
    // Taken whole before any child is walked.
    const std::optional<std::vector<CListedEntry>> listing = FileServices::ListDirectory(m_folder);
    // Only the top folder's links to folders are followed.
    const bool bFollowLinks = GetParent() == nullptr;
    int iGames = 0;
    int iFolders = 0;
    for (const CListedEntry &entry : listing.value_or(std::vector<CListedEntry>{})) {
        const bool bFolder = entry.m_bIsDirectory || (bFollowLinks && entry.m_bIsFolderLink);
        if (!bFolder || !IsSubFolderName(entry.m_strName))
            continue;
        if (const CCatalogEntry *pChild = AddWalkedChild(entry.m_strName))
            ++(pChild->IsGame() ? iGames : iFolders);
    }
    if (!listing || (iFolders == 0 && iGames == 0)) {
        m_folder.Close();
        return false;
    }
    if (iFolders == 0) {
        m_bHoldsGames = 1;
        m_folder.Close();
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
    m_folder.Close();
    return true;
}

CCatalogGame::CCatalogGame(std::shared_ptr<CTextArena> pTexts)
    : CCatalogEntry(std::move(pTexts)), m_strDetails(TextMemory()), m_strInfo(TextMemory()),
      m_strAuthor(TextMemory()), m_strAuthorWeb(TextMemory()), m_strPicFolder(TextMemory()) {}

bool CCatalogGame::Load() {
    // The walk has recognised the game by opening "_details"; a game loaded on
    // its own first opens its folder.
    if (!m_detailsFile.m_file.IsOpen()) {
        if (!OpenOwnFolder())
            return false;
        m_detailsFile = OpenOwnFile("_details");
    }
    AppendText(m_detailsFile, m_strDetails);
    AppendText(OpenOwnFile("_info"), m_strInfo);
    AppendText(OpenOwnFile("_author"), m_strAuthor);
    const FileServices::COpenedFile web = OpenOwnFile("_authorweb");
    if (web.m_file.IsOpen())
        m_strAuthorWeb += FileServices::ReadTextLine(web, kTextLineLength);
    m_strPicFolder.assign(m_strPath).append("/pic");
    m_detailsFile = {};
    m_folder.Close();
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
    StartAllowance(m_nTextLimit);
    m_pRoot = std::make_unique<CCatalogFolder>(std::make_shared<CTextArena>());
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
