// The catalogue walk of a generated disc against only opening and reading the
// same text files, installing a game against `cp -r` of its folder, and
// selecting a row of a game list of 10,000 games grouped in 50 categories.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "GUIList.h"
#include "GUIScript.h"
#include "GUISkin.h"
#include "GameCatalog.h"
#include "GameList.h"
#include "MainScreen.h"
#include "PngDump.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCategories = 100;
constexpr int kGamesPerCategory = 100;
constexpr int kGameFiles = 200;
constexpr std::size_t kGameFileSize = 50u * 1024 * 1024 / kGameFiles;
constexpr int kListCategories = 50;
constexpr int kListGamesPerCategory = 200;

void WriteFile(const fs::path &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A temporary folder removed when the benchmark program ends.
class CTempFolder {
  public:
    explicit CTempFolder(const std::string &strName)
        : m_path(fs::temp_directory_path() /
                 ("quelmara-bench-" + strName + "-" + std::to_string(getpid()))) {
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~CTempFolder() {
        std::error_code error;
        fs::remove_all(m_path, error);
    }
    CTempFolder(const CTempFolder &) = delete;
    CTempFolder &operator=(const CTempFolder &) = delete;
    const fs::path &Path() const { return m_path; }

  private:
    fs::path m_path;
};

// 10,000 games in 100 category folders, each with its five text files.
struct CGeneratedDisc {
    CTempFolder m_top{"disc"};
    std::vector<std::string> m_textFiles;

    CGeneratedDisc() {
        const std::string strDetails(1500, 'd');
        for (int iCategory = 0; iCategory < kCategories; ++iCategory) {
            const fs::path category = m_top.Path() / ("Category " + std::to_string(iCategory));
            for (int iGame = 0; iGame < kGamesPerCategory; ++iGame) {
                const fs::path game = category / ("game" + std::to_string(iGame));
                fs::create_directories(game / "pic");
                Add(game / "_details", strDetails + "\r\n" + strDetails + "\r\n");
                Add(game / "_name", "Game " + std::to_string(iGame) + "\r\n");
                Add(game / "_info", "Version 1.0\r\nSize 40k\r\nColour\r\nFree\r\nPalm OS 3.5\r\n");
                Add(game / "_author", "www.example.org\r\nauthor@example.org\r\n");
                Add(game / "_authorweb", "www.example.org\r\n");
            }
        }
    }
    void Add(const fs::path &path, const std::string &content) {
        WriteFile(path, content);
        m_textFiles.push_back(path.string());
    }
};

CGeneratedDisc &Disc() {
    static CGeneratedDisc disc;
    return disc;
}

// One game of 200 files, 50 MB in all.
struct CGeneratedGame {
    CTempFolder m_folder{"game"};
    CTempFolder m_hotsync{"hotsync"};

    CGeneratedGame() {
        WriteFile(m_folder.Path() / "_details", "A big game.");
        std::string strContent(kGameFileSize, '\0');
        for (std::size_t i = 0; i < strContent.size(); ++i)
            strContent[i] = static_cast<char>(i * 2654435761u >> 24);
        for (int i = 0; i < kGameFiles; ++i)
            WriteFile(m_folder.Path() / ("file" + std::to_string(i) + ".pdb"), strContent);
    }
};

CGeneratedGame &Game() {
    static CGeneratedGame game;
    return game;
}

// Restores the working directory, which the walk and the install change.
class CKeepWorkingDirectory {
  public:
    CKeepWorkingDirectory() : m_saved(fs::current_path()) {}
    ~CKeepWorkingDirectory() { fs::current_path(m_saved); }
    CKeepWorkingDirectory(const CKeepWorkingDirectory &) = delete;
    CKeepWorkingDirectory &operator=(const CKeepWorkingDirectory &) = delete;

  private:
    fs::path m_saved;
};

void BM_CatalogWalk(benchmark::State &state) {
    CGeneratedDisc &disc = Disc();
    const CKeepWorkingDirectory keep;
    for (auto _ : state) {
        fs::current_path(disc.m_top.Path());
        auto pCatalog = std::make_unique<CGameCatalog>();
        if (!pCatalog->LoadCatalog())
            state.SkipWithError("the generated disc gave no catalogue");
        benchmark::DoNotOptimize(pCatalog->m_pRoot.get());
        state.PauseTiming();
        pCatalog.reset();
        state.ResumeTiming();
    }
    state.counters["games"] = kCategories * kGamesPerCategory;
}
BENCHMARK(BM_CatalogWalk)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_ReadDiscTextFilesOnly(benchmark::State &state) {
    CGeneratedDisc &disc = Disc();
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        std::size_t nTotal = 0;
        for (const std::string &strPath : disc.m_textFiles) {
            const int iFd = open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
            if (iFd < 0)
                continue;
            ssize_t nRead;
            while ((nRead = read(iFd, buffer.data(), buffer.size())) > 0)
                nTotal += static_cast<std::size_t>(nRead);
            close(iFd);
        }
        benchmark::DoNotOptimize(nTotal);
    }
    state.counters["files"] = static_cast<double>(disc.m_textFiles.size());
}
BENCHMARK(BM_ReadDiscTextFilesOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_InstallGame(benchmark::State &state) {
    CGeneratedGame &game = Game();
    const CKeepWorkingDirectory keep;
    CGameCatalog catalog;
    catalog.m_strHotSyncFolder = game.m_hotsync.Path().string() + "/";
    CCatalogGame entry;
    entry.SetPath(game.m_folder.Path().string());
    entry.m_strName = "Big Game";
    for (auto _ : state)
        entry.Install();
    state.SetBytesProcessed(state.iterations() * kGameFiles * static_cast<int64_t>(kGameFileSize));
}
BENCHMARK(BM_InstallGame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CpRecursive(benchmark::State &state) {
    CGeneratedGame &game = Game();
    const std::string strCommand = "cp -r '" + game.m_folder.Path().string() + "/.' '" +
                                   (game.m_hotsync.Path() / "cp").string() + "'";
    for (auto _ : state) {
        if (std::system(strCommand.c_str()) != 0)
            state.SkipWithError("cp failed");
    }
    state.SetBytesProcessed(state.iterations() * kGameFiles * static_cast<int64_t>(kGameFileSize));
}
BENCHMARK(BM_CpRecursive)->Unit(benchmark::kMillisecond)->UseRealTime();

// The sample disc's screen with a catalogue built in memory: 50 categories of
// 200 games, each game showing one of the disc's screenshots.
struct CCategoryScreen {
    CCatalogFolder m_root;
    GUIControl *m_pList = nullptr;

    CCategoryScreen() {
        const CKeepWorkingDirectory keep;
        fs::current_path(testsupport::SourcePath("disc"));
        GUISkinLoad();
        GfxAPIInit(nullptr, 800, 620);
        GUIControl *pScreen = GUIControlCreateFromFile(nullptr, "_data/layout.scr");
        if (!pScreen)
            return;
        pScreen->OnPublicEvent = MainScreenOnEvent;
        const std::string strPic = (fs::current_path() / "Action/BeetleDerby/pic").string();
        for (int iCategory = 0; iCategory < kListCategories; ++iCategory) {
            CCatalogEntry *pCategory = m_root.AddChild(1);
            pCategory->m_strName = "Category " + std::to_string(iCategory);
            for (int iGame = 0; iGame < kListGamesPerCategory; ++iGame) {
                auto *pGame = static_cast<CCatalogGame *>(pCategory->AddChild(0));
                pGame->m_strName = "Game " + std::to_string(iGame);
                pGame->m_strDetails = "A game.";
                pGame->m_strPicFolder = strPic;
            }
        }
        m_pList = GUIControlGetByID(nullptr, "gamelist");
        AddGameListRows(m_pList, m_root);
    }
};

CCategoryScreen &CategoryScreen() {
    static CCategoryScreen screen;
    return screen;
}

// Selects the given row, then another, so that every selection shows anew.
void SelectRows(benchmark::State &state, int32_t iRow, int32_t iOtherRow) {
    CCategoryScreen &screen = CategoryScreen();
    if (!screen.m_pList) {
        state.SkipWithError("the sample disc's layout did not load");
        return;
    }
    for (auto _ : state) {
        GUIListSetSelection(screen.m_pList, iRow);
        state.PauseTiming();
        GUIListSetSelection(screen.m_pList, iOtherRow);
        state.ResumeTiming();
    }
}

void BM_SelectCategoryRow(benchmark::State &state) {
    SelectRows(state, (kListGamesPerCategory + 1) * 20, (kListGamesPerCategory + 1) * 21);
}
BENCHMARK(BM_SelectCategoryRow)->Unit(benchmark::kMicrosecond);

void BM_SelectGameRow(benchmark::State &state) {
    SelectRows(state, (kListGamesPerCategory + 1) * 20 + 1, (kListGamesPerCategory + 1) * 21 + 1);
}
BENCHMARK(BM_SelectGameRow)->Unit(benchmark::kMicrosecond);

} // namespace
