// The catalogue walk over disc trees made in a temporary folder.
#include <gtest/gtest.h>

#include <pthread.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "AppFixture.h"
#include "GameCatalog.h"
#include "TextArena.h"

using namespace apptest;

namespace {

using Names = std::vector<std::string>;

Names ChildNames(const CCatalogEntry &entry) {
    Names names;
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
        WriteFile(m_disc / "_data/layout.scr", "window\n");
    }
    // Walks the disc from its top folder, as the program does at start-up;
    // what it writes to stderr is kept in m_errors.
    const CCatalogFolder &Walk() {
        fs::current_path(m_disc);
        ::testing::internal::CaptureStderr();
        const bool bLoaded = m_catalog.LoadCatalog();
        m_errors = ::testing::internal::GetCapturedStderr();
        if (!bLoaded)
            throw std::runtime_error("the disc yielded no catalogue: " + m_errors);
        return *m_catalog.m_pRoot;
    }

    const fs::path m_disc = m_root / "disc";
    CGameCatalog m_catalog;
    std::string m_errors;
};

TEST_F(GameCatalogTest, TopFolderOfGamesOnlyListsThemInCaseBlindOrderWithTheirNames) {
    for (const char *pszGame :
         {"b-game", "a-game", "A-game", "_game", "C-game2", "c-game", "long-game-name-_",
          "long-game-name-B", "long-game-name-a", "long-game-bame-A", "long-game-aame-B"})
        MakeGame(m_disc / pszGame);
    const CCatalogFolder &root = Walk();
    EXPECT_STREQ(root.GetName(), "Games");
    EXPECT_EQ(root.m_bHoldsGames, 1);
    // Letters fold to upper case as on NTFS, so "_" comes after them; a prefix
    // comes first, and names equal but for case in byte order. Long names
    // differ first where their bytes stop being equal, past the eighth.
    EXPECT_EQ(ChildNames(root), (Names{"A-game", "a-game", "b-game", "c-game", "C-game2",
                                       "long-game-aame-B", "long-game-bame-A", "long-game-name-a",
                                       "long-game-name-B", "long-game-name-_", "_game"}));
    EXPECT_EQ(Child(root, 2).m_strPath, (m_disc / "b-game").string());

    // A game's name is the first line of its "_name", up to 254 characters;
    // the order stays that of the folders.
    const std::pair<std::string, std::string> cases[] = {
        {"Short\r\nSecond line", "Short\n"},
        {std::string(300, 'x'), std::string(254, 'x')},
        {std::string(254, 'z') + "\n", std::string(254, 'z')},
        {"", ""},
    };
    Names expected = ChildNames(root);
    for (size_t i = 0; i < std::size(cases); ++i) {
        WriteFile(m_disc / expected[i] / "_name", cases[i].first);
        expected[i] = cases[i].second;
    }
    EXPECT_EQ(ChildNames(Walk()), expected);
}

TEST_F(GameCatalogTest, MixedTopFolderPutsCategoriesFirstAndLooseGamesUnderOthers) {
    for (const char *pszGame : {"Zeta", "alpha", "Arcade/g2", "Arcade/g1", "Puzzle/Deep/p1"})
        MakeGame(m_disc / pszGame);
    WriteFile(m_disc / "Empty/deeper/notes.txt", "no game here");
    WriteFile(m_disc / "readme.txt", "a loose file");
    const CCatalogFolder &root = Walk();
    EXPECT_EQ(root.m_bHoldsGames, 0);
    ASSERT_EQ(ChildNames(root), (Names{"Arcade", "Puzzle", "Others"}));
    EXPECT_EQ(ChildNames(Child(root, 0)), (Names{"g1", "g2"}));
    const CCatalogEntry &puzzle = Child(root, 1);
    EXPECT_EQ(puzzle.m_bHoldsGames, 0);
    ASSERT_EQ(ChildNames(puzzle), Names{"Deep"});
    EXPECT_EQ(ChildNames(Child(puzzle, 0)), Names{"p1"});

    const CCatalogEntry &others = Child(root, 2);
    EXPECT_EQ(others.m_bHoldsGames, 1);
    EXPECT_EQ(ChildNames(others), (Names{"alpha", "Zeta"}));
    EXPECT_EQ(Child(others, 1).GetParent(), &others);

    // The top folder's own name also names the collecting entry.
    WriteFile(m_disc / "_name", "My disc\r\n");
    EXPECT_STREQ(Child(Walk(), 2).GetName(), "My disc\n");
}

