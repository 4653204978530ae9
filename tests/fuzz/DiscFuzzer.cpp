// libFuzzer target: a whole disc made from the input, walked into the
// catalogue, each row (category or game) shown and installed through the main
// screen, the list searched. Nothing outside the HotSync folder may change,
// whatever the disc and the HotSync folder hold.
//
// Input: one record a line.
//   f PATH=TEXT     a file of the disc ("|" is a line end), its folders made
//   l PATH>TARGET   a link of the disc: TARGET "^" is a file outside the disc,
//                   "^d" a folder outside it, anything else a path inside
//   h PATH          a link in the HotSync folder to the folder outside
//   s TEXT          the search text
#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "FileServices.h"
#include "FuzzScratch.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUISkin.h"
#include "GameCatalog.h"
#include "GameDiscDlg.h"
#include "GameList.h"
#include "MainScreen.h"
#include "Settings.h"

namespace fs = std::filesystem;
using fuzzscratch::Check;

namespace {

fs::path disc, hotsync, outside;

// At most four components, without empty ones, "." and "..": every record
// stays inside its folder.
fs::path Relative(std::string_view text) {
    fs::path path;
    for (int depth = 0; !text.empty() && depth < 4;) {
        const std::string_view part = text.substr(0, text.find('/'));
        text.remove_prefix(std::min(text.size(), part.size() + 1));
        if (!part.empty() && part != "." && part != ".." && part.find('\0') == part.npos) {
            path /= std::string(part.substr(0, 40));
            ++depth;
        }
    }
    return path;
}

void AddRecord(char kind, std::string_view rest, std::string &search) {
    if (kind == 's') {
        search = rest;
        return;
    }
    const size_t split = rest.find(kind == 'f' ? '=' : '>');
    const fs::path relative = Relative(kind == 'h' ? rest : rest.substr(0, split));
    std::string value(split == rest.npos ? "" : rest.substr(split + 1));
    const fs::path path = (kind == 'h' ? hotsync : disc) / relative;
    std::error_code error;
    if (relative.empty() || (kind != 'h' && split == rest.npos))
        return;
    fs::create_directories(path.parent_path(), error);
    if (kind == 'f') {
        std::replace(value.begin(), value.end(), '|', '\n');
        FileServices::WriteFileCreatingFolder(path, value);
    } else if (kind == 'h') {
        fs::create_directory_symlink(outside, path, error);
    } else if (kind == 'l') {
        const fs::path target = value == "^"    ? outside / "secret"
                                : value == "^d" ? outside
                                                : Relative(value);
        fs::create_symlink(target, path, error);
    }
}

// Every entry of the scratch folder but the HotSync folder's, links not
// followed, with its kind and content.
std::map<fs::path, std::string> EverythingOutsideTheHotSyncFolder() {
    std::map<fs::path, std::string> entries;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(fuzzscratch::Folder(), error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        Check(!error);
        if (it->path() == hotsync)
            it.disable_recursion_pending();
        else if (it->is_symlink())
            entries[it->path()] = "link " + fs::read_symlink(it->path(), error).string();
        else
            entries[it->path()] = FileServices::ReadBytes(it->path(), 1 << 20).value_or("folder");
    }
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    const fs::path &scratch = fuzzscratch::Make();
    disc = scratch / "disc";
    hotsync = scratch / "hotsync";
    outside = scratch / "outside";
    Check(FileServices::WriteFileCreatingFolder(SettingsFilePath(), hotsync.string() + "/"));
    // The sample disc's skin and screen, built once.
    Check(FileServices::ChangeDirectory(QUELMARA_SOURCE_DIR "/disc"));
    ScreenServices() = {[](const std::string &) {}, [](const std::string &) { return true; },
                        [](int) {}, [] { return true; }};
    GUISkinLoad();
    static CGameDiscDlg dialog;
    dialog.OnInitDialog();
    Check(dialog.IsScreenReady());
    GUIListClear(GUIControlGetByID(nullptr, "gamelist"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    for (const fs::path &folder : {disc, hotsync, outside}) {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    fuzzscratch::Write(outside / "secret", "private", 7);
    std::string search;
    std::string_view input(reinterpret_cast<const char *>(data), size);
    for (int records = 0; !input.empty() && records < 64; ++records) {
        const std::string_view line = input.substr(0, input.find('\n'));
        input.remove_prefix(std::min(input.size(), line.size() + 1));
        if (line.size() > 1)
            AddRecord(line[0], line.substr(1), search);
    }
    const auto before = EverythingOutsideTheHotSyncFolder();

    auto catalog = std::make_unique<CGameCatalog>();
    catalog->m_strHotSyncFolder = hotsync.string() + "/";
    Check(FileServices::ChangeDirectory(disc));
    GUIControl *list = GUIControlGetByID(nullptr, "gamelist");
    catalog->LoadCatalog();
    if (catalog->m_pRoot)
        AddGameListRows(list, *catalog->m_pRoot);
    for (int32_t row = 0; row < reinterpret_cast<GUIList *>(list)->aszText.iCount; ++row) {
        GUIListSetSelection(list, row);
        InstallSelectedGame();
    }
    GUIEditSet(GUIControlGetByID(nullptr, "stext"), search.c_str());
    SearchFromFirstGame();
    SearchForward();
    SearchBackward();
    GUIListClear(list);
    catalog.reset();
    Check(EverythingOutsideTheHotSyncFolder() == before);
    return 0;
}
