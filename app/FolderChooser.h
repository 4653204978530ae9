// Choosing the HotSync folder, and the folder browser drawn with the toolkit
// that stands in for the desktop's chooser where none is installed.
#pragma once

#include <optional>
#include <string>

#include "ToolkitPanel.h"

inline constexpr const char *kFolderBrowserTitle = "Select your Hotsync folder.";

// Shows the folder browser. A chosen folder gets "/" appended, goes to the
// settings file and the catalogue, and is shown in "sfolder". False when the
// user cancelled; nothing changes then.
bool ChooseHotSyncFolder();

// Puts the HotSync folder into "sfolder"; a path too long for the field's
// buffer keeps its end there, and the field shows the end of what it holds.
void ShowHotSyncFolder(const std::string &strFolder);

// Where the toolkit's browser opens: the HotSync folder, or the nearest folder
// above it that exists; $HOME for a relative one; "/" when nothing else is left.
std::string FolderBrowserStart(const std::string &strHotSyncFolder);

// Runs the toolkit's folder browser over the whole screen until OK (the folder
// shown in its path field) or Cancel (nothing). It takes every key of the
// window meanwhile: Return is OK, Escape Cancel, Backspace and Left go up,
// Right enters the highlighted folder, the arrows and pages move in the list.
std::optional<std::string> RunToolkitFolderBrowser(const std::string &strTitle,
                                                   const std::string &strStart,
                                                   const ServeWindow &serveWindow);

// The browser the host falls back on: opens at FolderBrowserStart of the
// current HotSync folder, served by the running host.
std::optional<std::string> ToolkitFolderBrowser(const std::string &strTitle);
