// Installing a game into the HotSync folder, checked against `find` over the
// game folder with the names that must not be copied pruned.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <sys/resource.h>

#include "AppFixture.h"
#include "GameCatalog.h"

using namespace apptest;

namespace {

// The lines "f path" and "d path" that the find expression prints, relative to the folder.
std::set<std::string> FindLines(const fs::path &folder, const std::string &strExpression = "") {
    const fs::path listing = folder.string() + ".find";
    const std::string strCommand = "find '" + folder.string() + "' -mindepth 1 " + strExpression +
                                   " -printf '%y %P\\n' > '" + listing.string() + "'";
    EXPECT_EQ(std::system(strCommand.c_str()), 0) << strCommand;
    std::istringstream stream(ReadFile(listing));
    fs::remove(listing);
    std::set<std::string> lines;
    for (std::string strLine; std::getline(stream, strLine);)
        lines.insert(strLine);
    return lines;
}

class InstallTest : public AppFixture {
  protected:
    void SetUp() override {
        AppFixture::SetUp();
        fs::create_directories(m_hotsync);
        m_catalog.m_strHotSyncFolder = m_hotsync.string() + "/";
        m_catalog.m_pRoot = std::make_unique<CCatalogFolder>();
        m_catalog.m_pRoot->SetPath((m_root / "disc").string());
    }

    // A game on the disc holding "prog.prc".
    fs::path Game(const std::string &name, const std::string &program = "p") {
        const fs::path game = m_root / "disc" / name;
        MakeGame(game);
        WriteFile(game / "prog.prc", program);
        return game;
    }

    // Installs an entry named as the catalogue walk names it; this leaves the
    // working directory in the game folder, as the walk does.
    static void Install(const fs::path &game) {
        CCatalogGame entry;
        entry.SetPath(game.string());
        entry.SetNameFromFile(game.filename().string());
        entry.Install();
    }

    const fs::path m_hotsync = m_root / "hotsync";
    CGameCatalog m_catalog;
};

// Installing again overwrites the copy, even a read-only one, and leaves other
// files alone.
TEST_F(InstallTest, CopyMatchesTheGameFolderWithoutItsOwnFiles) {
    const fs::path game = Game("big", std::string(300000, 'p'));
    fs::permissions(game / "prog.prc", fs::perms::owner_read);
    // In "lib" the files b.prc and z.prc come after the nested folder "a".
    for (const char *pszFile : {"_info", ".hidden", "_extras/e.prc", "pic/ss.bmp",
                                "docs/readme.txt", "lib/a/x.pdb", "lib/a/_skip/y", "lib/a/pic/z",
                                "lib/b.prc", "lib/z.prc", "lib/PIC/shot.bmp", "lib/.git/config"})
        WriteFile(game / pszFile, pszFile);
    fs::create_directories(game / "lib/empty");
    WriteFile(m_hotsync / "big/prog.prc", std::string(300001, 'o'));
    WriteFile(m_hotsync / "big/keep.txt", "mine");
    Install(game);
    Install(game);
    EXPECT_EQ(fs::current_path(), game);

    std::set<std::string> expected = FindLines(
        game, "\\( -name '_*' -o -name '.*' -o -name pic \\) -prune -o \\( -type f -o -type d \\)");
    for (const char *pszLine : {"f lib/b.prc", "f lib/z.prc", "f lib/PIC/shot.bmp", "d lib/empty"})
        ASSERT_TRUE(expected.count(pszLine)) << "the oracle misses " << pszLine;
    for (const std::string &strLine : expected) {
        if (strLine[0] != 'f')
            continue;
        const std::string strFile = strLine.substr(2);
        EXPECT_EQ(ReadFile(m_hotsync / "big" / strFile), ReadFile(game / strFile)) << strFile;
    }
    expected.insert("f keep.txt");
    EXPECT_EQ(FindLines(m_hotsync / "big"), expected);
}

TEST_F(InstallTest, DisplayNameIsCleanedIntoOneFolderInsideTheHotSyncFolder) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"../../evil", ".._.._evil"},
        {"Line\r\n", "Line"},
        {"..", "g2"},
        {"", "g3"},
    };
    for (size_t i = 0; i < cases.size(); ++i)
        WriteFile(Game("g" + std::to_string(i), cases[i].first) / "_name", cases[i].first);
    const std::set<std::string> before = FindLines(m_root, "-maxdepth 1");
    for (size_t i = 0; i < cases.size(); ++i) {
        Install(m_root / "disc" / ("g" + std::to_string(i)));
        EXPECT_EQ(FindLines(m_hotsync / cases[i].second), std::set<std::string>{"f prog.prc"});
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(m_hotsync), fs::directory_iterator()), 4);
    EXPECT_EQ(FindLines(m_root, "-maxdepth 1"), before);
    EXPECT_FALSE(fs::exists(m_root.parent_path() / "evil"));
}

