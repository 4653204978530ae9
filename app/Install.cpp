#include "Install.h"

#include <iostream>
#include <optional>
#include <vector>

#include "FileServices.h"
#include "GameCatalog.h"

namespace {

void ReportSkipped(const std::string &strPath, const char *pszReason) {
    std::cerr << "quelmara: install: skipped " << strPath << ": " << pszReason << '\n';
}

// Makes a folder of the install's target when missing. One that is a link is
// refused: writing through it could put files outside the HotSync folder.
bool PrepareTargetFolder(const std::string &strFolder) {
    FileServices::MakeDirectory(strFolder);
    if (!FileServices::IsSymbolicLink(strFolder.substr(0, strFolder.size() - 1)))
        return true;
    ReportSkipped(strFolder, "the target is a link, not a folder");
    return false;
}

// A file of the game folder, or a link that leads to one inside the disc; a
// link to anything outside it (say /etc/passwd) is not copied.
bool IsCopiedFile(const CListedEntry &entry, const std::string &strFrom,
                  const std::string &strDisc) {
    if (!entry.m_bIsLink || FileServices::IsInsideFolder(entry.m_strName, strDisc))
        return true;
    ReportSkipped(strFrom, "the link points outside the disc");
    return false;
}

// Copies one folder recursively. The install's own folder is never copied into
// itself: it may lie inside the game folder when the HotSync folder does.
void CopyFolder(const std::string &strSource, const std::string &strDestination,
                const std::string &strInstallFolder, const std::string &strDisc) {
    if (!PrepareTargetFolder(strDestination) || !FileServices::ChangeDirectory(strSource))
        return;
    // Taken whole: copying a sub-folder changes the working directory meanwhile.
    const std::optional<std::vector<CListedEntry>> listing = FileServices::ListDirectory(strSource);
    if (!listing)
        return;
    for (const CListedEntry &entry : *listing) {
        if (!CCatalogGame::IsCopiedName(entry.m_strName))
            continue;
        // Back into this folder, which a nested copy has left.
        if (!FileServices::ChangeDirectory(strSource))
            return;
        const std::string strTarget = strDestination + entry.m_strName;
        const std::string strFrom = strSource + "/" + entry.m_strName;
        if (!entry.m_bIsDirectory) {
            if (IsCopiedFile(entry, strFrom, strDisc))
                FileServices::CopyFile(entry.m_strName, strTarget);
        } else if (!FileServices::IsSameFile(strFrom, strInstallFolder)) {
            CopyFolder(strFrom, strTarget + "/", strInstallFolder, strDisc);
        }
    }
}

} // namespace

std::string InstalledFolderName(const std::string &strDisplayName,
                                const std::string &strGameFolder) {
    std::string strClean;
    for (const char c : strDisplayName) {
        const auto uc = static_cast<unsigned char>(c);
        if (uc < 0x20 || uc == 0x7F)
            continue;
        strClean += c == '/' ? '_' : c;
    }
    if (strClean.empty() || strClean == "." || strClean == "..")
        return strGameFolder.substr(strGameFolder.rfind('/') + 1);
    return strClean;
}

bool CCatalogGame::IsCopiedName(const std::string &strName) {
    return !strName.starts_with('_') && !strName.starts_with('.') && strName != "pic";
}

void CCatalogGame::Install() {
    if (!g_pCatalog)
        return;
    // A relative folder would land wherever the working directory happens to
    // be (inside the disc after the catalogue walk).
    std::string strHotSync = g_pCatalog->m_strHotSyncFolder;
    if (!strHotSync.starts_with('/')) {
        std::cerr << "quelmara: install: the HotSync folder \"" << strHotSync
                  << "\" is not an absolute path; nothing was copied\n";
        return;
    }
    if (!FileServices::ChangeDirectory(strHotSync))
        FileServices::MakeDirectory(strHotSync);
    // A folder whether or not its text ends with "/".
    if (!strHotSync.ends_with('/'))
        strHotSync += '/';
    CopyTree(m_strPath, strHotSync + InstalledFolderName(m_strName, m_strPath) + "/");
}

void CCatalogGame::CopyTree(const std::string &strSource, const std::string &strDestination) {
    const std::string &strDisc =
        g_pCatalog && g_pCatalog->m_pRoot ? g_pCatalog->m_pRoot->m_strPath : m_strPath;
    CopyFolder(strSource, strDestination, strDestination, strDisc);
}
