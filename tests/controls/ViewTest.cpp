// View: measuring the pane's content, showing and hiding the bars, keeping
// them in step with the pane's offset, and scrolling the pane from the bars.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "GUIButton.h"
#include "GUIModule.h"
#include "GUIScript.h"
#include "GUIView.h"
#include "ScrollViewFixture.h"

using controltest::rectOf;

namespace {

class ViewTest : public controltest::ControlTest {
  protected:
    // A 100 x 100 view at (10, 20) of the root with one plain child in its pane.
    GUIView *view = nullptr;
    GUIControl content{};

    void SetUp() override {
        ControlTest::SetUp();
        GUIRect rect{10, 110, 20, 120};
        view = reinterpret_cast<GUIView *>(GUIViewNew(&root, &rect));
    }

    void setContent(int32_t width, int32_t height) {
        GUIRect rect{0, width, 0, height};
        GUIControlInit(&content, &view->oPane, &rect);
    }

    GUIControl *pane() { return &view->oPane; }
    GUIScrollBar *vbar() { return &view->oVScroll; }
    GUIScrollBar *hbar() { return &view->oHScroll; }
};

struct LayoutCase {
    int32_t contentWidth;
    int32_t contentHeight;
    bool vertical;
    bool horizontal;
    int32_t paneWidth;
    int32_t paneHeight;
};

void PrintTo(const LayoutCase &c, std::ostream *os) {
    *os << "content " << c.contentWidth << " x " << c.contentHeight;
}

std::string layoutCaseName(const testing::TestParamInfo<LayoutCase> &info) {
    return "Content" + std::to_string(info.param.contentWidth) + "x" +
           std::to_string(info.param.contentHeight);
}

class ViewLayoutTest : public ViewTest, public testing::WithParamInterface<LayoutCase> {};

TEST_P(ViewLayoutTest, BarsAppearOnlyWhereTheContentDoesNotFit) {
    const LayoutCase c = GetParam();
    setContent(c.contentWidth, c.contentHeight);
    EXPECT_EQ(view->iContentWidth, c.contentWidth);
    EXPECT_EQ(view->iContentHeight, c.contentHeight);
    EXPECT_EQ(rectOf(*pane()), (GUIRect{0, c.paneWidth, 0, c.paneHeight}));
    EXPECT_EQ(bool(vbar()->oControl.bHidden), !c.vertical);
    EXPECT_EQ(bool(hbar()->oControl.bHidden), !c.horizontal);
    if (c.vertical) {
        EXPECT_EQ(rectOf(vbar()->oControl), (GUIRect{84, 100, 0, c.paneHeight}));
        EXPECT_EQ(vbar()->iMax, c.contentHeight);
        EXPECT_EQ(vbar()->iPosEnd, c.paneHeight);
    }
    if (c.horizontal) {
        EXPECT_EQ(rectOf(hbar()->oControl), (GUIRect{0, c.paneWidth, 84, 100}));
        EXPECT_EQ(hbar()->iMax, c.contentWidth);
        EXPECT_EQ(hbar()->iPosEnd, c.paneWidth);
    }
}

INSTANTIATE_TEST_SUITE_P(View100x100, ViewLayoutTest,
                         testing::Values(
                             // too tall, and the vertical bar leaves too little width
                             LayoutCase{100, 150, true, true, 84, 84},
                             // too tall, narrow enough beside the vertical bar
                             LayoutCase{80, 150, true, false, 84, 100},
                             // too wide, and the horizontal bar leaves too little height
                             LayoutCase{150, 90, true, true, 84, 84},
                             // fits exactly
                             LayoutCase{100, 100, false, false, 100, 100}),
                         layoutCaseName);

TEST_F(ViewTest, NewViewHasItsPaneAndBarsAsParts) {
    EXPECT_EQ(view->oControl.pType, &sGUIViewType);
    EXPECT_EQ(view->oControl.pChildHost, pane());
    EXPECT_EQ(view->oControl.pFirstChild, pane());
    EXPECT_EQ(pane()->pNext, &vbar()->oControl);
    EXPECT_EQ(vbar()->oControl.pNext, &hbar()->oControl);
    EXPECT_TRUE(vbar()->bVertical);
    EXPECT_FALSE(hbar()->bVertical);
    for (GUIControl *part = view->oControl.pFirstChild; part; part = part->pNext) {
        EXPECT_TRUE(part->bPartOfParent);
        EXPECT_FALSE(part->bAllocated);
    }
    EXPECT_EQ(rectOf(*pane()), (GUIRect{0, 100, 0, 100}));
    EXPECT_EQ(view->iBarSize, 16);
    EXPECT_TRUE(view->bAllowH);
    EXPECT_TRUE(view->bAllowV);
}

TEST_F(ViewTest, ScrolledPaneKeepsItsBarUntilScrolledBack) {
    setContent(50, 50);
    EXPECT_TRUE(vbar()->oControl.bHidden);

    GUIControlSetWindowPos(pane(), 0, 10);
    EXPECT_FALSE(vbar()->oControl.bHidden);
    EXPECT_TRUE(hbar()->oControl.bHidden);
    EXPECT_EQ(rectOf(*pane()), (GUIRect{0, 84, 0, 100}));
    EXPECT_EQ(vbar()->iMin, 0);
    EXPECT_EQ(vbar()->iMax, 50);
    EXPECT_EQ(vbar()->iPosStart, 10);
    EXPECT_EQ(vbar()->iPosEnd, 50); // 110 clamped to the range

    GUIControlSetWindowPos(pane(), 0, 0);
    EXPECT_TRUE(vbar()->oControl.bHidden);
    EXPECT_EQ(rectOf(*pane()), (GUIRect{0, 100, 0, 100}));
}

TEST_F(ViewTest, DisallowedHorizontalBarOnlyShowsForAScrolledPane) {
    view->bAllowH = 0;
    setContent(150, 50);
    EXPECT_TRUE(hbar()->oControl.bHidden);
    EXPECT_TRUE(vbar()->oControl.bHidden);
    EXPECT_EQ(rectOf(*pane()), (GUIRect{0, 100, 0, 100}));

    GUIControlSetWindowPos(pane(), 20, 0);
    EXPECT_FALSE(hbar()->oControl.bHidden);
    EXPECT_EQ(rectOf(hbar()->oControl), (GUIRect{0, 100, 84, 100}));
    EXPECT_EQ(hbar()->iPosStart, 20);
    EXPECT_EQ(hbar()->iPosEnd, 120);
}

TEST_F(ViewTest, ArrowPressScrollsThePaneAndRaisesTheViewEvent) {
    setContent(80, 300);
    ASSERT_FALSE(vbar()->oControl.bHidden);
    // The vertical bar's forward arrow: view column 84, rows 84 to 100.
    press(10 + 84 + 8, 20 + 84 + 8);
    release(10 + 84 + 8, 20 + 84 + 8);
    EXPECT_EQ(pane()->iScrollY, 15);
    EXPECT_EQ(pane()->iScrollX, 0);
    EXPECT_EQ(vbar()->iPosStart, 15);
    EXPECT_EQ(vbar()->iPosEnd, 115);
    EXPECT_EQ(count(&view->oControl, GUI_EVENT_VIEW_SCROLLED), 1);
    EXPECT_EQ(count(&vbar()->oControl, GUI_EVENT_SCROLLBAR_CHANGED), 1);
}

TEST_F(ViewTest, EachBarScrollsItsOwnAxis) {
    setContent(300, 300);
    GUIScrollBarStepForward(&hbar()->oControl);
    GUIScrollBarStepForward(&hbar()->oControl);
    EXPECT_EQ(pane()->iScrollX, 30);
    EXPECT_EQ(pane()->iScrollY, 0);

    GUIScrollBarSetPos(&vbar()->oControl, 32, 116);
    GUIControlSetEvent(&vbar()->oControl, GUI_EVENT_SCROLLBAR_CHANGED);
    EXPECT_EQ(pane()->iScrollX, 30);
    EXPECT_EQ(pane()->iScrollY, 32);
    EXPECT_EQ(count(&view->oControl, GUI_EVENT_VIEW_SCROLLED), 3);
}

TEST_F(ViewTest, GrowingChildBringsUpTheVerticalBar) {
    setContent(80, 50);
    EXPECT_TRUE(vbar()->oControl.bHidden);

    GUIControlSetSize(&content, 80, 150);
    EXPECT_EQ(view->iContentHeight, 150);
    EXPECT_FALSE(vbar()->oControl.bHidden);
    EXPECT_TRUE(hbar()->oControl.bHidden);
    EXPECT_EQ(rectOf(*pane()), (GUIRect{0, 84, 0, 100}));
    EXPECT_EQ(vbar()->iMax, 150);
    EXPECT_EQ(vbar()->iPosStart, 0);
    EXPECT_EQ(vbar()->iPosEnd, 100);

    GUIControlSetSize(&content, 80, 60);
    EXPECT_TRUE(vbar()->oControl.bHidden);
    EXPECT_EQ(rectOf(*pane()), (GUIRect{0, 100, 0, 100}));
}

TEST_F(ViewTest, ResizingTheViewLaysItOutAgain) {
    setContent(80, 150);
    GUIControlSetSize(&view->oControl, 100, 200);
    EXPECT_TRUE(vbar()->oControl.bHidden);
    EXPECT_EQ(rectOf(*pane()), (GUIRect{0, 100, 0, 200}));

    GUIControlSetSize(&view->oControl, 60, 100);
    EXPECT_FALSE(vbar()->oControl.bHidden);
    EXPECT_FALSE(hbar()->oControl.bHidden);
    EXPECT_EQ(rectOf(vbar()->oControl), (GUIRect{44, 60, 0, 84}));
    EXPECT_EQ(rectOf(hbar()->oControl), (GUIRect{0, 44, 84, 100}));
}

// A control that embeds a view in its own record, as the combo box and the table do.
struct ViewHost {
    GUIControl oControl;
    GUIView oView;
};

TEST_F(ViewTest, EmbeddedViewWorksAndIsNotFreedWithItsHost) {
    ViewHost host{};
    GUIRect hostRect{150, 300, 20, 220};
    GUIControlInit(&host.oControl, &root, &hostRect);
    GUIRect viewRect{0, 100, 0, 100};
    GUIViewInit(&host.oView, &host.oControl, &viewRect);
    EXPECT_FALSE(host.oView.oControl.bAllocated);

    GUIRect buttonRect{0, 50, 0, 150};
    GUIControl *button = GUIButtonNew(&host.oView.oPane, &buttonRect, "row");
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(host.oView.oVScroll.oControl.bHidden);

    // Removing the host frees the allocated button and leaves the embedded records alone.
    GUIControlRemove(&host.oControl);
    EXPECT_EQ(host.oView.oPane.pFirstChild, nullptr);
}

TEST_F(ViewTest, ScriptPutsChildrenInThePaneAndSaveWritesThemDirectly) {
    GUIControlRemove(&view->oControl);
    __dfree(view);
    std::string text = "View[10,20,100,100]\r\n{\r\n\tButton[0,0,50,150](Ok) \"row\";\r\n};";
    GUIScriptReader reader{text.data(), text.data(), text.data() + text.size(), 1};
    testing::internal::CaptureStdout();
    GUIControl *loaded = GUIControlCreateFromScript(&root, &reader);
    testing::internal::GetCapturedStdout();
    ASSERT_NE(loaded, nullptr);
    auto *scripted = reinterpret_cast<GUIView *>(loaded);
    EXPECT_EQ(scripted->oControl.pType, &sGUIViewType);
    GUIControl *button = GUIControlGetByID(loaded, "row");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->pParent, &scripted->oPane);
    EXPECT_FALSE(scripted->oVScroll.oControl.bHidden);

    FILE *out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    GUIControlSaveTree(loaded, out, 0);
    std::rewind(out);
    char buffer[256] = {};
    const size_t length = std::fread(buffer, 1, sizeof buffer - 1, out);
    std::fclose(out);
    EXPECT_EQ(std::string(buffer, length),
              "View[10,20,100,100]\n{\n\tButton[0,0,50,150] \"row\";\n};\n");
}

} // namespace
