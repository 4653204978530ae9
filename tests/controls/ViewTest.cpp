// View: measuring the pane's content, showing and hiding the bars, keeping
// them in step with the pane's offset, and scrolling the pane from the bars.
#include <utility>

#include "ControlTestSupport.h"
#include "GUIView.h"

using testsupport::rectOf;

namespace {

class ViewTest : public testsupport::RootTest {
  protected:
    // A 100 x 100 view at (10, 20) of the root with one plain child in its pane.
    GUIView *view = nullptr;
    GUIControl content{};

    void SetUp() override {
        RootTest::SetUp();
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

// Too tall with too little width left beside the bar; too tall but narrow
// enough; too wide with too little height left; fitting exactly.
TEST_F(ViewTest, BarsAppearOnlyWhereTheContentDoesNotFit) {
    struct Case {
        int32_t contentWidth, contentHeight;
        bool vertical, horizontal;
        int32_t paneWidth, paneHeight;
    };
    for (const Case &c :
         {Case{100, 150, true, true, 84, 84}, Case{80, 150, true, false, 84, 100},
          Case{150, 90, true, true, 84, 84}, Case{100, 100, false, false, 100, 100}}) {
        SCOPED_TRACE(testing::Message() << c.contentWidth << " x " << c.contentHeight);
        setContent(c.contentWidth, c.contentHeight);
        EXPECT_EQ(rectOf(*pane()), (GUIRect{0, c.paneWidth, 0, c.paneHeight}));
        EXPECT_EQ(bool(vbar()->oControl.bHidden), !c.vertical);
        EXPECT_EQ(bool(hbar()->oControl.bHidden), !c.horizontal);
        if (c.vertical) {
            EXPECT_EQ(rectOf(vbar()->oControl), (GUIRect{84, 100, 0, c.paneHeight}));
            EXPECT_EQ(std::pair(vbar()->iMax, vbar()->iPosEnd),
                      std::pair(c.contentHeight, c.paneHeight));
        }
        if (c.horizontal) {
            EXPECT_EQ(rectOf(hbar()->oControl), (GUIRect{0, c.paneWidth, 84, 100}));
            EXPECT_EQ(std::pair(hbar()->iMax, hbar()->iPosEnd),
                      std::pair(c.contentWidth, c.paneWidth));
        }
        GUIControlRemove(&content);
    }
}

TEST_F(ViewTest, ScrolledPaneKeepsItsBarUntilScrolledBack) {
    setContent(50, 50);
    EXPECT_TRUE(vbar()->oControl.bHidden);
    GUIControlSetWindowPos(pane(), 0, 10);
    EXPECT_FALSE(vbar()->oControl.bHidden);
    EXPECT_TRUE(hbar()->oControl.bHidden);
    EXPECT_EQ(vbar()->iPosStart, 10);
    EXPECT_EQ(vbar()->iPosEnd, 50); // 110 clamped to the range

    GUIControlSetWindowPos(pane(), 0, 0);
    EXPECT_TRUE(vbar()->oControl.bHidden);
    EXPECT_EQ(rectOf(*pane()), (GUIRect{0, 100, 0, 100}));
}

// Disallowed bars stay hidden over content that does not fit, until the pane
// is scrolled on their axis; the horizontal bar scrolls on its own axis (the
// vertical one is driven through a list in ListTest).
TEST_F(ViewTest, DisallowedBarsOnlyShowForAScrolledPane) {
    view->bAllowH = view->bAllowV = 0;
    setContent(300, 300);
    EXPECT_TRUE(hbar()->oControl.bHidden);
    EXPECT_TRUE(vbar()->oControl.bHidden);
    GUIControlSetWindowPos(pane(), 20, 0);
    EXPECT_FALSE(hbar()->oControl.bHidden);
    EXPECT_TRUE(vbar()->oControl.bHidden);
    GUIScrollBarStepForward(&hbar()->oControl);
    EXPECT_EQ(pane()->iScrollX, 35);
    EXPECT_EQ(pane()->iScrollY, 0);
}

} // namespace
