// The sample disc's main screen with the skin: the layout holds every control
// the application looks up, and the whole screen, with a game shown as the
// application shows it, matches its reference picture.
#include <cstring>
#include <memory>
#include <vector>

#include "GUIButton.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIView.h"
#include "GameCatalog.h"
#include "SkinTestSupport.h"

namespace {

class SampleScreen : public skintest::SkinTest {
  protected:
    void SetUp() override {
        SkinTest::SetUp();
        GfxAPIInit(nullptr, 800, 590);
        const testsupport::LoadResult loaded = testsupport::LoadScriptFile("_data/layout.scr");
        root_ = loaded.ctl;
        ASSERT_NE(root_, nullptr) << loaded.out;
    }
    void TearDown() override {
        SkinTest::TearDown();
        for (GfxSurface *s : pictures_)
            GfxAPIDeleteSurface(s);
    }

    GUIControl *Find(const char *id) {
        GUIControl *ctl = GUIControlGetByID(nullptr, id);
        EXPECT_NE(ctl, nullptr) << id;
        return ctl;
    }

    // Pictures the test loads itself, freed at the end.
    GfxSurface *Picture(const std::string &path) {
        GfxSurface *s = GfxAPILoadNewSurface(path.c_str(), nullptr);
        EXPECT_NE(s, nullptr) << path;
        pictures_.push_back(s);
        return s;
    }

