// Installing a game into the HotSync folder, checked against `find` over the
// game folder with the names that must not be copied pruned.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "AppFixture.h"
#include "GameCatalog.h"

using namespace apptest;

namespace {

// The lines "f path" and "d path" that the find expression prints, relative to the folder.
std::set<std::string> FindLines(const fs::path &folder, const std::string &strExpression) {
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

std::set<std::string> CopyableOf(const fs::path &game) {
    return FindLines(game, "\\( -name '_*' -o -name '.*' -o -name pic \\) -prune -o "
                           "\\( -type f -o -type d \\)");
}

std::set<std::string> Everything(const fs::path &folder) {
    return FindLines(folder, "");
}

class InstallTest : public AppFixture {
  protected:
    void SetUp() override {
        AppFixture::SetUp();
        m_hotsync = m_root / "hotsync";
        fs::create_directories(m_hotsync);
        m_pCatalog = std::make_unique<CGameCatalog>();
        m_pCatalog->m_strHotSyncFolder = m_hotsync.string() + "/";
    }

    // An entry named as the catalogue walk names it; this leaves the working
    // directory in the game folder, as the walk does.
    static std::unique_ptr<CCatalogGame> Entry(const fs::path &game) {
        auto pEntry = std::make_unique<CCatalogGame>();
        pEntry->SetPath(game.string());
        pEntry->SetNameFromFile(game.filename().string());
        return pEntry;
    }
    static void Install(const fs::path &game) { Entry(game)->Install(); }

    fs::path m_hotsync;
    std::unique_ptr<CGameCatalog> m_pCatalog;
};

// Installing again overwrites the copy, even a read-only one, and leaves other
// files alone.
TEST_F(InstallTest, CopyMatchesTheGameFolderWithoutItsOwnFiles) {
    const fs::path game = m_root / "disc/big";
    MakeGame(game);
    WriteFile(game / "_name", "Big");
    WriteFile(game / "_info", "1.0");
    WriteFile(game / ".hidden", "h");
    WriteFile(game / "prog.prc", std::string(300000, 'p'));
    fs::permissions(game / "prog.prc", fs::perms::owner_read);
    WriteFile(m_hotsync / "Big/prog.prc", "old and longer");
    WriteFile(m_hotsync / "Big/keep.txt", "mine");
    WriteFile(game / "_extras/e.prc", "e");
    WriteFile(game / "pic/ss.bmp", "s");
    WriteFile(game / "docs/readme.txt", "r");
    // In "lib" the files b.prc and z.prc come after the nested folder "a".
    WriteFile(game / "lib/a/x.pdb", "x");
    WriteFile(game / "lib/a/_skip/y", "y");
    WriteFile(game / "lib/a/pic/z", "z");
    WriteFile(game / "lib/b.prc", "b");
    WriteFile(game / "lib/z.prc", "zz");
    WriteFile(game / "lib/PIC/shot.bmp", "P");
    WriteFile(game / "lib/.git/config", "g");
    fs::create_directories(game / "lib/empty");
    Install(game);
    Install(game);
    EXPECT_EQ(fs::current_path(), game);

    std::set<std::string> expected = CopyableOf(game);
    for (const char *pszLine : {"f lib/b.prc", "f lib/z.prc", "f lib/PIC/shot.bmp", "d lib/empty"})
        ASSERT_TRUE(expected.count(pszLine)) << "the oracle misses " << pszLine;
    expected.insert("f keep.txt");
    EXPECT_EQ(Everything(m_hotsync / "Big"), expected);
    expected.erase("f keep.txt");
    for (const std::string &strLine : expected) {
        if (strLine[0] != 'f')
            continue;
        const std::string strFile = strLine.substr(2);
        EXPECT_EQ(ReadFile(m_hotsync / "Big" / strFile), ReadFile(game / strFile)) << strFile;
    }
}

// Failures are silent: a HotSync folder without a parent gets nothing.
TEST_F(InstallTest, MissingFoldersAreCreatedOnlyWhereTheirParentExists) {
    const fs::path game = m_root / "disc/g";
    MakeGame(game);
    WriteFile(game / "prog.prc", "p");
    m_pCatalog->m_strHotSyncFolder = (m_root / "fresh").string() + "/";
    Install(game);
    EXPECT_EQ(ReadFile(m_root / "fresh/g/prog.prc"), "p");
    m_pCatalog->m_strHotSyncFolder = (m_root / "no/such").string() + "/";
    Install(game);
    EXPECT_FALSE(fs::exists(m_root / "no"));
}

TEST_F(InstallTest, DisplayNameIsCleanedIntoOneFolderInsideTheHotSyncFolder) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"../../evil", ".._.._evil"},
        {"Line\r\n", "Line"},
        {"..", "g2"},
        {"", "g3"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const fs::path game = m_root / "disc" / ("g" + std::to_string(i));
        MakeGame(game);
        WriteFile(game / "_name", cases[i].first);
        WriteFile(game / "prog.prc", cases[i].first);
    }
    const std::set<std::string> before = FindLines(m_root, "-maxdepth 1");
    for (size_t i = 0; i < cases.size(); ++i)
        Install(m_root / "disc" / ("g" + std::to_string(i)));

    std::set<std::string> expected;
    for (const auto &[strName, strFolder] : cases) {
        expected.insert("d " + strFolder);
        expected.insert("f " + strFolder + "/prog.prc");
    }
    EXPECT_EQ(Everything(m_hotsync), expected);
    EXPECT_EQ(FindLines(m_root, "-maxdepth 1"), before);
    EXPECT_FALSE(fs::exists(m_root.parent_path() / "evil"));
}

TEST_F(InstallTest, LinksAreCopiedAsFilesAndLinkedFoldersAreNotFollowed) {
    const fs::path game = m_root / "disc/g";
    MakeGame(game);
    WriteFile(game / "prog.prc", "p");
    WriteFile(m_root / "disc/outside.prc", "linked");
    fs::create_symlink("../outside.prc", game / "link.prc");
    fs::create_directory_symlink(".", game / "loop");
    fs::create_directory_symlink("..", game / "up");
    fs::create_directories(game / "sub");
    fs::create_directory_symlink("..", game / "sub/back");
    Install(game);

    EXPECT_EQ(Everything(m_hotsync / "g"),
              (std::set<std::string>{"f link.prc", "f prog.prc", "d sub"}));
    EXPECT_EQ(ReadFile(m_hotsync / "g/link.prc"), "linked");
}

} // namespace
