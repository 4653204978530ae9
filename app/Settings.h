// Where the settings file and the default HotSync folder are. The settings file's
// whole content is the HotSync folder's path as raw bytes (read and written by
// CGameCatalog::LoadSettings and CGameCatalog::SaveHotSyncFolder).
#pragma once

#include <string>

// $XDG_CONFIG_HOME/quelmara.ini, or $HOME/.config/quelmara.ini when that is
// unset, empty or not absolute.
std::string SettingsFilePath();

// $HOME/hotsync/, used until the settings file or the user gives another.
std::string DefaultHotSyncFolder();
