// The window's icon, drawn in code after the program's desktop icon: a
// handheld with a screen and three buttons.
#pragma once

#include <cstdint>
#include <vector>

namespace host {

inline constexpr int kWindowIconSize = 48;

// kWindowIconSize × kWindowIconSize pixels, row by row, as 0xAARRGGBB.
std::vector<uint32_t> WindowIconPixels();

} // namespace host
