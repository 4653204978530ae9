// The designer's entry: quelmara-designer [--disc DIR] [LAYOUT.scr].
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "DesignerDlg.h"
#include "MainWindowRun.h"

namespace fs = std::filesystem;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr const char *kUsage =
    "usage: quelmara-designer [--disc DIR] [LAYOUT.scr]\n"
    "Opens a layout script in the layout editor: drag a control to move it,\n"
    "drag its bottom-right corner to resize it, right-click for New, Delete,\n"
    "Save and Properties. \"Save layout\" writes the whole layout back to its file.\n"
    "Without LAYOUT.scr the gallery of every control type is opened.\n"
    "\n"
    "  --disc DIR  the disc whose skin (DIR/_data) draws the layout; the\n"
    "              layout's own file names are relative to it as well.\n"
    "              Default: the disc installed beside the program\n"
    "              (../share/quelmara from its folder), else the sample\n"
    "              disc of the source tree it was built from.\n";

struct Options {
    fs::path disc;
    fs::path layout;
};

fs::path ProgramFolder() {
    std::error_code failure;
    const fs::path program = fs::read_symlink("/proc/self/exe", failure);
    return failure ? fs::path() : program.parent_path();
}

// Installed files first, so an installed designer never reads a build tree.
fs::path FirstExisting(const fs::path &installed, const fs::path &sourceTree) {
    std::error_code failure;
    return fs::exists(installed, failure) ? installed : sourceTree;
}

fs::path DefaultDisc() {
    return FirstExisting(ProgramFolder() / ".." / QUELMARA_INSTALLED_DISC / "_data",
                         fs::path(QUELMARA_SOURCE_DISC) / "_data")
        .parent_path();
}

fs::path DefaultLayout() {
    return FirstExisting(ProgramFolder() / ".." / QUELMARA_INSTALLED_GALLERY,
                         QUELMARA_SOURCE_GALLERY);
}

// Nothing when the arguments are not understood.
std::optional<Options> ParseArguments(int argc, char **argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--disc" && i + 1 < argc && options.disc.empty())
            options.disc = argv[++i];
        else if (!argument.starts_with("-") && options.layout.empty())
            options.layout = argv[i];
        else
            return std::nullopt;
    }
    if (options.disc.empty())
        options.disc = DefaultDisc();
    if (options.layout.empty())
        options.layout = DefaultLayout();
    return options;
}

int RunDesigner(const fs::path &layout) {
    CDesignerDlg dialog(layout);
    return RunMainWindow(dialog) ? dialog.ExitStatus() : kExitFailure;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    const std::optional<Options> options = ParseArguments(argc, argv);
    if (!options) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    // The layout is named from where the designer was started; the disc
    // becomes the working directory, as it is for the program itself.
    std::error_code failure;
    const fs::path layout = fs::absolute(options->layout, failure);
    fs::current_path(options->disc, failure);
    if (failure) {
        std::cerr << "quelmara-designer: cannot open the disc folder \"" << options->disc.string()
                  << "\": " << failure.message() << '\n';
        return kExitFailure;
    }
    return RunDesigner(layout);
}
