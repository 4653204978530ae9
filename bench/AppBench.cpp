// The catalogue walk of generated discs against only opening and reading the
// same text files, selecting a game on the sample disc's screen, selecting a
// row of a game list of 10,000 games grouped in 50 categories, and installing
// a game against `cp -r` of its folder.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "BenchDisc.h"
#include "GUIList.h"
#include "GUISkin.h"
#include "GameCatalog.h"
#include "GameDiscDlg.h"
#include "GameList.h"
#include "PngDump.h"
#include "SideBySide.h"
#include "SkinTestSupport.h"
#include "TestFiles.h"

namespace {

constexpr int kGameFiles = 200;
constexpr std::size_t kGameFileSize = 50u * 1024 * 1024 / kGameFiles;
constexpr int kListCategories = 50;
constexpr int kListGamesPerCategory = 200;

// A generated disc per shape, made once: games and category folders (0: flat).
struct CGeneratedDisc {
    testsupport::ScratchDir m_top;
    std::vector<std::string> m_textFiles;

    CGeneratedDisc(int iGames, int iCategories)
        : m_textFiles(benchdisc::WriteDisc(m_top.Root(), iGames, iCategories)) {
        // Written back now, so that the writing does not slow the timed reads.
        sync();
    }
};

CGeneratedDisc &Disc(const benchmark::State &state) {
    static std::map<std::pair<int64_t, int64_t>, std::unique_ptr<CGeneratedDisc>> discs;
    std::unique_ptr<CGeneratedDisc> &pDisc = discs[{state.range(0), state.range(1)}];
    if (!pDisc)
        pDisc = std::make_unique<CGeneratedDisc>(static_cast<int>(state.range(0)),
                                                 static_cast<int>(state.range(1)));
    return *pDisc;
}

// One game of 200 files, 50 MB in all.
struct CGeneratedGame {
    testsupport::ScratchDir m_folder;
    testsupport::ScratchDir m_hotsync;

    CGeneratedGame() {
        benchdisc::WriteFile(m_folder.Root() / "_details", "A big game.");
        std::string strContent(kGameFileSize, '\0');
        for (std::size_t i = 0; i < strContent.size(); ++i)
            strContent[i] = static_cast<char>(i * 2654435761u >> 24);
        for (int i = 0; i < kGameFiles; ++i)
            benchdisc::WriteFile(m_folder.Root() / ("file" + std::to_string(i) + ".pdb"),
                                 strContent);
    }
};

CGeneratedGame &Game() {
    static CGeneratedGame game;
    return game;
}

// Games and category folders of the discs the walk is timed on.
void DiscShapes(benchmark::internal::Benchmark *pBenchmark) {
    pBenchmark->Args({100, 0})->Args({10000, 0})->Args({10000, 50});
    pBenchmark->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3.0);
}

// The walk against only opening and reading the same text files: what it
// costs at least. The catalogue is freed between turns, untimed, its text
// arena with it, so every walk takes the few huge-page faults of a starting
// program's walk (bench/startup.sh times the whole start).
void BM_CatalogWalkVsRawReads(benchmark::State &state) {
    CGeneratedDisc &disc = Disc(state);
    const testsupport::ScopedWorkingDirectory keep(disc.m_top.Root());
    CGameCatalog catalog;
    bench::TimeSideBySide(
        state, "walk/raw_reads",
        [&] {
            if (!catalog.LoadCatalog())
                state.SkipWithError("the generated disc gave no catalogue");
        },
        [&] { benchmark::DoNotOptimize(benchdisc::ReadFiles(disc.m_textFiles)); },
        bench::ThreadCpuSeconds, [&] { catalog.m_pRoot.reset(); });
}
BENCHMARK(BM_CatalogWalkVsRawReads)->Apply(DiscShapes);

// The main window on the sample disc, without a window, started as the program does.
class CSampleScreen {
  public:
    CSampleScreen() {
        setenv("XDG_CONFIG_HOME", m_config.Root().c_str(), 1);
        benchdisc::WriteFile(m_config.Root() / "quelmara.ini", m_config.Root().string() + "/hs/");
        const testsupport::ScopedWorkingDirectory keep(testsupport::SourcePath("disc"));
        const CQuietStandardOutput quiet;
        skintest::LoadSkinOnce();
        m_pDialog = std::make_unique<CGameDiscDlg>();
        m_pDialog->OnInitDialog();
        m_pGames = GUIControlGetByID(nullptr, "gamelist");
    }
    GUIControl *Games() const { return m_pGames; }
    int32_t RowCount() const { return reinterpret_cast<GUIList *>(m_pGames)->aszText.iCount; }

