// Lists inside views: the selected row kept visible through the pane, keys and
// scroll bar moving a scripted list, drawing of the visible rows, and the
// script constructors of Edit and List with the type chain they sit in.
#include <fstream>
#include <string>

#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIModule.h"
#include "GUIScript.h"
#include "GUIView.h"
#include "ScrollViewFixture.h"

using controltest::eventsOf;
using controltest::raisedEvents;
using testsupport::Pixel;

namespace {

constexpr int32_t kPageDown = 34, kDown = 40;

GUIList *asList(GUIControl *ctl) {
    return reinterpret_cast<GUIList *>(ctl);
}

// Stands in for the skin: the selected row as a grey box, the others black,
// and every row's text.
void paintRows(GUIControl *ctl, GUIRect *rect) {
    static GfxFont *font = GfxAPICreateFont("DejaVu Sans", 13);
    static uint32_t blackPixel = 0;
    static GfxSurface black{&blackPixel, 1, 1, nullptr, 0, 0};
    const GUIList *list = asList(ctl);
    const int32_t h = list->iItemHeight;
    for (int32_t row = rect->iTop / h; row <= (rect->iBottom - 1) / h; ++row) {
        GUIRect r{0, ctl->iWidth, row * h, row * h + h};
        if (row == list->iSelected)
            GUIControlBox(ctl, &r, 0);
        else
            GUIControlBlit(ctl, &black, &r, 0, 0);
        GUIControlText(ctl, GUIListGet(ctl, row), &r, -4, -1, font, GFX_WHITE);
    }
}

class ListInView : public controltest::RootFixture {
  protected:
    // A view whose pane shows 160 pixels, ten rows, beside its vertical bar.
    GUIView *view = nullptr;
    GUIControl *list = nullptr;

