// The main window's size and the row height of its lists, shared by the
// program, the generator of the sample disc's layout and the tests.
#pragma once

#include <cstdint>

// Outer size of the main window, frame and caption included.
inline constexpr int32_t kMainWindowWidth = 800;
inline constexpr int32_t kMainWindowHeight = 620;
// Row height of the game list and the description list.
inline constexpr int32_t kListRowHeight = 16;
