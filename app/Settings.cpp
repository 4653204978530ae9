#include "Settings.h"

#include <cstdlib>

#include "FileServices.h"

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

std::optional<std::string> ReadSettingsFolder() {
    const std::optional<std::string> content =
        FileServices::ReadBytes(SettingsFilePath(), kSettingsBytes);
    if (!content)
        return std::nullopt;
    return content->substr(0, content->find('\0'));
}

void WriteSettingsFolder(const std::string &strPath) {
    FileServices::WriteFileCreatingFolder(SettingsFilePath(), strPath);
}