// Lines are read in pieces of at most 2047 characters: a zero byte cuts only
// its piece.
TEST_F(GameCatalogTest, TextsAreReadWholeWithCrLfAsLfAndZeroBytesCutTheirLine) {
    const std::string strLongLine(5000, 'd');
    MakeGame(m_disc / "full", strLongLine + "\r\nend");
    WriteFile(m_disc / "full/_info", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");
    std::string zeroLine(2100, 'x');
    zeroLine[2050] = '\0';
    MakeGame(m_disc / "g", std::string("ab\0cd\r\nline2\r\n", 14) + zeroLine + "\r\nend");
    WriteFile(m_disc / "g/_authorweb", std::string("www\0x\r\n", 8));
    // Only a CR before an LF goes, also after another CR and at either end.
    WriteFile(m_disc / "g/_author", "\r\na\rb\r\r\nc\r");
    const CCatalogFolder &root = Walk();
    EXPECT_EQ(std::string(Child(root, 0).GetDetails()), strLongLine + "\nend");
    EXPECT_STREQ(Child(root, 0).GetInfo(), "1\n2\n3\n4\n5\n6\n7\n");
    EXPECT_STREQ(Child(root, 1).GetInfo(), "");
    EXPECT_EQ(std::string(Child(root, 1).GetDetails()),
              "abline2\n" + std::string(2050, 'x') + "end");
    EXPECT_STREQ(Child(root, 1).GetAuthorWeb(), "www");
    EXPECT_STREQ(Child(root, 1).GetAuthor(), "\na\rb\r\nc\r");
}

// The walk keeps its texts in an arena of large blocks: each allocation is
// aligned as asked and keeps its bytes while later ones, small and larger than
// a block, follow.
TEST(TextArena, KeepsEveryTextIntactAcrossBlocks) {
    CTextArena arena;
    std::vector<std::span<char>> given;
    for (std::size_t i = 0; i < 3000; ++i) {
        const std::size_t nBytes = i == 1500 ? 5u * 1024 * 1024 : 1 + i % 1500;
        auto *pBytes = static_cast<char *>(arena.allocate(nBytes, std::size_t{1} << (i % 7)));
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(pBytes) % (std::size_t{1} << (i % 7)), 0u);
        given.emplace_back(pBytes, nBytes);
        std::ranges::fill(given.back(), static_cast<char>(i % 251));
    }
    for (std::size_t i = 0; i < given.size(); ++i) {
        EXPECT_EQ(std::ranges::count(given[i], static_cast<char>(i % 251)),
                  static_cast<std::ptrdiff_t>(given[i].size()))
            << "allocation " << i;
        arena.deallocate(given[i].data(), given[i].size(), std::size_t{1} << (i % 7));
    }
}

// Links below the top folder and dot entries are skipped; a folder named
// "_details" marks nothing.
TEST_F(GameCatalogTest, FolderLinksAtTheTopAreWalkedButNeverInALoop) {
    MakeGame(m_root / "elsewhere/Cat/g1");
    MakeGame(m_disc / "Real/g2");
    MakeGame(m_disc / ".../g3");
    MakeGame(m_disc / ".hidden/g4");
    fs::create_directory_symlink(m_root / "elsewhere/Cat", m_disc / "Linked");
    fs::create_directory_symlink(".", m_disc / "Loop");
    fs::create_directory_symlink("..", m_disc / "Real/Up");
    fs::create_directory_symlink(".", m_disc / "Real/Here");
    fs::create_directories(m_disc / "Real/NotAGame/_details");
    const CCatalogFolder &root = Walk();
    ASSERT_EQ(ChildNames(root), (Names{"...", ".hidden", "Linked", "Real"}));
    EXPECT_EQ(ChildNames(Child(root, 2)), Names{"g1"});
    EXPECT_EQ(ChildNames(Child(root, 3)), Names{"g2"});
}

TEST_F(GameCatalogTest, PipesInPlaceOfTextFilesAreRefusedAtOnce) {
    MakeGame(m_disc / "g");
    fs::create_directories(m_disc / "pipe");
    for (const fs::path &path : {m_disc / "g/_name", m_disc / "g/_info", m_disc / "pipe/_details"})
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    const CCatalogFolder &root = Walk();
    EXPECT_EQ(ChildNames(root), Names{"g"});
    EXPECT_STREQ(Child(root, 0).GetInfo(), "");
    for (const char *pszFile :
         {"g/_name is not read", "g/_info is not read", "pipe/_details is not read"})
        EXPECT_NE(m_errors.find(pszFile), std::string::npos) << pszFile;
}

TEST_F(GameCatalogTest, TextsOfAllGamesTogetherStayWithinTheLimit) {
    for (const char *pszGame : {"a", "b", "c"})
        MakeGame(m_disc / pszGame, std::string(60, *pszGame));
    m_catalog.m_nTextLimit = 100;
    const CCatalogFolder &root = Walk();
    EXPECT_EQ(std::string(Child(root, 0).GetDetails()), std::string(60, 'a'));
    EXPECT_EQ(std::string(Child(root, 1).GetDetails()), std::string(40, 'b'));
    EXPECT_STREQ(Child(root, 2).GetDetails(), "");
    EXPECT_EQ(m_errors.find("not read"), m_errors.rfind("not read"));
    EXPECT_NE(m_errors.find("not read"), std::string::npos);
}

// A teardown that recursed along the list would overflow the small stack of
// the thread that destroys the folder.
TEST(CatalogEntryListTest, LongChildListIsDestroyedWithoutDeepRecursion) {
    auto *pFolder = new CCatalogFolder;
    for (int i = 0; i < 200000; ++i)
        pFolder->AddChild(0);
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 128 * 1024);
    const auto destroy = [](void *pEntry) -> void * {
        delete static_cast<CCatalogFolder *>(pEntry);
        return nullptr;
    };
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, destroy, pFolder), 0);
    pthread_join(thread, nullptr);
}

} // namespace
