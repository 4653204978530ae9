// The application object and the program's entry: quelmara [disc folder].
#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "FileServices.h"
#include "FolderBrowser.h"
#include "FolderChooser.h"
#include "GameDiscDlg.h"
#include "MainWindowRun.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr const char *kVersion = "quelmara 1.0\n";

constexpr const char *kUsage =
    "usage: quelmara [--exit-after-first-frame] [disc folder]\n"
    "Shows the games of a Palm game disc and installs them into the\n"
    "HotSync folder. Without a folder the working directory is the disc.\n"
    "  -h, --help     show this text and exit\n"
    "  --version      show the version and exit\n"
    "  --exit-after-first-frame\n"
    "                 end with status 0 as soon as the first picture is shown\n"
    "                 (to time the start-up)\n";

constexpr std::string_view kExitAfterFirstFrame = "--exit-after-first-frame";

bool IsHelpRequest(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

struct CCommandLine {
    bool m_bExitAfterFirstFrame = false;
    std::optional<std::string> m_disc;
    bool m_bValid = true;
};

CCommandLine ParseCommandLine(int argc, char **argv) {
    CCommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == kExitAfterFirstFrame)
            line.m_bExitAfterFirstFrame = true;
        else if (!line.m_disc && !argument.starts_with("--"))
            line.m_disc = argv[i];
        else
            line.m_bValid = false;
    }
    return line;
}

} // namespace

class CGameDiscApp {
  public:
    // Loads the skin, then opens the main window and runs it until it ends.
    // Returns the process's exit status.
    int InitInstance();

    bool m_bExitAfterFirstFrame = false;
};

int CGameDiscApp::InitInstance() {
    CGameDiscDlg dialog;
    const bool bRan = RunMainWindow(dialog, [this, &dialog](host::CHostWindow &window) {
        host::SetFolderBrowserFallback(ToolkitFolderBrowser);
        if (m_bExitAfterFirstFrame)
            window.OnFirstFrame([&dialog] { dialog.EndDialog(0); });
    });
    return bRan && dialog.IsScreenReady() ? 0 : kExitFailure;
}

CGameDiscApp theApp;

int main(int argc, char **argv) {
    if (argc == 2 && IsHelpRequest(argv[1])) {
        std::cout << kUsage;
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << kVersion;
        return 0;
    }
    const CCommandLine line = ParseCommandLine(argc, argv);
    if (!line.m_bValid) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    if (line.m_disc && !FileServices::ChangeDirectory(*line.m_disc)) {
        std::cerr << "quelmara: cannot open the disc folder \"" << *line.m_disc
                  << "\": " << std::strerror(errno) << '\n';
        return kExitFailure;
    }
    theApp.m_bExitAfterFirstFrame = line.m_bExitAfterFirstFrame;
    return theApp.InitInstance();
}
