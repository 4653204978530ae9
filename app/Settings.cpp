#include "Settings.h"

#include <cstdlib>
#include <optional>

#include "FileServices.h"
#include "GameCatalog.h"

namespace {

constexpr std::size_t kSettingsBytes = 2048;

std::string EnvironmentValue(const char *pszName) {
    const char *pszValue = std::getenv(pszName);
    return pszValue ? pszValue : "";
}

} // namespace

std::string SettingsFilePath() {
    std::string strFolder = EnvironmentValue("XDG_CONFIG_HOME");
    if (strFolder.empty() || strFolder.front() != '/')
        strFolder = EnvironmentValue("HOME") + "/.config";
    return strFolder + "/quelmara.ini";
}

std::string DefaultHotSyncFolder() {
    return EnvironmentValue("HOME") + "/hotsync/";
}

bool CGameCatalog::LoadSettings() {
    const std::optional<std::string> content =
        FileServices::ReadBytes(SettingsFilePath(), kSettingsBytes);
    if (!content)
        return false;
    // Taken as it stands: a line end or blanks left by a hand edit stay part of the folder.
    m_strHotSyncFolder = content->substr(0, content->find('\0'));
    return true;
}

void CGameCatalog::SaveHotSyncFolder(const std::string &strPath) {
    FileServices::WriteFileCreatingFolder(SettingsFilePath(), strPath);
    m_strHotSyncFolder = strPath;
}
