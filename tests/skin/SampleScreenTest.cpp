// The sample disc's layout loaded with the skin holds every control the
// application looks up, each with its type.
#include "GUIButton.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIView.h"
#include "SkinTestSupport.h"

namespace {

using SampleScreen = skintest::SkinTest;

TEST_F(SampleScreen, SampleLayoutHoldsEveryControlTheApplicationLooksUp) {
    GfxAPIInit(nullptr, 800, 590);
    testsupport::ScopedWorkingDirectory disc(skintest::DiscFolder());
    const testsupport::LoadResult loaded = testsupport::LoadScriptFile("_data/layout.scr");
    ASSERT_NE(loaded.ctl, nullptr) << loaded.out;
    const auto expectType = [](const char *id, const GUIControlType *type) {
        const GUIControl *ctl = GUIControlGetByID(nullptr, id);
        ASSERT_NE(ctl, nullptr) << id;
        EXPECT_EQ(ctl->pType, type) << id;
    };
    for (const char *id : {"exitb", "instb", "setupb", "snext", "sback", "snew"})
        expectType(id, &sGUIButtonType);
    for (const char *id : {"stext", "sfolder", "name", "msg0", "msg1", "info0", "info1", "info2",
                           "info3", "info4", "au0", "au1", "au2"})
        expectType(id, &sGUIEditType);
    for (const char *id : {"gamelist", "details"}) {
        expectType(id, &sGUIListType);
        const GUIControl *pane = GUIControlGetByID(nullptr, id)->pParent;
        ASSERT_TRUE(pane && pane->pParent) << id;
        EXPECT_EQ(pane->pParent->pType, &sGUIViewType) << id;
    }
    const GUIControl *ss = GUIControlGetByID(nullptr, "ss");
    ASSERT_NE(ss, nullptr);
    EXPECT_EQ(ss->Draw, GUIControlDefaultDraw);
    EXPECT_NE(ss->pBackground, nullptr);
}

} // namespace
