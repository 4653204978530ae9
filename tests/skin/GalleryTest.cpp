// The control gallery loaded with the skin, its states set, and the whole
// picture compared with its reference.
#include "GallerySetup.h"
#include "SkinTestSupport.h"

namespace {

using Gallery = skintest::SkinTest;

TEST_F(Gallery, ShowsEveryControlTypeInItsStates) {
    GfxAPIInit(nullptr, 800, 620);
    {
        testsupport::ScopedWorkingDirectory disc(skintest::DiscFolder());
        const testsupport::LoadResult loaded =
            testsupport::LoadScriptFile(testsupport::SourcePath("examples/gallery.scr"));
        ASSERT_NE(loaded.ctl, nullptr) << loaded.out;
    }
    EXPECT_TRUE(GallerySetStates());
    GUIControlRedrawThis(pGUIControlRoot);
    EXPECT_TRUE(skintest::MatchesReference("gallery", {0, 800, 0, 620}));
}

} // namespace
