// The settings file, whose whole content is the HotSync folder's path as raw
// bytes, and the default HotSync folder.
#pragma once

#include <optional>
#include <string>

// $XDG_CONFIG_HOME/quelmara.ini, or $HOME/.config/quelmara.ini when that is
// unset, empty or not absolute.
std::string SettingsFilePath();

// The folder the settings file holds: the bytes before the first zero byte
// of its first 2048, taken as they stand (a line end or blanks left by a hand
// edit stay part of it); nothing when the file cannot be read.
std::optional<std::string> ReadSettingsFolder();

// Makes the folder the file's whole content, creating the file's folder.
void WriteSettingsFolder(const std::string &strPath);

// $HOME/hotsync/, used until the settings file or the user gives another.
std::string DefaultHotSyncFolder();