    skintest::InDiscFolder disc_;
    GUIControl *root_ = nullptr;
    std::vector<GfxSurface *> pictures_;
};

TEST_F(SampleScreen, LayoutHoldsEveryControlTheApplicationLooksUp) {
    for (const char *id : {"exitb", "instb", "setupb", "snext", "sback", "snew"}) {
        GUIControl *ctl = Find(id);
        ASSERT_NE(ctl, nullptr);
        EXPECT_EQ(ctl->pType, &sGUIButtonType) << id;
    }
    for (const char *id : {"stext", "sfolder", "name", "msg0", "msg1", "info0", "info1", "info2",
                           "info3", "info4", "au0", "au1", "au2"}) {
        GUIControl *ctl = Find(id);
        ASSERT_NE(ctl, nullptr);
        EXPECT_EQ(ctl->pType, &sGUIEditType) << id;
    }
    for (const char *id : {"gamelist", "details"}) {
        GUIControl *ctl = Find(id);
        ASSERT_NE(ctl, nullptr);
        EXPECT_EQ(ctl->pType, &sGUIListType) << id;
        ASSERT_NE(ctl->pParent, nullptr);
        ASSERT_NE(ctl->pParent->pParent, nullptr);
        EXPECT_EQ(ctl->pParent->pParent->pType, &sGUIViewType) << id;
    }
    GUIControl *ss = Find("ss");
    ASSERT_NE(ss, nullptr);
    EXPECT_EQ(ss->Draw, GUIControlDefaultDraw);
    EXPECT_NE(ss->pBackground, nullptr);
}

struct ImageButton {
    const char *id;
    const char *pushed;
    const char *released;
    int32_t width;
    int32_t height;
};

constexpr ImageButton kImageButtons[] = {
    {"exitb", "_data/ExitPushed.bmp", "_data/Exit.bmp", 33, 21},
    {"instb", "_data/SavePushed.bmp", "_data/Save.bmp", 147, 27},
    {"setupb", "_data/SetupButtonPushed.bmp", "_data/SetupButton.bmp", 142, 22},
    {"snext", "_data/NextButtonPushed.bmp", "_data/NextButton.bmp", 34, 17},
    {"sback", "_data/BackButtonPushed.bmp", "_data/BackButton.bmp", 36, 16},
    {"snew", "_data/SearchButtonPushed.bmp", "_data/SearchButton.bmp", 54, 17},
};

// Puts the first line of text into the edit and returns the rest.
const char *ShowTextLine(const char *id, const char *text) {
    const char *end = std::strchr(text, '\n');
    const std::string line = end ? std::string(text, end) : std::string(text);
    GUIEditSet(GUIControlGetByID(nullptr, id), line.c_str());
    if (!end)
        return text + line.size();
    ++end;
    return *end == '\r' ? end + 1 : end;
}

bool IsBreak(char c) {
    return c == '\n' || c == '\r' || c == ' ';
}

// Rows break only before a line end or a blank, each the longest such prefix
// narrower than the list; line ends inside a row show as blanks.
void WrapInto(GUIControl *list, const std::string &text) {
    size_t pos = 0;
    while (pos < text.size()) {
        std::string candidate, accepted;
        for (size_t i = pos; i < text.size(); ++i) {
            candidate += text[i] == '\n' ? ' ' : text[i];
            if (i + 1 < text.size() && !IsBreak(text[i + 1]))
                continue;
            if (GfxAPITextGetWidth(candidate.c_str(), pGUISkinFont) >= list->iWidth)
                break;
            accepted = candidate;
        }
        if (accepted.empty())
            break;
        GUIListAdd(list, accepted.c_str());
        pos += accepted.size();
        while (pos < text.size() && IsBreak(text[pos]))
            ++pos;
    }
}

TEST_F(SampleScreen, ShowsAGameAsTheApplicationDoes) {
    for (const ImageButton &b : kImageButtons) {
        GUIControl *ctl = Find(b.id);
        ASSERT_NE(ctl, nullptr);
        auto *button = reinterpret_cast<GUIButton *>(ctl);
        button->pPushedImage = Picture(b.pushed);
        button->pReleasedImage = Picture(b.released);
        GUIControlSetSize(ctl, b.width, b.height);
    }
    reinterpret_cast<GUIEdit *>(Find("stext"))->bEditable = 1;
    GUIEditSet(Find("sfolder"), "/home/palm/hotsync/");
    GUIControl *gamelist = Find("gamelist");
    GUIControl *details = Find("details");
    ASSERT_TRUE(gamelist && details);
    reinterpret_cast<GUIList *>(gamelist)->bRowBackground = 0;
    reinterpret_cast<GUIList *>(gamelist)->iItemHeight = 16;
    reinterpret_cast<GUIList *>(details)->bRowBackground = 0;
    reinterpret_cast<GUIList *>(details)->bSelectable = 0;
    reinterpret_cast<GUIList *>(details)->iItemHeight = 16;

    CGameCatalog catalog;
    {
        skintest::InDiscFolder walkFromTheDisc;
        ASSERT_TRUE(catalog.LoadCatalog());
    }
    int32_t shown = -1;
    for (CCatalogEntry *e = catalog.m_pRoot->GetFirstChild(); e; e = e->GetNext()) {
        const int32_t row = GUIListAdd(gamelist, e->GetName());
        GUIListSetData(gamelist, reinterpret_cast<uintptr_t>(e), row);
        if (std::string(e->GetName()) == "Lantern Keeper")
            shown = row;
    }
    ASSERT_GE(shown, 0);

    GUIListSetSelection(gamelist, shown);
    const auto *game = reinterpret_cast<CCatalogEntry *>(GUIListGetData(gamelist, shown));
    GUIEditSet(Find("name"), game->GetName());
    const char *info = game->GetInfo();
    for (const char *id : {"info0", "info1", "info2", "info3", "info4"})
        info = ShowTextLine(id, info);
    WrapInto(details, game->GetDetails());
    GUIControl *ss = Find("ss");
    GfxSurface *welcome = ss->pBackground;
    ss->pBackground =
        GfxAPILoadNewSurface((std::string(game->GetPicFolder()) + "/ss.bmp").c_str(), nullptr);
    EXPECT_NE(ss->pBackground, nullptr);
    GfxAPIDeleteSurface(welcome);
    const char *author = game->GetAuthor();
    for (const char *id : {"au0", "au1", "au2"})
        author = ShowTextLine(id, author);
    GUIEditSet(Find("msg0"), "The game was copied to the palm");
    GUIEditSet(Find("msg1"), "software's hotsync folder.");
    GUIControlRedrawThis(root_);

    EXPECT_GT(reinterpret_cast<GUIList *>(details)->aszText.iCount, 3);
    testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/skin-main-screen.png");
    EXPECT_TRUE(skintest::MatchesReference("main_screen", {0, 800, 0, 590}));
}

} // namespace
