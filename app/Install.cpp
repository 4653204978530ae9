#include "Install.h"

#include <optional>
#include <vector>

#include "FileServices.h"
#include "GameCatalog.h"

namespace {

// Copies one folder recursively. The install's own folder is never copied into
// itself: it lies inside the game folder when the HotSync folder is empty and
// the working directory is the game's, as it is after the catalogue walk.
void CopyFolder(const std::string &strSource, const std::string &strDestination,
                const std::string &strInstallFolder) {
    FileServices::MakeDirectory(strDestination);
    if (!FileServices::ChangeDirectory(strSource))
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
        if (!entry.m_bIsDirectory)
            FileServices::CopyFile(entry.m_strName, strTarget);
        else if (!FileServices::IsSameFile(strFrom, strInstallFolder))
            CopyFolder(strFrom, strTarget + "/", strInstallFolder);
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
    // A relative HotSync folder (an empty one included) is taken from the
    // working directory of this moment, once, so every copy lands in the same place.
    const std::string strHotSync = FileServices::AbsolutePath(g_pCatalog->m_strHotSyncFolder);
    if (!FileServices::ChangeDirectory(strHotSync))
        FileServices::MakeDirectory(strHotSync);
    CopyTree(m_strPath, strHotSync + InstalledFolderName(m_strName, m_strPath) + "/");
}

void CCatalogGame::CopyTree(const std::string &strSource, const std::string &strDestination) {
    CopyFolder(strSource, strDestination, strDestination);
}
