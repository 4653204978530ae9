// The catalogue walk over disc trees made in a temporary folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppFixture.h"
#include "FileServices.h"
#include "GameCatalog.h"

using namespace apptest;

namespace {

std::vector<std::string> ChildNames(const CCatalogEntry &entry) {
    std::vector<std::string> names;
    for (const CCatalogEntry *pChild = entry.GetFirstChild(); pChild; pChild = pChild->GetNext())
        names.emplace_back(pChild->GetName());
    return names;
}

const CCatalogEntry &Child(const CCatalogEntry &entry, size_t nIndex) {
    const CCatalogEntry *pChild = entry.GetFirstChild();
    for (; nIndex > 0 && pChild; --nIndex)
        pChild = pChild->GetNext();
    if (!pChild)
        throw std::out_of_range("no such child");
    return *pChild;
}

class GameCatalogTest : public AppFixture {
  protected:
    void SetUp() override {
        AppFixture::SetUp();
        m_disc = m_root / "disc";
        fs::create_directories(m_disc);
        WriteFile(m_disc / "_data/layout.scr", "window\n");
    }

    // Walks the disc from its top folder, as the program does at start-up.
    const CCatalogFolder &Walk() {
        fs::current_path(m_disc);
        if (!m_catalog.LoadCatalog())
            throw std::runtime_error("the disc yielded no catalogue");
        return *m_catalog.m_pRoot;
    }

    void MakeMixedDisc() {
        MakeGame(m_disc / "Zeta");
        MakeGame(m_disc / "alpha");
        MakeGame(m_disc / "Arcade/g2");
        MakeGame(m_disc / "Arcade/g1");
        MakeGame(m_disc / "Puzzle/Deep/p1");
        WriteFile(m_disc / "Empty/deeper/notes.txt", "no game here");
        WriteFile(m_disc / "readme.txt", "a loose file");
    }

    fs::path m_disc;
    CGameCatalog m_catalog;
};

TEST_F(GameCatalogTest, TopFolderOfGamesOnlyListsThemInCaseBlindOrder) {
    MakeGame(m_disc / "b-game");
    MakeGame(m_disc / "A-game");
    MakeGame(m_disc / "_game");
    MakeGame(m_disc / "c-game");
    const CCatalogFolder &root = Walk();

    EXPECT_STREQ(root.GetName(), "Games");
    EXPECT_EQ(root.m_strPath, m_disc.string());
    EXPECT_EQ(root.m_bHoldsGames, 1);
    // Letters fold to upper case as on NTFS, so "_" comes after them.
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"A-game", "b-game", "c-game", "_game"}));
    for (const CCatalogEntry *pGame = root.GetFirstChild(); pGame; pGame = pGame->GetNext()) {
        EXPECT_TRUE(pGame->IsGame());
        EXPECT_EQ(pGame->GetParent(), &root);
        EXPECT_EQ(pGame->m_strPath, (m_disc / pGame->GetName()).string());
        EXPECT_EQ(std::string(pGame->GetPicFolder()), pGame->m_strPath + "/pic");
    }
}

TEST_F(GameCatalogTest, MixedTopFolderPutsCategoriesFirstAndLooseGamesUnderOthers) {
    MakeMixedDisc();
    const CCatalogFolder &root = Walk();

    EXPECT_EQ(root.m_bHoldsGames, 0);
    ASSERT_EQ(ChildNames(root), (std::vector<std::string>{"Arcade", "Puzzle", "Others"}));

    const CCatalogEntry &arcade = Child(root, 0);
    EXPECT_EQ(arcade.m_bHoldsGames, 1);
    EXPECT_EQ(ChildNames(arcade), (std::vector<std::string>{"g1", "g2"}));

    const CCatalogEntry &puzzle = Child(root, 1);
    EXPECT_EQ(puzzle.m_bHoldsGames, 0);
    ASSERT_EQ(ChildNames(puzzle), std::vector<std::string>{"Deep"});
    EXPECT_EQ(ChildNames(Child(puzzle, 0)), std::vector<std::string>{"p1"});

    const CCatalogEntry &others = Child(root, 2);
    EXPECT_TRUE(others.IsFolder());
    EXPECT_EQ(others.m_bHoldsGames, 1);
    EXPECT_EQ(others.m_strPath, root.m_strPath);
    EXPECT_EQ(ChildNames(others), (std::vector<std::string>{"alpha", "Zeta"}));
    EXPECT_EQ(Child(others, 1).GetParent(), &others);
    EXPECT_EQ(others.GetDetails(), nullptr);
}

TEST_F(GameCatalogTest, TopFolderNameAlsoNamesTheCollectingEntry) {
    MakeMixedDisc();
    WriteFile(m_disc / "_name", "My disc\r\n");
    const CCatalogFolder &root = Walk();
    EXPECT_STREQ(root.GetName(), "My disc\n");
    EXPECT_STREQ(Child(root, 2).GetName(), "My disc\n");
}

TEST_F(GameCatalogTest, DiscWithoutGamesGivesNoRoot) {
    WriteFile(m_disc / "Empty/deeper/notes.txt", "no game here");
    fs::current_path(m_disc);
    EXPECT_FALSE(m_catalog.LoadCatalog());
    EXPECT_EQ(m_catalog.m_pRoot, nullptr);
}

