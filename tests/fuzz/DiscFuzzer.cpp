// libFuzzer target: a whole disc built from the input, walked into the
// catalogue, each game shown and installed through the main screen, and the
// list searched. Nothing outside the HotSync folder may change, whatever the
// disc holds (links out of it, links and folders already in the HotSync
// folder, odd names and texts).
//
// Input: lines, each one record.
//   d PATH            a folder of the disc
//   f PATH=TEXT       a file of the disc; "|" in TEXT stands for a line end
//   l PATH>TARGET     a link of the disc; TARGET "^" is a file outside the
//                     disc, "^d" a folder outside it, else a path inside
//   h PATH            a link in the HotSync folder to the folder outside
//   H PATH            a folder in the HotSync folder
//   s TEXT            a search text
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "FileServices.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUISkin.h"
#include "GameCatalog.h"
#include "GameDiscDlg.h"
#include "MainScreen.h"
#include "Settings.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxRecords = 64;
constexpr size_t kMaxDepth = 4;
constexpr size_t kMaxNameLength = 40;

fs::path scratch;
fs::path disc;
fs::path hotsync;
fs::path outside;

void RemoveScratch() {
    std::error_code error;
    fs::remove_all(scratch, error);
}

// The path's components, without empty ones, "." and "..", so that every
// record stays inside its folder; empty when nothing is left.
fs::path Relative(std::string_view text) {
    fs::path path;
    size_t depth = 0;
    while (!text.empty() && depth < kMaxDepth) {
        const size_t slash = text.find('/');
        const std::string_view part = text.substr(0, slash);
        text = slash == std::string_view::npos ? std::string_view() : text.substr(slash + 1);
        if (part.empty() || part == "." || part == ".." || part.find('\0') != part.npos)
            continue;
        path /= std::string(part.substr(0, kMaxNameLength));
        ++depth;
    }
    return path;
}

std::string WithLineEnds(std::string_view text) {
    std::string out(text);
    for (char &c : out)
        if (c == '|')
            c = '\n';
    return out;
}

void MakeParent(const fs::path &path) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
}

void AddRecord(std::string_view line, std::string &search) {
    if (line.size() < 2)
        return;
    const char kind = line[0];
    std::string_view rest = line.substr(1);
    std::error_code error;
    if (kind == 's') {
        search = rest;
        return;
    }
    const size_t split = rest.find(kind == 'f' ? '=' : '>');
    const bool hasValue = (kind == 'f' || kind == 'l') && split != rest.npos;
    const fs::path relative = Relative(hasValue ? rest.substr(0, split) : rest);
    if (relative.empty())
        return;
    const std::string_view value = hasValue ? rest.substr(split + 1) : std::string_view();
    const fs::path target = (kind == 'h' || kind == 'H' ? hotsync : disc) / relative;
    MakeParent(target);
    if (kind == 'd' || kind == 'H') {
        fs::create_directories(target, error);
    } else if (kind == 'f') {
        FileServices::WriteFileCreatingFolder(target.string(), WithLineEnds(value));
    } else if (kind == 'h') {
        fs::create_directory_symlink(outside, target, error);
    } else if (kind == 'l' && hasValue) {
        const fs::path linked = value == "^"    ? outside / "secret"
                                : value == "^d" ? outside
                                                : Relative(value);
        if (!linked.empty())
            fs::create_symlink(linked, target, error);
    }
}

// Every entry below the folder, links not followed: its kind and content.
void Snapshot(const fs::path &folder, const fs::path &skipped,
              std::map<std::string, std::string> &entries) {
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(folder, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (error)
            std::abort();
        const fs::path &path = it->path();
        if (path == skipped) {
            it.disable_recursion_pending();
            continue;
        }
        std::string &entry = entries[path.string()];
        if (it->is_symlink())
            entry = "link " + fs::read_symlink(path, error).string();
        else if (it->is_directory())
            entry = "folder";
        else
            entry = "file " + FileServices::ReadBytes(path.string(), 1 << 20).value_or("?");
    }
}

std::map<std::string, std::string> EverythingButTheHotSyncFolder() {
    std::map<std::string, std::string> entries;
    Snapshot(scratch, hotsync, entries);
    return entries;
}

void ShowSearchAndInstall(const std::string &search) {
    GUIControl *list = GUIControlGetByID(nullptr, "gamelist");
    const int32_t rows = reinterpret_cast<GUIList *>(list)->aszText.iCount;
    for (int32_t row = 0; row < rows; ++row) {
        GUIListSetSelection(list, row);
        InstallSelectedGame();
    }
    GUIEditSet(GUIControlGetByID(nullptr, "stext"), search.c_str());
    SearchFromFirstGame();
    SearchForward();
    SearchBackward();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quelmara-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()))
        std::abort();
    scratch = pattern;
    disc = scratch / "disc";
    hotsync = scratch / "hotsync";
    outside = scratch / "outside";
    std::atexit(RemoveScratch);
    setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    if (!FileServices::WriteFileCreatingFolder(SettingsFilePath(), hotsync.string() + "/"))
        std::abort();
    // The sample disc's skin and screen, built once.
    if (!FileServices::ChangeDirectory(QUELMARA_SOURCE_DIR "/disc"))
        std::abort();
    ScreenServices() = {[](const std::string &) {}, [](const std::string &) { return true; },
                        [](int) {}};
    GUISkinLoad();
    static CGameDiscDlg dialog;
    dialog.OnInitDialog();
    if (!dialog.IsScreenReady())
        std::abort();
    GUIListClear(GUIControlGetByID(nullptr, "gamelist"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    RemoveScratch();
    fs::create_directories(disc);
    fs::create_directories(hotsync);
    fs::create_directories(outside / "folder");
    FileServices::WriteFileCreatingFolder((outside / "secret").string(), "private");
    std::string search;
    std::string_view input(reinterpret_cast<const char *>(data), size);
    for (size_t records = 0; !input.empty() && records < kMaxRecords; ++records) {
        const size_t end = input.find('\n');
        AddRecord(input.substr(0, end), search);
        input = end == input.npos ? std::string_view() : input.substr(end + 1);
    }
    const std::map<std::string, std::string> before = EverythingButTheHotSyncFolder();

    auto catalog = std::make_unique<CGameCatalog>();
    catalog->m_strHotSyncFolder = hotsync.string() + "/";
    if (!FileServices::ChangeDirectory(disc.string()))
        std::abort();
    catalog->LoadCatalog();
    GUIControl *list = GUIControlGetByID(nullptr, "gamelist");
    if (catalog->m_pRoot) {
        for (CCatalogEntry *entry = catalog->m_pRoot->GetFirstChild(); entry;
             entry = entry->GetNext())
            GUIListSetData(list, reinterpret_cast<uintptr_t>(entry),
                           GUIListAdd(list, entry->GetName()));
    }
    ShowSearchAndInstall(search);
    GUIListClear(list);
    catalog.reset();

    if (EverythingButTheHotSyncFolder() != before)
        std::abort();
    return 0;
}
