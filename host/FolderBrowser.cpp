#include "FolderBrowser.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <utility>

#include "HostWindow.h"

namespace host {
namespace {

// Where programs are looked for when PATH is unset, as the C library does.
constexpr const char *kDefaultSearchPath = "/bin:/usr/bin";

FolderBrowserFallback &InstalledFallback() {
    static FolderBrowserFallback fallback;
    return fallback;
}

bool IsExecutableFile(const std::filesystem::path &path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

void PumpActiveHost() {
    if (CHostWindow *host = CHostWindow::Active())
        host->PumpPendingEvents();
}

std::string WithoutLineEnd(std::string text) {
    if (text.ends_with('\n'))
        text.pop_back();
    return text;
}

} // namespace

void SetFolderBrowserFallback(FolderBrowserFallback fallback) {
    InstalledFallback() = std::move(fallback);
}

std::optional<std::string> FindProgram(const std::string &name, const std::string &searchPath) {
    size_t start = 0;
    for (;;) {
        const size_t end = searchPath.find(':', start);
        const std::string folder = searchPath.substr(start, end - start);
        const auto candidate = std::filesystem::path(folder.empty() ? "." : folder) / name;
        if (IsExecutableFile(candidate))
            return candidate.string();
        if (end == std::string::npos)
            return std::nullopt;
        start = end + 1;
    }
}

std::optional<std::vector<std::string>> FolderChooserCommand(const std::string &title,
                                                             const std::string &searchPath) {
    if (auto zenity = FindProgram("zenity", searchPath))
        return std::vector<std::string>{*zenity, "--file-selection", "--directory",
                                        "--title=" + title};
    if (auto kdialog = FindProgram("kdialog", searchPath))
        return std::vector<std::string>{*kdialog, "--title", title, "--getexistingdirectory"};
    return std::nullopt;
}

std::optional<std::string> RunFolderChooser(const std::vector<std::string> &command,
                                            const std::function<void()> &pumpEvents) {
    const auto outcome = RunChildProcess(command, pumpEvents);
    if (!outcome || outcome->exitStatus != 0)
        return std::nullopt;
    std::string path = WithoutLineEnd(outcome->output);
    if (path.empty())
        return std::nullopt;
    return path;
}

std::optional<std::string> BrowseForFolder(const std::string &title) {
    const char *searchPath = std::getenv("PATH");
    if (auto command = FolderChooserCommand(title, searchPath ? searchPath : kDefaultSearchPath)) {
        // The chooser's loop waits before it first pumps the window.
        if (CHostWindow *host = CHostWindow::Active())
            host->PresentPendingUpdates();
        return RunFolderChooser(*command, PumpActiveHost);
    }
    if (const auto &fallback = InstalledFallback())
        return fallback(title);
    std::cerr << "quelmara: no folder browser found (install zenity or kdialog)\n";
    return std::nullopt;
}

} // namespace host
