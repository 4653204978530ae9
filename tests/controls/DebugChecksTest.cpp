// Debug builds stop on a control handed to another type's operation and on a
// repaint asked for from inside a Draw; records built on another type's pass.
#include "ControlTestSupport.h"
#include "GUIButton.h"
#include "GUIPopupMenu.h"

namespace {

using DebugChecksDeathTest = testsupport::RootTest;

void RepaintWhileDrawing(GUIControl *self, GUIRect *) {
    GUIControlRedrawThis(self);
}

TEST_F(DebugChecksDeathTest, WrongCastsAndRepaintsWhileDrawingStop) {
#ifdef NDEBUG
    GTEST_SKIP() << "the checks are compiled into debug builds only";
#endif
    GUIRect rect{0, 60, 0, 60};
    GUIControl *menu = GUIPopupMenuNew(&root, &rect);
    EXPECT_EQ(GUIListAdd(menu, "a menu is a list"), 0);
    GUIControl *button = GUIButtonNew(&root, &rect, "button");
    EXPECT_DEATH(GUIListAdd(button, "a button is not"), "GUIControlIsOfType");
    GUIControl probe{};
    testsupport::makeControl(probe, &root, {0, 10, 0, 10});
    probe.Draw = RepaintWhileDrawing;
    EXPECT_DEATH(GUIControlRedrawThis(&probe), "while drawing");
    GUIControlRemove(&probe);
}

} // namespace
