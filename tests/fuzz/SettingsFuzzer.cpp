// libFuzzer target: the settings file with arbitrary contents. The folder read
// is the bytes before the first zero, at most 2048, and reads back the same
// once written; a folder that is not an absolute path installs nothing.
#include <cstdint>
#include <string>

#include "FileServices.h"
#include "FuzzScratch.h"
#include "GameCatalog.h"
#include "Settings.h"

namespace fs = std::filesystem;
using fuzzscratch::Check;

namespace {

constexpr size_t kSettingsBytes = 2048;

std::string ReadFolder() {
    CGameCatalog catalog;
    Check(catalog.LoadSettings());
    return catalog.m_strHotSyncFolder;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    const fs::path &scratch = fuzzscratch::Make();
    fs::create_directories(scratch / "work");
    Check(FileServices::WriteFileCreatingFolder(scratch / "game/prog.prc", "p"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    fuzzscratch::Write(SettingsFilePath(), data, size);
    const std::string folder = bytes.substr(0, kSettingsBytes).substr(0, bytes.find('\0'));
    Check(ReadFolder() == folder);
    CGameCatalog().SaveHotSyncFolder(folder);
    Check(ReadFolder() == folder);

    if (folder.starts_with('/'))
        return 0;
    const fs::path &scratch = fuzzscratch::Folder();
    Check(FileServices::ChangeDirectory(scratch / "work"));
    CGameCatalog catalog;
    catalog.m_strHotSyncFolder = folder;
    CCatalogGame game;
    game.SetPath(scratch / "game");
    game.Install();
    Check(fs::is_empty(scratch / "work") && !fs::exists(scratch / "game/game"));
    return 0;
}