TEST_F(GameCatalogTest, WalkEntersEveryRealFolderButDotEntriesAndLinks) {
    MakeGame(m_disc / ".../g1");
    MakeGame(m_disc / ".hidden/g2");
    MakeGame(m_disc / "Loop/g3");
    fs::create_directory_symlink("..", m_disc / "Loop/up");
    fs::create_directory_symlink(".", m_disc / "Loop/here");
    // A folder named "_details" marks nothing.
    fs::create_directories(m_disc / "Loop/NotAGame/_details");
    const CCatalogFolder &root = Walk();

    ASSERT_EQ(ChildNames(root), (std::vector<std::string>{"...", ".hidden", "Loop"}));
    EXPECT_EQ(ChildNames(Child(root, 2)), std::vector<std::string>{"g3"});
}

TEST_F(GameCatalogTest, NameIsTheFirstLineOfNameFileUpTo254Characters) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Short\r\nSecond line", "Short\n"},
        {std::string(300, 'x'), std::string(254, 'x')},
        {std::string(253, 'y') + "\r\n", std::string(253, 'y') + "\n"},
        {std::string(254, 'z') + "\n", std::string(254, 'z')},
        {"", ""},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        MakeGame(m_disc / ("g" + std::to_string(i)));
        WriteFile(m_disc / ("g" + std::to_string(i)) / "_name", cases[i].first);
    }
    MakeGame(m_disc / "unnamed");
    const CCatalogFolder &root = Walk();

    std::vector<std::string> expected;
    for (const auto &[strFile, strName] : cases)
        expected.push_back(strName);
    expected.push_back("unnamed");
    EXPECT_EQ(ChildNames(root), expected);
}

TEST_F(GameCatalogTest, TextsAreReadWholeWithCrLfAsLf) {
    const std::string strLongLine(5000, 'd');
    MakeGame(m_disc / "full", strLongLine + "\r\nend");
    WriteFile(m_disc / "full/_info", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");
    WriteFile(m_disc / "full/_author", "lone\rcr\r\nsecond\r\r\n");
    WriteFile(m_disc / "full/_authorweb", "www.example.org\r\nignored");
    MakeGame(m_disc / "plain", "");
    const CCatalogFolder &root = Walk();

    const CCatalogEntry &full = Child(root, 0);
    EXPECT_EQ(std::string(full.GetDetails()), strLongLine + "\nend");
    EXPECT_STREQ(full.GetInfo(), "1\n2\n3\n4\n5\n6\n7\n");
    EXPECT_STREQ(full.GetAuthor(), "lone\rcr\nsecond\r\n");
    EXPECT_STREQ(full.GetAuthorWeb(), "www.example.org\n");

    const CCatalogEntry &plain = Child(root, 1);
    EXPECT_STREQ(plain.GetDetails(), "");
    EXPECT_STREQ(plain.GetInfo(), "");
    EXPECT_STREQ(plain.GetAuthor(), "");
    EXPECT_STREQ(plain.GetAuthorWeb(), "");
}

TEST(CatalogEntryList, RemovingAndAppendingKeepTheListInOrder) {
    CCatalogFolder folder;
    std::vector<CCatalogEntry *> added;
    for (int i = 0; i < 4; ++i) {
        added.push_back(folder.AddChild(i % 2));
        added.back()->m_strName = std::to_string(i);
    }
    EXPECT_TRUE(added[0]->IsGame());
    EXPECT_TRUE(added[1]->IsFolder());

    folder.RemoveChild(added[3]);
    folder.RemoveChild(added[0]);
    CCatalogFolder stranger;
    folder.RemoveChild(&stranger);
    folder.AddChild(0)->m_strName = "new";
    auto moved = std::make_unique<CCatalogGame>();
    moved->m_strName = "moved";
    folder.AppendChild(std::move(moved));
    EXPECT_EQ(ChildNames(folder), (std::vector<std::string>{"1", "2", "new", "moved"}));
}

TEST(CatalogEntryList, LongChildListIsDestroyedWithoutDeepRecursion) {
    auto pFolder = std::make_unique<CCatalogFolder>();
    for (int i = 0; i < 200000; ++i)
        pFolder->AddChild(0);
    pFolder.reset();
}

using ListDirectoryTest = AppFixture;

TEST_F(ListDirectoryTest, ListsEverythingWithDotEntriesInNtfsOrder) {
    const fs::path folder = m_root / "listed";
    for (const char *pszName : {"b", "A", "a", "_c", "C1", "c", "~"})
        WriteFile(folder / pszName, "");
    fs::create_directory(folder / "dir");
    fs::create_directory_symlink("dir", folder / "link");

    const auto listing = FileServices::ListDirectory(folder.string());
    ASSERT_TRUE(listing);
    std::vector<std::string> names;
    std::vector<std::string> folders;
    for (const CListedEntry &entry : *listing) {
        names.push_back(entry.m_strName);
        if (entry.m_bIsDirectory)
            folders.push_back(entry.m_strName);
    }
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "A", "a", "b", "c", "C1", "dir", "link",
                                               "_c", "~"}));
    EXPECT_EQ(folders, (std::vector<std::string>{".", "..", "dir"}));
}

} // namespace
