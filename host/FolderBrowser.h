// The folder browser: the desktop's own chooser (zenity, else kdialog) run as
// a child process while the main window stays served, or a browser the
// application supplies where neither is installed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace host {

// A browser of the application's own (drawn with the toolkit), used where no
// desktop chooser exists: shows title, returns the chosen folder or nothing
// when cancelled. It runs its own nested loop on the active host.
using FolderBrowserFallback = std::function<std::optional<std::string>(const std::string &title)>;

// Installs (or, with an empty function, removes) the fallback browser.
void SetFolderBrowserFallback(FolderBrowserFallback fallback);

// Asks the user for a folder: the chosen path without a trailing line end, or
// nothing when the user cancelled or no browser is available. While the
// chooser is open the running main window keeps getting its paints, ticks,
// mouse and keys.
std::optional<std::string> BrowseForFolder(const std::string &title);

// The executable file called name in one of the folders of searchPath (a
// colon-separated list like PATH; an empty entry is the working directory).
std::optional<std::string> FindProgram(const std::string &name, const std::string &searchPath);

// The command line of the first desktop chooser found on searchPath.
std::optional<std::vector<std::string>> FolderChooserCommand(const std::string &title,
                                                             const std::string &searchPath);

// Runs a chooser command and reads its answer: exit status 0 with a path on
// standard output is a choice; anything else, including a failure to start,
// is a cancel. pumpEvents is called while the chooser runs.
std::optional<std::string> RunFolderChooser(const std::vector<std::string> &command,
                                            const std::function<void()> &pumpEvents);

} // namespace host
