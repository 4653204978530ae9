// The application object and the program's entry: quelmara [disc folder].
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include "FileServices.h"
#include "FolderBrowser.h"
#include "FolderChooser.h"
#include "GUISkin.h"
#include "GameDiscDlg.h"
#include "HostWindow.h"
#include "PlatformServices.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr const char *kVersion = "quelmara 1.0\n";

constexpr const char *kUsage =
    "usage: quelmara [disc folder]\n"
    "Shows the games of a Palm game disc and installs them into the\n"
    "HotSync folder. Without a folder the working directory is the disc.\n"
    "  -h, --help     show this text and exit\n"
    "  --version      show the version and exit\n";

bool IsHelpRequest(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

} // namespace

class CGameDiscApp {
  public:
    // Loads the skin, then opens the main window and runs it until it ends.
    // Returns the process's exit status.
    int InitInstance();
};

int CGameDiscApp::InitInstance() {
    if (const auto missing = host::MissingDisplayMessage()) {
        std::cerr << *missing << '\n';
        return kExitFailure;
    }
    CGameDiscDlg dialog;
    GUISkinLoad();
    host::CHostWindow window;
    std::string strError;
    if (!window.Open(strError)) {
        std::cerr << strError << '\n';
        return kExitFailure;
    }
    host::SetFolderBrowserFallback(ToolkitFolderBrowser);
    window.DoModal(dialog);
    return dialog.IsScreenReady() ? 0 : kExitFailure;
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
    if (argc > 2) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    if (argc == 2 && !FileServices::ChangeDirectory(argv[1])) {
        std::cerr << "quelmara: cannot open the disc folder \"" << argv[1]
                  << "\": " << std::strerror(errno) << '\n';
        return kExitFailure;
    }
    return theApp.InitInstance();
}
