// libFuzzer target: the settings file with arbitrary contents. The folder read
// is the bytes before the first zero, at most 2048; writing it back and reading
// again gives the same folder; and a folder that is not an absolute path
// installs nothing anywhere.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "FileServices.h"
#include "GameCatalog.h"
#include "Settings.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kSettingsBytes = 2048;

fs::path scratch;

void RemoveScratch() {
    std::error_code error;
    fs::remove_all(scratch, error);
}

size_t CountEntries(const fs::path &folder) {
    size_t count = 0;
    for (auto it = fs::recursive_directory_iterator(folder);
         it != fs::recursive_directory_iterator(); ++it)
        ++count;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quelmara-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()))
        std::abort();
    scratch = pattern;
    std::atexit(RemoveScratch);
    setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    fs::create_directories(scratch / "work");
    fs::create_directories(scratch / "game");
    if (!FileServices::WriteFileCreatingFolder((scratch / "game/prog.prc").string(), "p"))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    if (!FileServices::WriteFileCreatingFolder(SettingsFilePath(), bytes))
        std::abort();
    CGameCatalog catalog;
    if (!catalog.LoadSettings())
        std::abort();
    const std::string expected = bytes.substr(0, kSettingsBytes).substr(0, bytes.find('\0'));
    if (catalog.m_strHotSyncFolder != expected)
        std::abort();

    catalog.SaveHotSyncFolder(expected);
    CGameCatalog reread;
    if (!reread.LoadSettings() || reread.m_strHotSyncFolder != expected)
        std::abort();

    if (expected.starts_with('/'))
        return 0;
    if (!FileServices::ChangeDirectory((scratch / "work").string()))
        std::abort();
    CCatalogGame game;
    game.SetPath((scratch / "game").string());
    game.SetNameFromFile("game");
    game.Install();
    if (CountEntries(scratch / "work") != 0 || CountEntries(scratch / "game") != 1)
        std::abort();
    return 0;
}
