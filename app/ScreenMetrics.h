// The main window's size, its timer's period and the row height of its lists,
// shared by the program, the designer, the generator of the sample disc's
// layout and the tests.
#pragma once

#include <chrono>
#include <cstdint>

// Outer size of the main window, frame and caption included.
inline constexpr int32_t kMainWindowWidth = 800;
inline constexpr int32_t kMainWindowHeight = 620;
// How often the window's timer ticks the toolkit.
inline constexpr std::chrono::milliseconds kTickPeriod{100};
// Row height of the game list and the description list.
inline constexpr int32_t kListRowHeight = 16;