  private:
    // The skin and the layout loader print their trace lines there.
    class CQuietStandardOutput {
      public:
        CQuietStandardOutput() : m_iSaved(dup(STDOUT_FILENO)) {
            std::fflush(stdout);
            const int iNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
            dup2(iNull, STDOUT_FILENO);
            close(iNull);
        }
        ~CQuietStandardOutput() {
            std::fflush(stdout);
            dup2(m_iSaved, STDOUT_FILENO);
            close(m_iSaved);
        }
        CQuietStandardOutput(const CQuietStandardOutput &) = delete;
        CQuietStandardOutput &operator=(const CQuietStandardOutput &) = delete;

      private:
        int m_iSaved;
    };

    testsupport::ScratchDir m_config;
    std::unique_ptr<CGameDiscDlg> m_pDialog;
    GUIControl *m_pGames = nullptr;
};

CSampleScreen &SampleScreen() {
    static CSampleScreen screen;
    return screen;
}

// One selection shows the game: texts, the description wrapped into its list, screenshot.
void BM_SelectGame(benchmark::State &state) {
    CSampleScreen &screen = SampleScreen();
    int32_t iRow = 0;
    for (auto _ : state) {
        GUIListSetSelection(screen.Games(), iRow);
        iRow = (iRow + 1) % screen.RowCount();
    }
}
BENCHMARK(BM_SelectGame)->Unit(benchmark::kMicrosecond);

// A game whose description is 10 MB of ordinary words.
void BM_SelectGameWithHugeDescription(benchmark::State &state) {
    CSampleScreen &screen = SampleScreen();
    static CCatalogGame huge;
    while (huge.m_strDetails.size() < 10u * 1024 * 1024)
        huge.m_strDetails +=
            "Guide the little beetle through the garden maze and collect every leaf. ";
    huge.m_strName = "Huge";
    huge.m_strPicFolder = testsupport::SourcePath("disc/Action/BeetleDerby/pic");
    const int32_t iRow = GUIListAdd(screen.Games(), huge.GetName());
    GUIListSetData(screen.Games(), reinterpret_cast<uintptr_t>(&huge), iRow);
    for (auto _ : state)
        GUIListSetSelection(screen.Games(), iRow);
}
BENCHMARK(BM_SelectGameWithHugeDescription)->Unit(benchmark::kMillisecond);

// Installing a game again against `cp -r` of its folder over an earlier copy,
// in turns on the wall clock: most of the work is the kernel's and cp's own.
void BM_InstallVsCp(benchmark::State &state) {
    CGeneratedGame &game = Game();
    const testsupport::ScopedWorkingDirectory keep;
    CGameCatalog catalog;
    catalog.m_strHotSyncFolder = game.m_hotsync.Root().string() + "/";
    CCatalogGame entry;
    entry.SetPath(game.m_folder.Root().string());
    entry.m_strName = "Big Game";
    const std::string strCommand = "cp -r '" + game.m_folder.Root().string() + "/.' '" +
                                   (game.m_hotsync.Root() / "cp").string() + "'";
    bench::TimeSideBySide(
        state, "install/cp", [&] { entry.Install(); },
        [&] {
            if (std::system(strCommand.c_str()) != 0)
                state.SkipWithError("cp failed");
        },
        bench::WallSeconds);
    state.SetBytesProcessed(state.iterations() * kGameFiles * static_cast<int64_t>(kGameFileSize));
}
BENCHMARK(BM_InstallVsCp)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3.0);

// The sample disc's screen showing a catalogue built in memory instead of the
// disc's: 50 categories of 200 games, each game showing one of the disc's
// screenshots.
struct CCategoryScreen {
    CCatalogFolder m_root;
    GUIControl *m_pList = SampleScreen().Games();

    CCategoryScreen() {
        const std::string strPic = testsupport::SourcePath("disc/Action/BeetleDerby/pic");
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
        GUIListClear(m_pList);
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