// Links to files on the disc are copied as files, linked folders are not
// followed, links out of the disc are not copied, links in the HotSync folder
// are not written through, and a folder without its "/" is a folder all the same; a
// relative HotSync folder gets nothing, nor does one without a parent, while a
// missing one whose parent exists is made.
TEST_F(InstallTest, LinksAreFollowedOnlyToFilesOnTheDiscAndNothingIsWrittenOutside) {
    const fs::path game = Game("g");
    WriteFile(game / "lib/x.pdb", "x");
    WriteFile(m_root / "disc/outside.prc", "linked");
    fs::create_symlink("../outside.prc", game / "link.prc");
    fs::create_directory_symlink(".", game / "loop");
    fs::create_directories(game / "sub");
    fs::create_directory_symlink("..", game / "sub/back");
    WriteFile(m_root / "secret", "private");
    fs::create_symlink(m_root / "secret", game / "secret.pdb");
    fs::create_directories(m_root / "elsewhere/lib");
    fs::create_directory_symlink(m_root / "elsewhere", m_hotsync / "g");
    fs::create_directories(m_hotsync / "h");
    fs::create_directory_symlink(m_root / "elsewhere/lib", m_hotsync / "h/lib");
    const std::set<std::string> before = FindLines(m_root);

    testing::internal::CaptureStderr();
    Install(game);
    m_catalog.m_strHotSyncFolder = "hs/";
    Install(game);
    m_catalog.m_strHotSyncFolder = "";
    Install(game);
    m_catalog.m_strHotSyncFolder = (m_root / "no/such").string() + "/";
    Install(game);
    const std::string strErrors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(FindLines(m_root), before);
    EXPECT_NE(strErrors.find("the target is a link"), std::string::npos) << strErrors;
    EXPECT_NE(strErrors.find("not an absolute path"), std::string::npos) << strErrors;

    WriteFile(game / "_name", "h");
    m_catalog.m_strHotSyncFolder = m_hotsync.string();
    Install(game);
    EXPECT_EQ(FindLines(m_hotsync / "h"),
              (std::set<std::string>{"f link.prc", "f prog.prc", "d sub", "l lib"}));
    EXPECT_EQ(ReadFile(m_hotsync / "h/link.prc"), "linked");
    EXPECT_EQ(FindLines(m_root / "elsewhere"), std::set<std::string>{"d lib"});
    m_catalog.m_strHotSyncFolder = (m_root / "fresh").string() + "/";
    Install(game);
    EXPECT_EQ(ReadFile(m_root / "fresh/h/prog.prc"), "p");
}

// A copy that fails midway (here: the file size limit, as a full disc would)
// leaves the earlier copy whole and no temporary file behind.
TEST_F(InstallTest, AFailedCopyLeavesThePreviousFile) {
    const fs::path game = Game("g", std::string(256 * 1024, 'n'));
    WriteFile(m_hotsync / "g/prog.prc", "previous");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit small{64 * 1024, saved.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Install(game);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(FindLines(m_hotsync / "g"), std::set<std::string>{"f prog.prc"});
    EXPECT_EQ(ReadFile(m_hotsync / "g/prog.prc"), "previous");
}

} // namespace