    void SetUp() override {
        RootFixture::SetUp();
        GUIRect rect{10, 210, 10, 170};
        view = reinterpret_cast<GUIView *>(GUIViewNew(&root, &rect));
        GUIRect listRect{0, 184, 0, 0};
        list = GUIListNew(&view->oPane, &listRect);
        for (int i = 0; i < 40; ++i)
            GUIListAdd(list, ("row " + std::to_string(i)).c_str());
    }
    int32_t paneOffset() const { return view->oPane.iScrollY; }
};

TEST_F(ListInView, SelectingKeepsTheRowVisibleAndMovesTheBar) {
    ASSERT_EQ(view->oPane.iHeight, 160);
    ASSERT_FALSE(view->oVScroll.oControl.bHidden);
    ASSERT_TRUE(view->oHScroll.oControl.bHidden);

    GUIListSetSelection(list, 30);
    EXPECT_EQ(paneOffset(), 336) << "row 30 becomes the last visible row";
    EXPECT_EQ(view->oVScroll.iPosStart, 336);
    EXPECT_EQ(view->oVScroll.iPosEnd, 496);
    EXPECT_EQ(controltest::ControlTest::count(&view->oPane, GUI_EVENT_SCROLLED), 1);

    GUIListSetSelection(list, 5);
    EXPECT_EQ(paneOffset(), 80) << "row 5 becomes the first visible row";
    EXPECT_EQ(view->oVScroll.iPosStart, 80);

    GUIListSetSelection(list, 9);
    EXPECT_EQ(paneOffset(), 80) << "an already visible row scrolls nothing";
    EXPECT_EQ(eventsOf(list).back(), GUI_EVENT_LIST_SELECTED);
}

TEST_F(ListInView, ClickThroughTheScrolledPaneHitsTheRowUnderThePointer) {
    GUIListSetSelection(list, 30);
    raisedEvents().clear();
    // Root y 10 + 3 pixels into the pane, scrolled by 336: list y 339, row 21.
    press(50, 13);
    release(50, 13);
    EXPECT_EQ(asList(list)->iSelected, 21);
    EXPECT_EQ(eventsOf(list),
              (std::vector<int32_t>{GUI_EVENT_LIST_SELECTED, GUI_EVENT_LIST_CHOSEN}));
    EXPECT_EQ(paneOffset(), 336);
}

std::string writeScript(const std::string &name, const std::string &text) {
    const std::string path = testsupport::OutputDir() + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

class ScriptedScreen : public controltest::RootFixture {
  protected:
    GUIControl *loaded = nullptr;
    GUIControl *list = nullptr;
    GUIView *view = nullptr;

    void SetUp() override {
        RootFixture::SetUp();
        const std::string path = writeScript("list_in_view.scr", "View[10,10,200,160]\r\n"
                                                                 "{\r\n"
                                                                 "\tList[0,0,184,0] \"games\";\r\n"
                                                                 "};\r\n");
        testing::internal::CaptureStdout();
        loaded = GUIControlCreateFromFile(&root, path.c_str());
        testing::internal::GetCapturedStdout();
        ASSERT_NE(loaded, nullptr);
        view = reinterpret_cast<GUIView *>(loaded);
        list = GUIControlGetByID(nullptr, "games");
        ASSERT_NE(list, nullptr);
        list->Draw = paintRows;
        for (int i = 0; i < 100; ++i) {
            GUIListAdd(list, ("Game " + std::to_string(i)).c_str());
            GUIListSetData(list, static_cast<uintptr_t>(1000 + i), i);
        }
    }
    int32_t paneOffset() const { return view->oPane.iScrollY; }
};

TEST_F(ScriptedScreen, KeysWalkToTheLastRowAndTheBarScrollsBack) {
    EXPECT_EQ(list->pParent, &view->oPane);
    EXPECT_EQ(view->oVScroll.iMax, 1600);
    EXPECT_TRUE(GUIControlShareKey(&root, kDown, 0));
    EXPECT_EQ(asList(list)->iSelected, 0);
    for (int i = 0; i < 10; ++i)
        GUIControlShareKey(&root, kPageDown, 0);
    EXPECT_EQ(asList(list)->iSelected, 99);
    EXPECT_FALSE(GUIControlShareKey(&root, kPageDown, 0));
    EXPECT_EQ(paneOffset(), 1440);
    EXPECT_EQ(view->oVScroll.iPosStart, 1440);

    // The bar's back arrow sits at the top of the bar, root (194..210, 10..26).
    raisedEvents().clear();
    press(200, 15);
    release(200, 15);
    EXPECT_EQ(paneOffset(), 1425);
    EXPECT_EQ(eventsOf(loaded), std::vector<int32_t>{GUI_EVENT_VIEW_SCROLLED});
    EXPECT_EQ(asList(list)->iSelected, 99) << "scrolling leaves the selection alone";
    EXPECT_EQ(GUIListGetData(list, asList(list)->iSelected), 1099u);
}

TEST_F(ScriptedScreen, DrawingShowsTheVisibleRowsOfTheScrolledPane) {
    GUIListSetSelection(list, 57);
    EXPECT_EQ(paneOffset(), 57 * 16 + 16 - 160);
    GUIControlRedrawThis(&root);
    testsupport::WriteBackBufferPng(testsupport::OutputDir() + "/ListInView.png");
    // Row 57 is the last visible one: root y 154..170, boxed across the pane.
    EXPECT_EQ(Pixel(11, 155), static_cast<uint32_t>(GFX_BOX_COLOUR));
    EXPECT_EQ(Pixel(193, 169), static_cast<uint32_t>(GFX_BOX_COLOUR));
    EXPECT_NE(Pixel(11, 153), static_cast<uint32_t>(GFX_BOX_COLOUR));
    EXPECT_NE(Pixel(194, 160), static_cast<uint32_t>(GFX_BOX_COLOUR)) << "the bar is not the list";
    EXPECT_EQ(Pixel(11, 171), 0u) << "nothing below the view";
}

GUIControl *loadStatement(GUIControl *parent, std::string text) {
    GUIScriptReader reader{text.data(), text.data(), text.data() + text.size(), 1};
    testing::internal::CaptureStdout();
    GUIControl *ctl = GUIControlCreateFromScript(parent, &reader);
    testing::internal::GetCapturedStdout();
    return ctl;
}

TEST_F(ListInView, EditAndListScriptsReadTheirOwnParts) {
    GUIControl *edit = loadStatement(&root, "Edit[20,180,150,28](\"Find me\") \"search\";");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->pType, &sGUIEditType);
    EXPECT_STREQ(reinterpret_cast<GUIEdit *>(edit)->szText, "Find me");
    EXPECT_STREQ(edit->pszID, "search");
    EXPECT_EQ(edit->iWidth, 150);
    EXPECT_EQ(eventsOf(edit), std::vector<int32_t>{GUI_EVENT_CREATED});

    const std::string longWord(200, 'k');
    GUIControl *cut = loadStatement(&root, "Edit[0,0,10,10](" + longWord + ");");
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<GUIEdit *>(cut)->szText), longWord.substr(0, 127));

    EXPECT_EQ(loadStatement(&root, "Edit[0,0,10,10] \"x\";"), nullptr);
    EXPECT_EQ(loadStatement(&root, "Edit[0,0,10,10](text;"), nullptr);
    EXPECT_EQ(loadStatement(&root, "List[0,0,10,10]{Button[0,0](x);};"), nullptr);
    GUIControl *plain = loadStatement(&root, "List;");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->pType, &sGUIListType);
    EXPECT_EQ(plain->iWidth, 0);
}

TEST(TypeChain, RunsInItsFixedOrder) {
    std::string names;
    for (const GUIControlType *type = pGUIControlTypeHead; type; type = type->pNext)
        names += std::string(type->pszName) + " ";
    EXPECT_EQ(names, "Bitmap Button Desktop Edit List ScrollBar View ");
}

} // namespace
